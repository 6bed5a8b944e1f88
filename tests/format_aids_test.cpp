// What the mask and menu aids do around the colours the golden cases show: the
// changed flag, drawing, undo and a full translation pane.
#include "app/control_ids.h"
#include "headless_fixture.h"

#include <string>

namespace {

const std::string maskOriginal = " 20  10   3\r\nA line too wide for twenty\r\n&F\r\n";
const std::string maskTranslation = " 20  12   3\r\nFits\r\nAlso a line too wide for it\r\n";
const std::string menuOriginal =
    "M0100      K1:DATEI :'&Datei\r\n-----------\r\nM0101      K2:NEU:'&Neu\r\n";
const std::string menuTranslation =
    "M0100      K1:FILE  :'&File\r\n- - - - - -\r\nM0101      K2 NEU '&New\r\n";

class FormatAidsTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        platform.PaneById(TranslationPane).SetChangeNotification(true);
    }
    void Load(FileKind kind, const std::string& original, const std::string& translation) {
        SetPaneText(OriginalPane, original);
        SetPaneText(TranslationPane, translation);
        appState.fileKind = kind;
    }
};

TEST_F(FormatAidsTest, checks_leaveTextModifiedAndDrawingAsTheyWereAndRepaintEachPaneOnce) {
    struct Case {
        FileKind kind;
        std::string original, translation;
    } cases[] = {{FileKind::Mask, maskOriginal, maskTranslation},
                 {FileKind::Menu, menuOriginal, menuTranslation}};
    for (const Case& c : cases) {
        for (std::int32_t modified : {0, 1}) {
            SCOPED_TRACE(static_cast<int>(c.kind) * 10 + modified);
            Load(c.kind, c.original, c.translation);
            appState.modified = modified;
            const int repaintsO = platform.PaneById(OriginalPane).RedrawOnCount();
            const int repaintsT = platform.PaneById(TranslationPane).RedrawOnCount();

            platform.SendCommand(MakeCommand(IdCheck));

            EXPECT_EQ(appState.modified, modified);
            EXPECT_EQ(platform.GetControlText(TranslationPane), c.translation);
            EXPECT_FALSE(platform.PaneById(TranslationPane).CanUndo());
            EXPECT_EQ(platform.PaneById(OriginalPane).RedrawOnCount(), repaintsO + 1);
            EXPECT_EQ(platform.PaneById(TranslationPane).RedrawOnCount(), repaintsT + 1);
            EXPECT_TRUE(platform.PaneById(OriginalPane).IsRedrawOn());
            EXPECT_TRUE(platform.PaneById(TranslationPane).IsRedrawOn());
            EXPECT_NE(LineColours(TranslationPane).find('R'), std::string::npos);
        }
    }
}

TEST_F(FormatAidsTest, merge_changesOnlyMenusSetsModifiedAndUndoesAsOneStep) {
    const std::string merged =
        "M0100      K1:DATEI :'&File\r\n- - - - - -\r\nM0101      K2:NEU:'&Neu\r\n";
    struct Case {
        FileKind kind;
        std::string original, translation, expected;
    } cases[] = {
        {FileKind::Menu, menuOriginal, menuTranslation, merged},
        {FileKind::Menu, menuOriginal, menuOriginal, menuOriginal},
        // i-Merge does nothing for masks.
        {FileKind::Mask, maskOriginal, maskTranslation, maskTranslation},
    };
    HeadlessPane& pane = platform.PaneById(TranslationPane);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.translation);
        Load(c.kind, c.original, c.translation);
        pane.SetAllColour(ColourBlack);
        appState.modified = 0;

        platform.SendCommand(MakeCommand(IdMerge));

        ASSERT_EQ(platform.GetControlText(TranslationPane), c.expected);
        const bool changed = c.expected != c.translation;
        EXPECT_EQ(appState.modified, changed ? 1 : 0);
        EXPECT_EQ(LineColours(TranslationPane), changed ? "MKM-" : "KKK-");
        EXPECT_TRUE(pane.IsRedrawOn());
        ASSERT_EQ(pane.CanUndo(), changed);
        if (!changed) continue;
        pane.Undo();
        EXPECT_EQ(platform.GetControlText(TranslationPane), c.translation);
        EXPECT_FALSE(pane.CanUndo());
    }
}

TEST_F(FormatAidsTest, merge_stopsAtTheFirstLineAFullTranslationRefuses) {
    Load(FileKind::Menu,
         "M0100      K1:A:'x\r\nM0101      K2:" + std::string(40, 'c') +
             ":'y\r\nM0102      K2:C:'z\r\n",
         "M0100      K1:B:'u\r\nM0101      K2:D:'v\r\nM0102      K2:E:'w\r\n");
    // Room for the first line's change, which keeps its length, but not for the
    // second, which grows by 39 characters.
    platform.PaneById(TranslationPane).SetTextLimit(RichEdit_GetTextLength(TranslationPane) + 10);
    platform.PaneById(TranslationPane).SetAllColour(ColourBlack);

    platform.SendCommand(MakeCommand(IdMerge));

    EXPECT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.GetControlText(TranslationPane),
              "M0100      K1:A:'u\r\nM0101      K2:D:'v\r\nM0102      K2:E:'w\r\n");
    EXPECT_EQ(LineColours(TranslationPane), "MKK-");
}

} // namespace
