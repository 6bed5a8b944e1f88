// The keys of the window beyond its buttons: Enter in a search field, F3,
// Ctrl+F, Ctrl+S and F8; and the hints on the buttons with arrow captions.
#include "app/control_ids.h"
#include "headless_fixture.h"
#include "resources/accelerators.h"
#include "resources/window_template.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

class KeysTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        platform.Open();
        platform.PaneById(OriginalPane).SetPageLines(3);
        platform.PaneById(TranslationPane).SetPageLines(3);
    }

    // The commands a key press sent, the caret display's aside.
    std::vector<std::uint32_t> CommandsOf(int focus, int key, unsigned modifiers) {
        platform.FocusControl(focus);
        platform.sentCommands.clear();
        platform.PressKey(key, modifiers);
        std::vector<std::uint32_t> commands;
        for (std::uint32_t command : platform.sentCommands) {
            if (command != MakeCommand(CaretPositionCommand)) commands.push_back(command);
        }
        return commands;
    }
};

using Sel = std::pair<std::int32_t, std::int32_t>;
using Commands = std::vector<std::uint32_t>;

TEST_F(KeysTest, eachKey_sendsItsCommandWhereTheFocusAllowsIt) {
    struct Case {
        int focus;
        int key;
        unsigned modifiers;
        Commands sent;
    } cases[] = {
        {IdSearchOriginalEdit, VK_RETURN, KeyNoModifier, {MakeCommand(IdSearchOriginalForward)}},
        {IdSearchOriginalEdit, VK_RETURN, KeyShift, {MakeCommand(IdSearchOriginalBack)}},
        {IdSearchTranslationEdit,
         VK_RETURN,
         KeyNoModifier,
         {MakeCommand(IdSearchTranslationForward)}},
        {IdSearchTranslationEdit, VK_RETURN, KeyShift, {MakeCommand(IdSearchTranslationBack)}},
        // Enter elsewhere is the control's own (a line break in a pane).
        {TranslationPane, VK_RETURN, KeyNoModifier, {}},
        {IdSearchOriginalEdit, VK_RETURN, KeyControl, {}},
        {TranslationPane, VK_F3, KeyNoModifier, {MakeCommand(FindNextCommand)}},
        {IdSave, VK_F3, KeyShift, {MakeCommand(FindPreviousCommand)}},
        {0, VK_F, KeyControl, {MakeCommand(FocusSearchCommand)}},
        {OriginalPane, VK_F8, KeyNoModifier, {MakeCommand(NextRedLineCommand)}},
        {OriginalPane, VK_F8, KeyShift, {MakeCommand(PreviousRedLineCommand)}},
        // Only the exact modifiers match.
        {TranslationPane, VK_F3, KeyShift | KeyControl, {}},
        {TranslationPane, VK_F8, KeyAlt, {}},
        {TranslationPane, VK_F, KeyNoModifier, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.focus << " " << c.key << " " << c.modifiers);
        EXPECT_EQ(CommandsOf(c.focus, c.key, c.modifiers), c.sent);
    }
}

TEST_F(KeysTest, controlS_savesTheTranslation) {
    const std::filesystem::path file = Directory() / "DIALOG.INI";
    WriteFile(file, "[A]\r\nold\r\n");
    std::strcpy(appState.translationPath, file.string().c_str());
    appState.translationPathLength = static_cast<std::int32_t>(file.string().size());
    SetPaneText(TranslationPane, "[A]\r\nnew");
    appState.modified = 1;
    EXPECT_TRUE(platform.PressKey(VK_S, KeyControl));
    EXPECT_EQ(ReadFile(file), "[A]\r\nnew");
    EXPECT_EQ(appState.modified, 0);
}

TEST_F(KeysTest, f3_repeatsTheSearchOfThePaneInUse) {
    SetPaneText(OriginalPane, "one two one");
    SetPaneText(TranslationPane, "eins zwei eins");
    platform.SetControlText(IdSearchOriginalEdit, "one");
    platform.SetControlText(IdSearchTranslationEdit, "eins");
    struct Step {
        int focus;
        unsigned modifiers;
        Sel original, translation;
        int beeps;
    } steps[] = {
        // Neither pane searched yet, the focus on a button: the original.
        {IdSave, KeyNoModifier, {0, 3}, {0, 0}, 0},
        {TranslationPane, KeyNoModifier, {0, 3}, {0, 4}, 0},
        {IdSearchOriginalEdit, KeyNoModifier, {8, 11}, {0, 4}, 0},
        // The focus on a button: the pane searched last, which has no more.
        {IdSave, KeyNoModifier, {8, 11}, {0, 4}, 1},
        {IdSave, KeyShift, {0, 3}, {0, 4}, 1},
        {IdSearchTranslationEdit, KeyNoModifier, {0, 3}, {10, 14}, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.focus);
        platform.FocusControl(step.focus);
        platform.PressKey(VK_F3, step.modifiers);
        EXPECT_EQ(Selection(OriginalPane), step.original);
        EXPECT_EQ(Selection(TranslationPane), step.translation);
        EXPECT_EQ(platform.beeps, step.beeps);
    }
    platform.FocusControl(OriginalPane);
    platform.PressKey(VK_F3);
    EXPECT_EQ(Selection(OriginalPane), Sel(8, 11));
    platform.PressKey(VK_F3);
    EXPECT_EQ(platform.beeps, 2);
}

