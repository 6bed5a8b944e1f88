// The search of each pane, "<" and ">" beside its edit field; the keys that
// repeat it or go to the field; and F8's walk through the red lines.
#include "app/control_ids.h"
#include "headless_fixture.h"
#include "resources/accelerators.h"

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

TEST_F(SearchTest, f3AndControlF_actOnThePaneInUse) {
    SetPaneText(OriginalPane, "one two one");
    SetPaneText(TranslationPane, "eins zwei eins");
    platform.SetControlText(IdSearchOriginalEdit, "one");
    platform.SetControlText(IdSearchTranslationEdit, "eins");
    const struct {
        int focus;
        unsigned modifiers;
        Sel original, translation;
        int beeps;
        int field; // that Ctrl+F goes to from there
    } steps[] = {
        // Nothing searched yet and no pane focused: the original.
        {IdSave, KeyNoModifier, {0, 3}, {0, 0}, 0, IdSearchOriginalEdit},
        {TranslationPane, KeyNoModifier, {0, 3}, {0, 4}, 0, IdSearchTranslationEdit},
        {IdSearchOriginalEdit, KeyNoModifier, {8, 11}, {0, 4}, 0, IdSearchOriginalEdit},
        // No pane focused: the one searched last, which has no more.
        {IdSave, KeyNoModifier, {8, 11}, {0, 4}, 1, IdSearchOriginalEdit},
        {IdSave, KeyShift, {0, 3}, {0, 4}, 1, IdSearchOriginalEdit},
        {IdSearchTranslationEdit, KeyNoModifier, {0, 3}, {10, 14}, 1, IdSearchTranslationEdit},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.focus);
        platform.FocusControl(step.focus);
        EXPECT_TRUE(platform.PressKey(VK_F, KeyControl));
        EXPECT_EQ(platform.FocusedControl(), step.field);
        EXPECT_TRUE(platform.focusSelectedText);
        platform.FocusControl(step.focus);
        EXPECT_TRUE(platform.PressKey(VK_F3, step.modifiers));
        EXPECT_EQ(Selection(OriginalPane), step.original);
        EXPECT_EQ(Selection(TranslationPane), step.translation);
        EXPECT_EQ(platform.beeps, step.beeps);
    }
}

TEST_F(SearchTest, f8_walksTheLinesCarryingRedWithoutWrapping) {
    std::string original = "[A]\r\n";
    for (int i = 0; i < 12; ++i)
        original.append("K").append(std::to_string(i)).append("=x\r\n");
    original += "\r\nK12=last";
    // The translation has its keys two lines lower.
    SetPaneText(OriginalPane, original);
    SetPaneText(TranslationPane, ";\r\n;\r\n" + original);
    // Red: line 2 whole, a word of line 5, the empty line 13 on its break alone
    // and the last line; magenta is no finding.
    RichEdit_SetLineColor(OriginalPane, 2, ColourRed);
    const std::int32_t line5 = RichEdit_LineIndex(OriginalPane, 5);
    RichEdit_SetTextColor(OriginalPane, line5 + 2, line5 + 3, ColourRed);
    RichEdit_SetLineColor(OriginalPane, 8, ColourMagenta);
    RichEdit_SetLineColor(OriginalPane, 13, ColourRed);
    RichEdit_SetLineColor(OriginalPane, 14, ColourRed);
    platform.FocusControl(OriginalPane);

    const struct {
        unsigned modifiers;
        std::int32_t line;
        int beeps;
    } steps[] = {{KeyNoModifier, 2, 0},  {KeyNoModifier, 5, 0},  {KeyNoModifier, 13, 0},
                 {KeyNoModifier, 14, 0}, {KeyNoModifier, 14, 1}, {KeyShift, 13, 1},
                 {KeyShift, 5, 1},       {KeyShift, 2, 1},       {KeyShift, 2, 2}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.line);
        platform.PressKey(VK_F8, step.modifiers);
        // The line without its break, the caret at its start.
        const std::int32_t start = RichEdit_LineIndex(OriginalPane, step.line);
        const std::int32_t next = RichEdit_LineIndex(OriginalPane, step.line + 1);
        EXPECT_EQ(Selection(OriginalPane),
                  Sel(start, next < 0 ? RichEdit_GetTextLength(OriginalPane) : next - 1));
        EXPECT_EQ(platform.PaneById(OriginalPane).Caret(), start);
        EXPECT_EQ(platform.beeps, step.beeps);
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane),
                  RichEdit_GetFirstVisibleLine(OriginalPane) + 2);
    }
}

} // namespace
