// What the dialog-text aids do to the program around the panes: the changed
// flag, the scroll positions, drawing, undo and a full translation pane.
#include "app/control_ids.h"
#include "headless_fixture.h"

#include <string>

namespace {

// A pair of sections with a reference each, long enough to scroll.
std::string ManyLines(const std::string& key) {
    std::string text = "[MAIN]\r\n";
    for (int i = 0; i < 60; ++i)
        text += key + std::to_string(i) + "=#OK#\r\n";
    return text;
}

class AidsTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        platform.PaneById(OriginalPane).SetPageLines(10);
        platform.PaneById(TranslationPane).SetPageLines(10);
        platform.PaneById(TranslationPane).SetChangeNotification(true);
    }
};

TEST_F(AidsTest, Check_leavesModifiedScrollPositionsAndDrawingAsTheyWere) {
    for (std::int32_t modified : {0, 1}) {
        SCOPED_TRACE(modified);
        SetPaneText(OriginalPane, ManyLines("A") + "[BROKEN\r\nB=\"open\r\n");
        SetPaneText(TranslationPane, "[BAD\r\n" + ManyLines("A"));
        RichEdit_ScrollToLine(OriginalPane, 25);
        RichEdit_ScrollToLine(TranslationPane, 7);
        appState.modified = modified;
        appState.fileKind = DialogIni;

        platform.SendCommand(MakeCommand(IdCheck));

        EXPECT_EQ(appState.modified, modified);
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), 25);
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 7);
        EXPECT_TRUE(platform.PaneById(OriginalPane).IsRedrawOn());
        EXPECT_TRUE(platform.PaneById(TranslationPane).IsRedrawOn());
        // The check did mark lines, first to last.
        EXPECT_EQ(LineColours(OriginalPane).substr(61), "RR-");
        EXPECT_EQ(LineColours(TranslationPane).front(), 'R');
    }
}

TEST_F(AidsTest, Merge_setsModifiedOnlyWhenItInserted) {
    struct Case {
        const char* translation;
        std::int32_t modifiedAfter;
    } cases[] = {
        {"[A]\r\nX=1\r\n", 1},
        {"[A]\r\nX=1\r\nY=2\r\n", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.translation);
        SetPaneText(OriginalPane, "[A]\r\nX=1\r\nY=2\r\n");
        SetPaneText(TranslationPane, c.translation);
        appState.modified = 0;
        appState.fileKind = DialogIni;

        platform.SendCommand(MakeCommand(IdMerge));

        EXPECT_EQ(appState.modified, c.modifiedAfter);
        EXPECT_TRUE(platform.PaneById(TranslationPane).IsRedrawOn());
    }
}

TEST_F(AidsTest, Merge_undoesAsOneStep) {
    const std::string translation = "[B]\r\nQ=1\r\n";
    SetPaneText(OriginalPane, "[A]\r\nX=1\r\nY=2\r\n[B]\r\nP=1\r\nQ=1\r\n[C]\r\nZ=1\r\n");
    SetPaneText(TranslationPane, translation);
    appState.fileKind = DialogCprIni;

    platform.SendCommand(MakeCommand(IdMerge));
    ASSERT_EQ(platform.GetControlText(TranslationPane),
              "[A]\r\nX=1\r\nY=2\r\n\r\n[B]\r\nP=1\r\nQ=1\r\n\r\n[C]\r\nZ=1\r\n");

    HeadlessPane& pane = platform.PaneById(TranslationPane);
    ASSERT_TRUE(pane.CanUndo());
    pane.Undo();
    EXPECT_EQ(platform.GetControlText(TranslationPane), translation);
    EXPECT_FALSE(pane.CanUndo());
}

TEST_F(AidsTest, Merge_stopsAtTheFirstInsertionAFullTranslationRefuses) {
    const std::string translation = "[A]\r\nX=1\r\n";
    SetPaneText(OriginalPane,
                "[A]\r\nX=1\r\nY=2\r\nLONGER=" + std::string(40, 'v') + "\r\nZ=3\r\n");
    SetPaneText(TranslationPane, translation);
    // Room for 'Y=2' but not for the long line after it.
    platform.PaneById(TranslationPane).SetTextLimit(RichEdit_GetTextLength(TranslationPane) + 10);
    appState.fileKind = DialogIni;

    platform.SendCommand(MakeCommand(IdMerge));

    // One message, no marks on lines that were not inserted, and 'Z=3' (which
    // would fit) is not inserted in the wrong place after the gap.
    EXPECT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.GetControlText(TranslationPane), "[A]\r\nX=1\r\nY=2\r\n");
    EXPECT_EQ(LineColours(TranslationPane), "KKM-");
}

} // namespace