TEST_F(KeysTest, controlF_putsTheFocusIntoTheSearchFieldOfThePaneWithItsTextSelected) {
    const struct {
        int focus;
        int field;
    } cases[] = {
        {OriginalPane, IdSearchOriginalEdit},
        {TranslationPane, IdSearchTranslationEdit},
        {IdSearchTranslationEdit, IdSearchTranslationEdit},
        {IdCheck, IdSearchOriginalEdit},
        {0, IdSearchOriginalEdit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.focus);
        platform.FocusControl(c.focus);
        if (c.focus == 0) platform.focusedControl = 0;
        platform.focusSelectedText = false;
        EXPECT_TRUE(platform.PressKey(VK_F, KeyControl));
        EXPECT_EQ(platform.FocusedControl(), c.field);
        EXPECT_TRUE(platform.focusSelectedText);
    }
}

TEST_F(KeysTest, f8_walksTheLinesCarryingRedWithoutWrapping) {
    std::string original = "[A]\r\n";
    for (int i = 0; i < 12; ++i)
        original.append("K")
            .append(std::to_string(i))
            .append("=")
            .append(std::to_string(i))
            .append("\r\n");
    original += "\r\nK12=last";
    // The translation has its keys two lines lower.
    SetPaneText(OriginalPane, original);
    SetPaneText(TranslationPane, ";\r\n;\r\n" + original);
    // Red: line 2 whole, a word of line 5, the empty line 13 on its break alone
    // and the last line; magenta on line 8 is no finding to step to.
    RichEdit_SetLineColor(OriginalPane, 2, ColourRed);
    const std::int32_t line5 = RichEdit_LineIndex(OriginalPane, 5);
    RichEdit_SetTextColor(OriginalPane, line5 + 2, line5 + 3, ColourRed);
    RichEdit_SetLineColor(OriginalPane, 8, ColourMagenta);
    RichEdit_SetLineColor(OriginalPane, 13, ColourRed);
    RichEdit_SetLineColor(OriginalPane, 14, ColourRed);
    RichEdit_SetSel(OriginalPane, 0, 0);
    platform.FocusControl(OriginalPane);

    const auto lineOf = [&](std::int32_t index) {
        return RichEdit_LineFromChar(OriginalPane, index);
    };
    struct Step {
        unsigned modifiers;
        std::int32_t line;
        int beeps;
    } steps[] = {
        {KeyNoModifier, 2, 0},  {KeyNoModifier, 5, 0},  {KeyNoModifier, 13, 0},
        {KeyNoModifier, 14, 0}, {KeyNoModifier, 14, 1}, {KeyShift, 13, 1},
        {KeyShift, 5, 1},       {KeyShift, 2, 1},       {KeyShift, 2, 2},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.line);
        platform.PressKey(VK_F8, step.modifiers);
        const Sel selection = Selection(OriginalPane);
        const std::int32_t start = RichEdit_LineIndex(OriginalPane, step.line);
        const std::int32_t next = RichEdit_LineIndex(OriginalPane, step.line + 1);
        // The line without its break, the caret at its start.
        EXPECT_EQ(selection.first, start);
        EXPECT_EQ(selection.second, next < 0 ? RichEdit_GetTextLength(OriginalPane) : next - 1);
        EXPECT_EQ(lineOf(platform.PaneById(OriginalPane).Caret()), step.line);
        EXPECT_EQ(platform.beeps, step.beeps);
        // The translation stands at the counterpart, two lines further down.
        const std::int32_t top = RichEdit_GetFirstVisibleLine(OriginalPane);
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), top + 2);
        EXPECT_EQ(platform.FocusedControl(), OriginalPane);
    }
}

TEST_F(KeysTest, f8_withoutRedOnlyBeepsAndActsOnThePaneInUse) {
    SetPaneText(OriginalPane, "a\r\nb\r\nc");
    SetPaneText(TranslationPane, "x\r\ny\r\nz");
    RichEdit_SetLineColor(TranslationPane, 1, ColourRed);
    RichEdit_SetSel(OriginalPane, 1, 1);
    // The focus on a button, nothing searched yet: the original, which has no red.
    platform.FocusControl(IdCheck);
    platform.PressKey(VK_F8);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(Selection(OriginalPane), Sel(1, 1));
    EXPECT_EQ(platform.FocusedControl(), IdCheck);
    platform.FocusControl(TranslationPane);
    platform.PressKey(VK_F8);
    EXPECT_EQ(Selection(TranslationPane), Sel(2, 3));
    EXPECT_EQ(platform.beeps, 1);
}

TEST(WindowHints, everyButtonWithAnArrowCaption_hasAHintInBothLanguages) {
    const WindowTemplate& window = MainWindowTemplate();
    int hinted = 0;
    for (int i = 0; i < window.controlCount; ++i) {
        for (bool german : {false, true}) {
            const ResolvedControl control = ResolveControl(window.controls[i], german);
            const std::string caption = control.caption;
            const bool arrows = control.kind == ControlKind::UpDown ||
                                (control.kind == ControlKind::PushButton &&
                                 caption.find_first_not_of("/\\<>=-") == std::string::npos);
            if (!arrows) {
                EXPECT_STREQ(control.tooltip, "") << control.id;
                continue;
            }
            EXPECT_GT(std::strlen(control.tooltip), 10u) << control.id;
            const ResolvedControl other = ResolveControl(window.controls[i], !german);
            EXPECT_STRNE(control.tooltip, other.tooltip) << control.id;
            ++hinted;
        }
    }
    // Seven in the scroll column, two series steps, the swap and four searches.
    EXPECT_EQ(hinted, 2 * 14);
}

} // namespace
