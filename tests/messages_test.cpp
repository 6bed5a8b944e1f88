#include "headless_fixture.h"
#include "resources/messages.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(MessageTable, everyIdHasItsRowWithTextAndCaption) {
    const auto rows = AllMessages();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(MessageId::Count));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MessageId id = static_cast<MessageId>(i);
        EXPECT_EQ(rows[i].id, id) << "row " << i << " is out of order";
        EXPECT_EQ(&MessageRowOf(id), &rows[i]);
        EXPECT_STRNE(rows[i].text, "") << "row " << i;
        EXPECT_STRNE(rows[i].caption, "") << "row " << i;
    }
}

using MessageShowing = HeadlessTest;

TEST_F(MessageShowing, aPartFillsItsPlaceAndTheRowDecidesCaptionFlagsAndOwner) {
    ShowMessage(MessageId::TranslationNotLoadedWhole, MessagePart::HoldsNul);
    ShowMessage(MessageId::RichEditNotLoaded);
    ASSERT_EQ(platform.messageBoxes.size(), 2u);

    const ShownMessageBox& cut = platform.messageBoxes[0];
    EXPECT_TRUE(cut.text.starts_with("Die \xDC"
                                     "bersetzungsdatei wurde nicht vollst\xE4ndig geladen "
                                     "(enth\xE4lt ein NUL-Zeichen). Angezeigt"))
        << cut.text;
    EXPECT_EQ(cut.text.find("{0}"), std::string::npos);
    EXPECT_EQ(cut.caption, "Verbodex");
    EXPECT_TRUE(cut.owned);

    // The entry's warning comes before any window exists.
    EXPECT_FALSE(platform.messageBoxes[1].owned);
    EXPECT_EQ(platform.messageBoxes[1].flags, MB_ICONWARNING);
}

} // namespace
