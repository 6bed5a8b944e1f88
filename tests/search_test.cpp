// The search of each pane, "<" and ">" beside its edit field.
#include "app/control_ids.h"
#include "headless_fixture.h"

#include <string>

namespace {

class SearchTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        platform.Open();
        platform.PaneById(OriginalPane).SetPageLines(3);
        platform.PaneById(TranslationPane).SetPageLines(3);
    }
};

using Sel = std::pair<std::int32_t, std::int32_t>;

TEST_F(SearchTest, buttons_stepThroughTheOccurrencesWithoutCaseAndBeepAtEitherEnd) {
    // "ab" at 0, 6 and 9 (two on the second line), and "AB" at 14, ending on the
    // last character of the pane.
    SetPaneText(TranslationPane, "abxx\rxab ab\rzzAB");
    platform.FocusControl(IdSave);
    const struct {
        int button;
        const char* field;
        Sel selection;
        int beeps;
    } steps[] = {
        {IdSearchTranslationForward, "", {0, 0}, 0}, // an empty field does nothing
        {IdSearchTranslationBack, "aB", {0, 0}, 1},  // nothing before the very start
        {IdSearchTranslationForward, "aB", {0, 2}, 1},
        {IdSearchTranslationForward, "aB", {6, 8}, 1}, // the selected one is not found again
        {IdSearchTranslationForward, "aB", {9, 11}, 1},
        {IdSearchTranslationForward, "aB", {14, 16}, 1},
        {IdSearchTranslationForward, "aB", {14, 16}, 2}, // none after: the selection stays
        {IdSearchTranslationBack, "aB", {9, 11}, 2},     // wholly before the selection
        {IdSearchTranslationBack, "aB", {6, 8}, 2},
    };
    for (const auto& step : steps) {
        platform.SetControlText(IdSearchTranslationEdit, step.field);
        platform.Click(step.button);
        EXPECT_EQ(Selection(TranslationPane), step.selection) << step.button;
        EXPECT_EQ(platform.beeps, step.beeps) << step.button;
    }

    // Case pairs of the code page (a-umlaut), and a field of more than 255
    // characters, of which the search takes the first 255.
    SetPaneText(OriginalPane, "STRA\xDF"
                              "E \xC4RGER q" +
                                  std::string(255, 'q') + "r");
    platform.SetControlText(IdSearchOriginalEdit, "\xE4rger");
    platform.Click(IdSearchOriginalForward);
    EXPECT_EQ(Selection(OriginalPane), Sel(7, 12));
    platform.SetControlText(IdSearchOriginalEdit, std::string(255, 'q') + "x");
    platform.Click(IdSearchOriginalForward);
    EXPECT_EQ(Selection(OriginalPane), Sel(13, 268));
}

TEST_F(SearchTest, found_scrollsIntoViewFollowsInTheOtherPaneOfDialogTextsAndTakesTheFocus) {
    std::string dialog = "[A]\r\n";
    std::string mask = "0001 0002 0003\r\n";
    for (int i = 0; i < 30; ++i) {
        dialog.append("K").append(std::to_string(i)).append("=text ").append(std::to_string(i));
        mask.append("Feld ").append(std::to_string(i));
        dialog += "\r\n";
        mask += "\r\n";
    }
    // The translation has two more lines above the same section.
    const std::string translated = ";\r\n;\r\n" + dialog;
    const struct {
        const char* name;
        std::string original, translation;
        int pane, edit, forward, other;
        std::string field;
        std::int32_t foundLine;
        std::int32_t otherTop; // it starts at 5
    } cases[] = {
        {"original searched, translation follows", dialog, translated, OriginalPane,
         IdSearchOriginalEdit, IdSearchOriginalForward, TranslationPane, "text 20", 21, 21},
        {"translation searched, original follows", dialog, translated, TranslationPane,
         IdSearchTranslationEdit, IdSearchTranslationForward, OriginalPane, "text 20", 23, 19},
        {"a mask file has no headings: the other pane stays", mask, mask, OriginalPane,
         IdSearchOriginalEdit, IdSearchOriginalForward, TranslationPane, "Feld 20", 21, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetPaneText(OriginalPane, c.original);
        SetPaneText(TranslationPane, c.translation);
        RichEdit_ScrollToLine(c.other, 5);
        platform.SetControlText(c.edit, c.field);
        platform.FocusControl(IdSave);

        platform.Click(c.forward);

        EXPECT_EQ(RichEdit_LineFromChar(c.pane, Selection(c.pane).first), c.foundLine);
        // Scrolled just far enough to show it on the last of three visible lines.
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(c.pane), c.foundLine - 2);
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(c.other), c.otherTop);
        EXPECT_EQ(platform.FocusedControl(), c.pane);
    }
}

} // namespace
