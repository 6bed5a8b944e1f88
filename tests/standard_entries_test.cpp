// "#-#" run through the dispatcher on the headless window, with the dialog
// answered from a script.
#include "aids/candidate_values.h"
#include "aids/standard_entries.h"
#include "app/control_ids.h"
#include "headless_fixture.h"
#include "resources/standard_entry_dialog.h"

#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr Colour Unmarked = MakeColour(128, 128, 128);

class StandardEntriesTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ConfigurePanes();
    }

    void Load(FileKind kind, const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\r\n";
        SetPaneText(TranslationPane, text);
        platform.PaneById(TranslationPane).SetAllColour(Unmarked);
        appState.fileKind = kind;
        appState.modified = 0;
    }

    void Answer(int button, std::optional<std::string> name = std::nullopt) {
        platform.dialogAnswers.push_back(DialogAnswer{button, std::move(name)});
    }

    void Run() { platform.SendCommand(MakeCommand(IdStandardEntries)); }

    // What each dialog showed: the message, then the name field.
    std::vector<std::string> Offers() {
        std::vector<std::string> offers;
        for (const ShownDialog& dialog : platform.shownDialogs)
            offers.push_back(dialog.texts.at(IdEntryMessage) + " " + dialog.texts.at(IdEntryName));
        return offers;
    }

    std::vector<std::string> Translation() {
        std::vector<std::string> lines = PaneLines(TranslationPane);
        if (!lines.empty() && lines.back().empty()) lines.pop_back();
        return lines;
    }
};

using TextLines = std::vector<std::string>;

TEST_F(StandardEntriesTest, yesMakesTheSectionTheEntryAndTheReferences) {
    Load(FileKind::DialogIni, {"; texts", "[A]", "X=\"a\"", "A=\"OK\"", "Y=\"b\"", "[B]", "Z=\"c\"",
                               "B=\"OK\"", "W=\"OK\" ;the button"});
    Answer(IDYES);
    Run();

    ASSERT_EQ(platform.shownDialogs.size(), 1u);
    const ShownDialog& dialog = platform.shownDialogs[0];
    EXPECT_EQ(dialog.templateId, 103);
    EXPECT_EQ(dialog.caption, "Insert standard entry");
    EXPECT_EQ(dialog.texts.at(IdEntryMessage), "\"OK\"   3x gefunden.");
    EXPECT_EQ(dialog.texts.at(IdEntryName), "#OK#");
    EXPECT_EQ(Translation(),
              (TextLines{"[STANDARD]", "#OK#=\"OK\"", "", "; texts", "[A]", "X=\"a\"", "A=#OK#",
                         "Y=\"b\"", "[B]", "Z=\"c\"", "B=#OK#", "W=#OK# ;the button"}));
    // The empty line below the header is new text of the default colour.
    EXPECT_EQ(LineColours(TranslationPane), "MMK...M...MM-");
    EXPECT_EQ(appState.modified, 1);
}

