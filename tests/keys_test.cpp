// The keys beyond the buttons, headless: which pane F3, Ctrl+F and F8 act on,
// and F8's walk through the red lines.
#include "app/control_ids.h"
#include "headless_fixture.h"
#include "resources/accelerators.h"

#include <string>

namespace {

class KeysTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        platform.Open();
        platform.PaneById(OriginalPane).SetPageLines(3);
        platform.PaneById(TranslationPane).SetPageLines(3);
    }
};

using Sel = std::pair<std::int32_t, std::int32_t>;

TEST_F(KeysTest, f3AndControlF_actOnThePaneInUse) {
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

TEST_F(KeysTest, f8_walksTheLinesCarryingRedWithoutWrapping) {
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
