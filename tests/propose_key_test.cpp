#include "aids/propose_key.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(ProposeKey, SpellsOutSymbolsAndUmlautsAndJoinsSeparators) {
    const struct Case {
        std::string value;
        std::string proposal;
    } cases[] = {
        {"OK", "#OK#"},
        {"", "##"},
        {"Abbrechen (J/N)", "#Abbrechen_JN#"},
        {"Gr\xF6\xDF"
         "e in %",
         "#GrOESSe_in_PROZ#"},
        {"a - b", "#a_b#"},
        {"+/-5", "#PM5#"},
        {"A+B", "#AUNDB#"},
        {"90\xB0", "#90GRD#"},
        {"x=1.5", "#xGL1P5#"},
        {"Stop!", "#StopA_#"},
        {"mail@home", "#mailAThome#"},
        {"12:30", "#12P30#"},
        // Both cases of an umlaut; letters outside the table stay.
        {"\xE4\xC4\xF6\xD6\xFC\xDC", "#AEAEOEOEUEUE#"},
        {"caf\xE9", "#caf\xE9#"},
        // "(J/N)" goes whole; other parentheses go singly.
        {"(J)", "#_J_#"},
        {"&&", "#UNDUND#"},
        {"!!", "#A_A_#"},
        {"!_", "#A_#"},
        {"a\tb", "#a_b#"},
        {"a   b", "#a_b#"},
        {" - ", "#_#"},
        {"a,b;c*d?e/f\\g", "#a_b_c_d_e_f_g#"},
        // The underscores of "!" and of the separators collapse into one.
        {"Ja! Nein", "#JaA_Nein#"},
        // A "#" inside would end the name a reference reads: it is a separator.
        {"#1", "#_1#"},
        {"Nr. #1", "#NrP_1#"},
        {"#X#", "#_X_#"},
        // Quotes, brackets and digits stay.
        {"[\"x\"]9", "#[\"x\"]9#"},
        // The value ends at its first NUL.
        {std::string("AB\0CD", 5), "#AB#"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(ProposeKey(c.value), c.proposal);
    }
}

TEST(ProposeKey, WorkingTextHoldsAtMost1024Characters) {
    // 300 "%" would grow to 1,200 characters: what goes beyond 1,024 is lost,
    // the "x" among it; both "#" still frame the result.
    std::string proposal = ProposeKey(std::string(300, '%') + "x");
    ASSERT_EQ(proposal.size(), 1026u);
    std::string proz;
    for (int i = 0; i < 256; ++i)
        proz += "PROZ";
    EXPECT_EQ(proposal, "#" + proz + "#");

    // A value whose end lies beyond the working text counts as empty.
    EXPECT_EQ(ProposeKey(std::string(1024, 'A')), "##");
    EXPECT_EQ(ProposeKey(std::string(1023, 'A')), "#" + std::string(1023, 'A') + "#");
}

} // namespace
