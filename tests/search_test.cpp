// The search of each pane, "<" and ">" beside its edit field.
#include "app/control_ids.h"
#include "headless_fixture.h"

#include <string>
#include <vector>

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

TEST_F(SearchTest, buttons_stepThroughTheOccurrencesAndBeepAtEitherEnd) {
    // "ab" at 0, 6 and 9 (two on the second line), and "AB" at 14, ending on the
    // last character of the pane.
    const std::string text = "abxx\rxab ab\rzzAB";
    struct Step {
        int button;
        Sel selection;
        int beeps;
    };
    struct Case {
        const char* name;
        int pane, edit, back, forward;
    } panes[] = {
        {"original", OriginalPane, IdSearchOriginalEdit, IdSearchOriginalBack,
         IdSearchOriginalForward},
        {"translation", TranslationPane, IdSearchTranslationEdit, IdSearchTranslationBack,
         IdSearchTranslationForward},
    };
    for (const Case& c : panes) {
        SCOPED_TRACE(c.name);
        SetPaneText(OriginalPane, text);
        SetPaneText(TranslationPane, text);
        platform.SetControlText(c.edit, "aB");
        platform.beeps = 0;
        RichEdit_SetSel(c.pane, 0, 0);
        const Step steps[] = {
            {c.back, {0, 0}, 1},      // at the very start: nothing before
            {c.forward, {0, 2}, 1},   // the caret's own place counts forwards
            {c.forward, {6, 8}, 1},   // the selected one is not found again
            {c.forward, {9, 11}, 1},  // the second on that line
            {c.forward, {14, 16}, 1}, // ends on the pane's last character
            {c.forward, {14, 16}, 2}, // none after: a beep, the selection stays
            {c.back, {9, 11}, 2},     // backwards: wholly before the selection
            {c.back, {6, 8}, 2},      {c.back, {0, 2}, 2}, {c.back, {0, 2}, 3},
        };
        for (const Step& step : steps) {
            platform.Click(step.button);
            EXPECT_EQ(Selection(c.pane), step.selection) << step.button;
            EXPECT_EQ(platform.beeps, step.beeps) << step.button;
        }
        // Found or not, the other pane's selection is not touched.
        const int other = c.pane == OriginalPane ? TranslationPane : OriginalPane;
        EXPECT_EQ(Selection(other), Sel(0, 0));
    }
}

TEST_F(SearchTest, searchText_isTheFieldsTextMatchedWithoutCaseUpTo255Characters) {
    const std::string long255(255, 'q');
    struct Case {
        const char* name;
        std::string pane;
        std::string field;
        Sel found; // {-1, -1}: a beep
    } cases[] = {
        {"case pairs of the code page",
         "xx STRA\xDF"
         "E \xC4RGER",
         "\xE4rger",
         {10, 15}},
        {"the sharp s has no upper case here",
         "STRASSE",
         "stra\xDF"
         "e",
         {-1, -1}},
        {"only the first 255 characters are read", "x" + long255 + "r", long255 + "zzz", {1, 256}},
        {"a search text in the middle of a word", "Fehlermeldung", "LERM", {3, 7}},
        {"across a line break the text does not match", "ab\rcd", "bc", {-1, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetPaneText(TranslationPane, c.pane);
        RichEdit_SetSel(TranslationPane, 0, 0);
        platform.SetControlText(IdSearchTranslationEdit, c.field);
        platform.beeps = 0;
        platform.Click(IdSearchTranslationForward);
        if (c.found.first < 0) {
            EXPECT_EQ(platform.beeps, 1);
            EXPECT_EQ(Selection(TranslationPane), Sel(0, 0));
        } else {
            EXPECT_EQ(platform.beeps, 0);
            EXPECT_EQ(Selection(TranslationPane), c.found);
        }
    }
}

TEST_F(SearchTest, anEmptyFieldDoesNothingNotEvenABeep) {
    SetPaneText(OriginalPane, "abc");
    RichEdit_SetSel(OriginalPane, 1, 1);
    platform.FocusControl(IdSave);
    for (int button : {IdSearchOriginalBack, IdSearchOriginalForward}) {
        platform.Click(button);
    }
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_EQ(Selection(OriginalPane), Sel(1, 1));
    EXPECT_EQ(platform.FocusedControl(), IdSave);
}

TEST_F(SearchTest, found_scrollsIntoViewFollowsInTheOtherPaneOfDialogTextsAndTakesTheFocus) {
    std::string dialog = "[A]\r\n";
    for (int i = 0; i < 30; ++i)
        dialog.append("K")
            .append(std::to_string(i))
            .append("=text ")
            .append(std::to_string(i))
            .append("\r\n");
    // The translation has two more lines above the same section.
    const std::string translated = ";\r\n;\r\n" + dialog;
    std::string mask = "0001 0002 0003\r\n";
    for (int i = 0; i < 30; ++i)
        mask += "Feld " + std::to_string(i) + "\r\n";
    struct Case {
        const char* name;
        std::string original, translation;
        int pane, edit, forward, other;
        std::string field;
        std::int32_t foundLine;
        // The other pane's first visible line afterwards; it starts at 5.
        std::int32_t otherTop;
    } cases[] = {
        {"original searched, translation follows", dialog, translated, OriginalPane,
         IdSearchOriginalEdit, IdSearchOriginalForward, TranslationPane, "text 20", 21, 21},
        {"translation searched, original follows", dialog, translated, TranslationPane,
         IdSearchTranslationEdit, IdSearchTranslationForward, OriginalPane, "text 20", 23, 19},
        {"a mask file has no headings: the other pane stays", mask, mask, OriginalPane,
         IdSearchOriginalEdit, IdSearchOriginalForward, TranslationPane, "Feld 20", 21, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetPaneText(OriginalPane, c.original);
        SetPaneText(TranslationPane, c.translation);
        RichEdit_SetSel(c.pane, 0, 0);
        RichEdit_ScrollToLine(c.pane, 0);
        RichEdit_ScrollToLine(c.other, 5);
        platform.SetControlText(c.edit, c.field);
        platform.FocusControl(IdSave);

        platform.Click(c.forward);

        EXPECT_EQ(RichEdit_LineFromChar(c.pane, Selection(c.pane).first), c.foundLine);
        // Scrolled just far enough to show the occurrence on the last of three
        // visible lines.
        const std::int32_t top = RichEdit_GetFirstVisibleLine(c.pane);
        EXPECT_EQ(top, c.foundLine - 2);
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(c.other), c.otherTop);
        EXPECT_EQ(platform.FocusedControl(), c.pane);
    }
}

} // namespace
