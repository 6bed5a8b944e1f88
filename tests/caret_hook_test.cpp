// The input hook behind the caret display: which input messages for which
// windows update "Z: S:", and its life from window creation to closing.
#include "app/caret_display.h"
#include "app/control_ids.h"
#include "headless_fixture.h"

#include <string>

namespace {

class CaretHookTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        platform.Open();
        SetPaneText(OriginalPane, "first\r\nsecond line\r\nthird");
        SetPaneText(TranslationPane, "erste\r\nzweite");
    }

    int CaretCommandsSent() {
        int count = 0;
        for (std::uint32_t command : platform.sentCommands)
            count += command == MakeCommand(CaretPositionCommand) ? 1 : 0;
        return count;
    }
};

TEST_F(CaretHookTest, keyAndButtonMessages_showTheCaretOfThePaneTheyAreFor) {
    struct Case {
        std::uint32_t message;
        bool followed;
    } cases[] = {
        {WM_KEYDOWN, true},      {WM_KEYUP, true},      {WM_CHAR, true},
        {0x103, true},           {WM_SYSKEYDOWN, true}, {WM_SYSKEYUP, true},
        {WM_SYSCHAR, true},      {0x107, true},         {0x108, true},
        {WM_LBUTTONDOWN, true},  {WM_LBUTTONUP, true},  {WM_LBUTTONDBLCLK, true},
        {WM_RBUTTONDOWN, true},  {WM_RBUTTONUP, true},  {WM_RBUTTONDBLCLK, true},
        {WM_MBUTTONDOWN, true},  {WM_MBUTTONUP, true},  {WM_MBUTTONDBLCLK, true},
        {0xFF, false},           {0x109, false},        {0x200, false}, // a move
        {0x20A, false},                                                 // the wheel
        {WM_XBUTTONDOWN, false}, {WM_XBUTTONUP, false},
    };
    Handle pane = platform.ControlHandle(TranslationPane);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        platform.SetControlText(IdCaretTranslation, "Z:    S:");
        RichEdit_SetSel(TranslationPane, 9, 9);
        platform.sentCommands.clear();
        platform.Input(pane, c.message);
        EXPECT_EQ(CaretCommandsSent(), c.followed ? 1 : 0);
        EXPECT_EQ(platform.GetControlText(IdCaretTranslation),
                  c.followed ? "Z: 2   S: 4" : "Z:    S:");
    }
    EXPECT_EQ(platform.GetControlText(IdCaretOriginal), "Z:    S:");
}

TEST_F(CaretHookTest, inputForOtherWindows_changesNeitherDisplay) {
    int foreign = 0;
    struct Case {
        const char* name;
        Handle window;
        int sent;
    } cases[] = {
        {"a button", platform.ControlHandle(IdSave), 1},
        {"a search field", platform.ControlHandle(IdSearchOriginalEdit), 1},
        {"MainWindow itself", platform.MainWindowHandle(), 1},
        {"a window of another dialog", &foreign, 0},
        {"no window", nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.sentCommands.clear();
        platform.Input(c.window, WM_LBUTTONDOWN);
        platform.Input(c.window, WM_LBUTTONUP);
        EXPECT_EQ(CaretCommandsSent(), 2 * c.sent);
        EXPECT_EQ(platform.GetControlText(IdCaretOriginal), "Z:    S:");
        EXPECT_EQ(platform.GetControlText(IdCaretTranslation), "Z:    S:");
    }
}

TEST_F(CaretHookTest, whileAKeyIsDownTheOldPlaceShowsAndItsReleaseTheNewOne) {
    Handle pane = platform.ControlHandle(OriginalPane);
    RichEdit_SetSel(OriginalPane, 6, 6);
    platform.Input(pane, WM_KEYDOWN);
    EXPECT_EQ(platform.GetControlText(IdCaretOriginal), "Z: 2   S: 1");
    // The pane carries the key out (the caret one line down) after the hook.
    RichEdit_SetSel(OriginalPane, 18 + 3, 18 + 3);
    EXPECT_EQ(platform.GetControlText(IdCaretOriginal), "Z: 2   S: 1");
    platform.Input(pane, WM_KEYUP);
    EXPECT_EQ(platform.GetControlText(IdCaretOriginal), "Z: 3   S: 4");
}

TEST_F(CaretHookTest, hook_isInstalledAtCreationAndRemovedAtClosing) {
    ASSERT_NE(appState.hookHandle, nullptr);
    EXPECT_EQ(platform.inputHook, &CaretMessageHook);

    appState.modified = 0;
    platform.SendCommand(MakeCommand(IDCANCEL));
    EXPECT_TRUE(platform.ended);
    EXPECT_EQ(appState.hookHandle, nullptr);
    EXPECT_EQ(platform.inputHook, nullptr);
    platform.sentCommands.clear();
    platform.Input(platform.ControlHandle(OriginalPane), WM_KEYUP);
    EXPECT_EQ(CaretCommandsSent(), 0);
}

TEST_F(CaretHookTest, closingCancelledKeepsTheHook) {
    appState.modified = 1;
    platform.messageBoxAnswers.push_back(IDCANCEL);
    platform.SendCommand(MakeCommand(IDCANCEL));
    EXPECT_FALSE(platform.ended);
    EXPECT_NE(appState.hookHandle, nullptr);
    EXPECT_NE(platform.inputHook, nullptr);
}

} // namespace
