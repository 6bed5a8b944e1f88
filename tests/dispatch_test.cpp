// Commands that carry their second parameter, and the notifications of the
// controls, on their way through the platform to the program.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "headless_fixture.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class DispatchTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        platform.Open();
        std::string text;
        for (int i = 0; i < 60; ++i)
            text += "line " + std::to_string(i) + "\r\n";
        SetPaneText(OriginalPane, text);
        SetPaneText(TranslationPane, text);
    }

    CommandParameter HandleOf(int id) {
        return reinterpret_cast<CommandParameter>(platform.ControlHandle(id));
    }
};

TEST_F(DispatchTest, caretPositionCommand_showsThePositionOfThePaneItNames) {
    // After the third character of the twelfth line.
    const std::int32_t index = RichEdit_LineIndex(OriginalPane, 11) + 3;
    RichEdit_SetSel(OriginalPane, index, index);
    RichEdit_SetSel(TranslationPane, 0, 0);

    EXPECT_TRUE(platform.SendCommand(MakeCommand(CaretPositionCommand), HandleOf(OriginalPane)));
    EXPECT_EQ(platform.GetControlText(IdCaretOriginal), "Z: 12   S: 4");
    EXPECT_EQ(platform.GetControlText(IdCaretTranslation), "Z:    S:");

    platform.PostCommand(MakeCommand(CaretPositionCommand), HandleOf(TranslationPane));
    platform.RunPostedCommands();
    EXPECT_EQ(platform.GetControlText(IdCaretTranslation), "Z: 1   S: 1");
}

TEST_F(DispatchTest, caretPositionCommand_forAnyOtherWindowChangesNothing) {
    for (int id : {IdSave, IdSearchOriginalEdit, IdCaretOriginal}) {
        platform.SendCommand(MakeCommand(CaretPositionCommand), HandleOf(id));
    }
    platform.SendCommand(MakeCommand(CaretPositionCommand), 0);
    EXPECT_EQ(platform.GetControlText(IdCaretOriginal), "Z:    S:");
    EXPECT_EQ(platform.GetControlText(IdCaretTranslation), "Z:    S:");
}

TEST_F(DispatchTest, caretPosition_isTheEndOfASelectionMadeFromRightToLeft) {
    const std::int32_t lineStart = RichEdit_LineIndex(TranslationPane, 2);
    platform.PaneById(TranslationPane).SetSel(lineStart + 5, lineStart + 1);
    platform.SendCommand(MakeCommand(CaretPositionCommand), HandleOf(TranslationPane));
    EXPECT_EQ(platform.GetControlText(IdCaretTranslation), "Z: 3   S: 6");
}

TEST_F(DispatchTest, upDownArrows_scrollBothPanesOneLineAndEveryNotificationIsHandled) {
    RichEdit_ScrollToLine(OriginalPane, 10);
    RichEdit_ScrollToLine(TranslationPane, 0);

    EXPECT_TRUE(platform.ClickUpDownArrow(IdUpDown, false));
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), 11);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 1);

    // The upper arrow proposes a negative change; a pane at its top stays.
    EXPECT_TRUE(platform.ClickUpDownArrow(IdUpDown, true));
    EXPECT_TRUE(platform.ClickUpDownArrow(IdUpDown, true));
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), 9);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 0);

    // Any other notification is answered as handled and does nothing.
    EXPECT_TRUE(platform.Notify(Notification{IdUpDown, -1, 5}));
    EXPECT_TRUE(platform.Notify(Notification{IdSave, UDN_DELTAPOS + 1, 1}));
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), 9);
}

TEST_F(DispatchTest, scrollButtons_moveOriginalThenTranslationByTheirStep) {
    RichEdit_ScrollToLine(OriginalPane, 0);
    RichEdit_ScrollToLine(TranslationPane, 20);
    platform.Click(IdScrollPageDown);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), 15);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 35);
    platform.Click(IdScrollPageUp);
    platform.Click(IdScrollPageUp);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), 0);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 5);
    platform.Click(IdScrollDown);
    platform.Click(IdScrollUp);
    platform.Click(IdScrollUp);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), 0);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 4);
}

} // namespace