TEST_F(StandardEntriesTest, newEntryGoesBelowTheStandardEntriesUnderAHeaderInLineZero) {
    const struct Case {
        const char* name;
        FileKind kind;
        TextLines lines;
        TextLines expected;
        const char* typed = nullptr; // typed after Yes on the proposal was refused
    } cases[] = {
        {"below the run of standard entries",
         FileKind::DialogIni,
         {"[STANDARD]", "#X#=\"x\"", "", "A=\"OK\"", "B=\"OK\""},
         {"[STANDARD]", "#X#=\"x\"", "#OK#=\"OK\"", "", "A=#OK#", "B=#OK#"}},
        {"a header below a comment is not taken",
         FileKind::DialogIni,
         {";c", "[STANDARD]", "A=\"OK\"", "B=\"OK\""},
         {"[STANDARD]", "#OK#=\"OK\"", "", ";c", "[STANDARD]", "A=#OK#", "B=#OK#"}},
        {"nor one in other case",
         FileKind::DialogIni,
         {"[Standard]", "A=\"OK\"", "B=\"OK\""},
         {"[STANDARD]", "#OK#=\"OK\"", "", "[Standard]", "A=#OK#", "B=#OK#"}},
        {"unquoted values, trailing blanks left out",
         FileKind::DialogCprIni,
         {"[STANDARD]", "A=OK   ", "B=OK"},
         {"[STANDARD]", "#OK#=OK", "A=#OK#", "B=#OK#"}},
        {"empty quoted values are values; their proposal '##' is refused, a typed name taken",
         FileKind::DialogIni,
         {"[STANDARD]", "A=\"\"", "B=\"\""},
         {"[STANDARD]", "#LEER#=\"\"", "A=#LEER#", "B=#LEER#"},
         "#LEER#"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Load(c.kind, c.lines);
        Answer(IDYES);
        if (c.typed != nullptr) Answer(IDYES, c.typed);
        Run();
        EXPECT_EQ(Translation(), c.expected);
        EXPECT_TRUE(platform.dialogAnswers.empty());
    }
}

TEST_F(StandardEntriesTest, onlyEntriesWithTheSameTextTakePart) {
    // Case counts; references, headers, comments and standard entries never take
    // part; nor, in DialogIni, entries without a pair of quotes, whose texts
    // would be lost.
    Load(FileKind::DialogIni,
         {"[STANDARD]", "#OK#=\"OK\"", "A=\"Ok\"", "B=\"OK\"", "C=#OK#", "D=#OK#", "[OK=\"OK\"]",
          ";C=\"x\"", "!D=\"x\"", "WIDTH=100", "HEIGHT=200", "E=\"open", "F=\"open"});
    Run();
    EXPECT_TRUE(platform.shownDialogs.empty());

    // A line longer than the line buffer is taken whole: these two differ after
    // the first 320 characters.
    const std::string start(330, 'a');
    Load(FileKind::DialogCprIni, {"A=" + start + "x", "B=" + start + "y"});
    Run();
    EXPECT_TRUE(platform.shownDialogs.empty());
}

TEST(CandidateValueOf, aQuotedTextCountsOnlyRightAfterTheEqualsSignAndBeforeAComment) {
    // A value taken over replaces everything between the "=" and its closing
    // quote, so that text may hold nothing but blanks; a quote pair in a
    // trailing comment is no value of the entry.
    const struct Case {
        FileKind kind;
        const char* line;
        const char* value; // nullptr: the line does not take part
    } cases[] = {
        {FileKind::DialogIni, "A=\"OK\"", "OK"},
        {FileKind::DialogIni, "A= \t \"OK\" ;note", "OK"},
        {FileKind::DialogIni, "A=\"x;y\" ;\"z\"", "x;y"},
        {FileKind::DialogIni, "A=\"\"", ""},
        {FileKind::DialogIni, "WIDTH=100 ;\"px\"", nullptr},
        {FileKind::DialogIni, "WIDTH= ;\"px\"", nullptr},
        {FileKind::DialogIni, "A=;\"px\"", nullptr},
        {FileKind::DialogIni, "A=abc \"x\"", nullptr},
        {FileKind::DialogIni, "A\"k\"=\"x\"", nullptr},
        {FileKind::DialogIni, "A;B=\"x\"", nullptr},
        {FileKind::DialogIni, "A=\"open", nullptr},
        {FileKind::DialogIni, "A=#OK# ;\"x\"", nullptr},
        // Unquoted values have no comments: the whole text is the value.
        {FileKind::DialogCprIni, "WIDTH=100 ;\"px\"", "100 ;\"px\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::string_view value;
        const bool takesPart = CandidateValueOf(c.kind, c.line, value);
        EXPECT_EQ(takesPart, c.value != nullptr);
        if (takesPart && c.value != nullptr) {
            EXPECT_EQ(value, c.value);
        }
    }
}

TEST_F(StandardEntriesTest, aQuotedWordInACommentIsNotOfferedAndTheLineKeepsItsValue) {
    const TextLines lines{"[MAIN]", "W1=100 ;\"px\"", "W2=200 ;\"px\""};
    Load(FileKind::DialogIni, lines);
    Answer(IDYES);
    Run();
    EXPECT_TRUE(platform.shownDialogs.empty());
    EXPECT_EQ(Translation(), lines);
}

TEST_F(StandardEntriesTest, noRaisesTheThresholdAndNextOffersTheValueAgainFurtherDown) {
    TextLines lines;
    auto add = [&lines](const std::string& value, int times) {
        for (int i = 0; i < times; ++i)
            lines.push_back(
                std::string("K").append(std::to_string(lines.size())).append("=").append(value));
    };
    add("four", 4);
    add("three", 3);
    add("five", 5);
    Load(FileKind::DialogCprIni, lines);
    Answer(IDNO);
    Answer(IdEntryNext);
    Run();
    // After No on four, only values found five times or more are offered.
    EXPECT_EQ(Offers(),
              (TextLines{"\"four\"   4x gefunden. #FOUR#", "\"five\"   5x gefunden. #FIVE#"}));

    Load(FileKind::DialogCprIni, lines);
    platform.shownDialogs.clear();
    Answer(IdEntryNext);
    Answer(IdEntryNext);
    Answer(IdEntryNext);
    Answer(IdEntryNext);
    Run();
    EXPECT_EQ(Offers(),
              (TextLines{"\"four\"   4x gefunden. #FOUR#", "\"four\"   3x gefunden. #FOUR#",
                         "\"four\"   2x gefunden. #FOUR#", "\"three\"   3x gefunden. #THREE#",
                         "\"three\"   2x gefunden. #THREE#"}));
    EXPECT_EQ(platform.shownDialogs.back().result, IDCANCEL); // the script ran out
}

TEST_F(StandardEntriesTest, cancelOrNoDialogEndsTheRunAndChangesNothing) {
    const TextLines lines{"A=\"OK\"", "B=\"OK\"", "C=\"x\"", "D=\"x\""};
    for (bool dialogFails : {false, true}) {
        SCOPED_TRACE(dialogFails ? "no dialog" : "Cancel");
        Load(FileKind::DialogIni, lines);
        platform.shownDialogs.clear();
        platform.dialogsFailing = dialogFails ? 1 : 0;
        Answer(IDCANCEL);
        Answer(IDYES);
        Run();
        EXPECT_EQ(platform.shownDialogs.size(), dialogFails ? 0u : 1u);
        EXPECT_EQ(platform.dialogAnswers.size(), dialogFails ? 2u : 1u);
        EXPECT_EQ(Translation(), lines);
        EXPECT_EQ(appState.modified, 0);
        EXPECT_FALSE(platform.PaneById(TranslationPane).CanUndo());
        platform.dialogAnswers.clear();
    }
}

TEST_F(StandardEntriesTest, anEmptyNameIsRefusedWithABeepAndTheDialogStaysOpen) {
    Load(FileKind::DialogIni, {"[STANDARD]", "A=\"OK\"", "B=\"OK\""});
    // Each would give a standard entry or references that the check calls
    // malformed, or references that name another entry than the new one.
    const char* const refused[] = {"",   "line\nbreak", "##",    "#",  "#A#B#",
                                   "#X", "X#",          "#A=B#", "A=B"};
    for (const char* name : refused)
        Answer(IDYES, name);
    Answer(IDOK, "#ok#");
    Run();
    ASSERT_EQ(platform.shownDialogs.size(), 1u);
    EXPECT_EQ(platform.beeps, static_cast<int>(std::size(refused)));
    // The field holds capitals whatever was typed; OK takes the name as Yes does.
    EXPECT_EQ(Translation(), (TextLines{"[STANDARD]", "#OK#=\"OK\"", "A=#OK#", "B=#OK#"}));
    EXPECT_EQ(platform.shownDialogs[0].result, IDOK);
}

TEST_F(StandardEntriesTest, aHashInTheValueGivesANameTheReferencesRead) {
    Load(FileKind::DialogIni, {"[STANDARD]", "A=\"Nr. #1\"", "B=\"Nr. #1\""});
    Answer(IDYES);
    Run();
    EXPECT_EQ(Offers(), (TextLines{"\"Nr. #1\"   2x gefunden. #NRP_1#"}));
    EXPECT_EQ(Translation(),
              (TextLines{"[STANDARD]", "#NRP_1#=\"Nr. #1\"", "A=#NRP_1#", "B=#NRP_1#"}));
    EXPECT_EQ(platform.beeps, 0);
}

TEST_F(StandardEntriesTest, longLinesAreWrittenWholeAndLargeCountsShownWhole) {
    const std::string value(400, 'v');
    const std::string name = std::string("#").append(300, 'N').append("#");
    Load(FileKind::DialogIni, {"[STANDARD]", "A=\"" + value + "\"", "B=\"" + value + "\""});
    Answer(IDYES, name);
    Run();
    EXPECT_EQ(Translation(),
              (TextLines{"[STANDARD]", name + "=\"" + value + "\"", "A=" + name, "B=" + name}));

    TextLines many;
    for (int i = 0; i < 1000; ++i)
        many.push_back(std::string("K").append(std::to_string(i)).append("=OK"));
    Load(FileKind::DialogCprIni, many);
    platform.shownDialogs.clear();
    Answer(IDCANCEL);
    Run();
    EXPECT_EQ(platform.shownDialogs.at(0).texts.at(IdEntryMessage), "\"OK\" 1000x gefunden.");
}

TEST_F(StandardEntriesTest, eachAcceptedValueIsOneUndoStep) {
    // The three lines the first value pushes down are not scanned as the
    // scan's line: comments stand there.
    const TextLines lines{"A=\"OK\"", "B=\"OK\"", "C=\"x\"", "D=\"x\"", ";1", ";2", ";3"};
    Load(FileKind::DialogIni, lines);
    Answer(IDYES);
    Answer(IDYES);
    Run();
    ASSERT_EQ(Translation(), (TextLines{"[STANDARD]", "#OK#=\"OK\"", "#X#=\"x\"", "", "A=#OK#",
                                        "B=#OK#", "C=#X#", "D=#X#", ";1", ";2", ";3"}));
    HeadlessPane& pane = platform.PaneById(TranslationPane);
    pane.Undo();
    EXPECT_EQ(Translation(), (TextLines{"[STANDARD]", "#OK#=\"OK\"", "", "A=#OK#", "B=#OK#",
                                        "C=\"x\"", "D=\"x\"", ";1", ";2", ";3"}));
    EXPECT_EQ(LineColours(TranslationPane), "MMKMM.....-");
    pane.Undo(); // the header goes with the value it was made for
    EXPECT_EQ(Translation(), lines);
    EXPECT_FALSE(pane.CanUndo());
}

TEST_F(StandardEntriesTest, aRefusedChangeEndsTheRunWithoutLosingAText) {
    // Room for the entry, but not for the longer references: the texts stay.
    const TextLines lines{"[STANDARD]", "A=\"\"", "B=\"\""};
    Load(FileKind::DialogIni, lines);
    HeadlessPane& pane = platform.PaneById(TranslationPane);
    pane.SetTextLimit(pane.TextLength() + 16);
    Answer(IDYES, "#LONGNAME#");
    Answer(IDYES);
    Run();
    EXPECT_EQ(Translation(), (TextLines{"[STANDARD]", "#LONGNAME#=\"\"", "A=\"\"", "B=\"\""}));
    EXPECT_EQ(platform.shownDialogs.size(), 1u);
    // The pane told the user once; the run did not go on to ask again.
    EXPECT_EQ(platform.messageBoxes.size(), 1u);
}

TEST_F(StandardEntriesTest, onlyDialogTextFilesWithStandardEntriesAreServed) {
    Load(FileKind::DialogProgIni, {"A=\"OK\"", "B=\"OK\""});
    Run();
    FileKind kind = FileKind::Menu;
    OfferStandardEntries(kind);
    EXPECT_TRUE(platform.shownDialogs.empty());
}

TEST_F(StandardEntriesTest, germanDialogHasItsCaption) {
    HeadlessPlatform german(true);
    german.SetWindowProcedures(MainWindowProcedures());
    SetPlatform(&german);
    ConfigurePanes();
    german.PaneById(TranslationPane).SetText("A=OK\r\nB=OK\r\n");
    appState.fileKind = FileKind::DialogCprIni;
    german.SendCommand(MakeCommand(IdStandardEntries));
    ASSERT_EQ(german.shownDialogs.size(), 1u);
    EXPECT_EQ(german.shownDialogs[0].caption, "Mehrfacheintrag \xFC"
                                              "bernehmen?");
    SetPlatform(&platform);
}

} // namespace
