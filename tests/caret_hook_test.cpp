// The input hook behind the caret display: which input messages for which
// windows update "Z: S:", and its life from window creation to closing.
#include "app/caret_display.h"
#include "app/control_ids.h"
#include "headless_fixture.h"

namespace {

class CaretHookTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        platform.Open();
        SetPaneText(TranslationPane, "erste\r\nzweite");
        RichEdit_SetSel(TranslationPane, 9, 9);
    }

    int CaretCommandsSent() {
        int count = 0;
        for (std::uint32_t command : platform.sentCommands)
            count += command == MakeCommand(CaretPositionCommand) ? 1 : 0;
        return count;
    }
};

TEST_F(CaretHookTest, keyAndButtonMessagesForAPane_showItsCaret) {
    // Around the key messages 0x100 to 0x108 and the button messages 0x201 to
    // 0x209: not moves (0x200), the wheel (0x20A) or the extra buttons.
    for (std::uint32_t first : {0xFFu, 0x200u}) {
        for (std::uint32_t message = first; message < first + 14; ++message) {
            SCOPED_TRACE(message);
            const bool followed =
                (message >= 0x100 && message <= 0x108) || (message >= 0x201 && message <= 0x209);
            platform.SetControlText(IdCaretTranslation, "Z:    S:");
            platform.sentCommands.clear();
            platform.Input(platform.ControlHandle(TranslationPane), message);
            EXPECT_EQ(CaretCommandsSent(), followed ? 1 : 0);
            EXPECT_EQ(platform.GetControlText(IdCaretTranslation),
                      followed ? "Z: 2   S: 4" : "Z:    S:");
        }
    }
    EXPECT_EQ(platform.GetControlText(IdCaretOriginal), "Z:    S:");
}

TEST_F(CaretHookTest, inputForOtherWindows_changesNeitherDisplay) {
    // Buttons, fields and MainWindow itself are sent on and passed over; a window
    // of another dialog is not MainWindow's.
    int foreign = 0;
    for (Handle window : {platform.ControlHandle(IdSave), platform.MainWindowHandle(),
                          static_cast<Handle>(&foreign), Handle{}}) {
        platform.Input(window, WM_LBUTTONDOWN);
    }
    EXPECT_EQ(CaretCommandsSent(), 2);
    EXPECT_EQ(platform.GetControlText(IdCaretOriginal), "Z:    S:");
    EXPECT_EQ(platform.GetControlText(IdCaretTranslation), "Z:    S:");
}

TEST_F(CaretHookTest, hook_isInstalledAtCreationAndRemovedAtClosing) {
    ASSERT_NE(appState.hookHandle, nullptr);
    EXPECT_EQ(platform.inputHook, &CaretMessageHook);
    appState.modified = 0;
    platform.SendCommand(MakeCommand(IDCANCEL));
    EXPECT_TRUE(platform.ended);
    EXPECT_EQ(appState.hookHandle, nullptr);
    platform.sentCommands.clear();
    platform.Input(platform.ControlHandle(TranslationPane), WM_KEYUP);
    EXPECT_EQ(CaretCommandsSent(), 0);
}

} // namespace
