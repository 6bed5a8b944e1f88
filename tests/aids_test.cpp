// What the dialog-text aids do to the program around the panes: the changed
// flag, the scroll positions, drawing, undo and a full translation pane.
#include "app/control_ids.h"
#include "headless_fixture.h"

#include <string>
#include <vector>

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
        appState.fileKind = FileKind::DialogIni;

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

TEST_F(AidsTest, Check_readsTheTranslationsReferenceBeforeItsTrailingComment) {
    // As for the original, a DialogIni reference counts only before a trailing
    // comment; DialogCprIni lines have no comments.
    const struct Case {
        FileKind kind;
        const char* translation;
        const char* colours; // of both panes
    } cases[] = {
        {FileKind::DialogIni, "A=\"Okay\" ;=#OK#", ".R-"},
        {FileKind::DialogIni, "A=\"Okay\" !x=#OK#", ".R-"},
        {FileKind::DialogIni, "A=#OK# ;=#OK#", ".K-"},
        {FileKind::DialogIni, "A=#OK ;#", ".R-"},
        {FileKind::DialogCprIni, "A=Okay ;=#OK#", ".K-"},
    };
    constexpr Colour Unmarked = MakeColour(128, 128, 128);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.translation);
        SetPaneText(OriginalPane, "[MAIN]\r\nA=#OK#\r\n");
        SetPaneText(TranslationPane, std::string("[MAIN]\r\n") + c.translation + "\r\n");
        platform.PaneById(OriginalPane).SetAllColour(Unmarked);
        platform.PaneById(TranslationPane).SetAllColour(Unmarked);
        appState.fileKind = c.kind;

        platform.SendCommand(MakeCommand(IdCheck));

        EXPECT_EQ(LineColours(OriginalPane), c.colours);
        EXPECT_EQ(LineColours(TranslationPane), c.colours);
    }
}

TEST_F(AidsTest, Merge_marksAChangeOnlyWhenItInsertsAndUndoesAsOneStep) {
    const std::string xy = "[A]\r\nX=1\r\nY=2\r\n";
    struct Case {
        FileKind kind;
        std::string original, translation, merged;
    } cases[] = {
        {FileKind::DialogIni, xy, "[A]\r\nX=1\r\n", xy},
        {FileKind::DialogIni, xy, xy, xy},
        {FileKind::DialogCprIni, xy + "[B]\r\nP=1\r\nQ=1\r\n[C]\r\nZ=1\r\n", "[B]\r\nQ=1\r\n",
         xy + "\r\n[B]\r\nP=1\r\nQ=1\r\n\r\n[C]\r\nZ=1\r\n"},
    };
    HeadlessPane& pane = platform.PaneById(TranslationPane);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.translation);
        SetPaneText(OriginalPane, c.original);
        SetPaneText(TranslationPane, c.translation);
        appState.modified = 0;
        appState.fileKind = c.kind;

        platform.SendCommand(MakeCommand(IdMerge));
        ASSERT_EQ(platform.GetControlText(TranslationPane), c.merged);
        const bool inserted = c.merged != c.translation;
        EXPECT_EQ(appState.modified, inserted ? 1 : 0);
        EXPECT_TRUE(pane.IsRedrawOn());
        ASSERT_EQ(pane.CanUndo(), inserted);
        if (!inserted) continue;
        pane.Undo();
        EXPECT_EQ(platform.GetControlText(TranslationPane), c.translation);
        EXPECT_FALSE(pane.CanUndo());
    }
}

TEST_F(AidsTest, Merge_pretranslatesFromTheCounterpartInTheReferencesOwnSection) {
    // A missing standard entry takes the translator's text at a key whose
    // original refers to it, found in the same section of the translation.
    const struct Case {
        const char* name;
        FileKind kind;
        std::vector<std::string> original;    // after '[STANDARD]', '#OK#="OK"'
        std::vector<std::string> translation; // after '[STANDARD]'
        const char* entry;                    // the inserted standard entry
    } cases[] = {
        {"a header of 5 characters opens a section in the original",
         FileKind::DialogIni,
         {"[LONGSEC]", "BTN=\"Cancel\"", "[AB]", "BTN=#OK#"},
         {"[LONGSEC]", "BTN=\"Abbrechen\"", "[AB]", "BTN=\"Okay\""},
         "#OK#=\"Okay\""},
        {"and ends one in the translation",
         FileKind::DialogIni,
         {"[MAIN]", "BTN=#OK#"},
         {"[MAIN]", "X=\"1\"", "[A]", "BTN=\"Ab\""},
         "#OK#=\"OK\""},
        {"a short line without \"]\" is still passed over",
         FileKind::DialogIni,
         {"[MAIN]", "[AB", "BTN=#OK#"},
         {"[MAIN]", "[AB", "BTN=\"Main\""},
         "#OK#=\"Main\""},
        {"a text that mentions the name does not refer to it",
         FileKind::DialogIni,
         {"[MAIN]", "HINT=\"Press #OK# to go on\"", "N=x #OK#", "M=#OK#x", "BTN=#OK#"},
         {"[MAIN]", "HINT=\"Weiter mit OK\"", "N=\"n\"", "M=\"m\"", "BTN=\"Okay\""},
         "#OK#=\"Okay\""},
        {"nor one whose reference follows another \"=\"",
         FileKind::DialogIni,
         {"[MAIN]", "A=B=#OK#", "BTN=#OK#"},
         {"[MAIN]", "A=\"a\"", "BTN=\"Okay\""},
         "#OK#=\"Okay\""},
        {"nor one whose name is closed only in its comment",
         FileKind::DialogIni,
         {"[MAIN]", "A=#OK ;#OK#", "BTN=#OK# ;the button"},
         {"[MAIN]", "A=\"a\"", "BTN=\"Okay\""},
         "#OK#=\"Okay\""},
        {"blanks may follow an unquoted reference, which has no comment",
         FileKind::DialogCprIni,
         {"[MAIN]", "A=#OK#;x", "BTN=#OK#   "},
         {"[MAIN]", "A=aaa", "BTN=Okay"},
         "#OK#=Okay"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string original = "[STANDARD]\r\n#OK#=\"OK\"\r\n";
        for (const std::string& line : c.original)
            original += line + "\r\n";
        std::string translation = "[STANDARD]\r\n";
        for (const std::string& line : c.translation)
            translation += line + "\r\n";
        SetPaneText(OriginalPane, original);
        SetPaneText(TranslationPane, translation);
        appState.fileKind = c.kind;

        platform.SendCommand(MakeCommand(IdMerge));

        EXPECT_EQ(PaneLines(TranslationPane).at(1), c.entry);
    }
}

TEST_F(AidsTest, Merge_stopsAtTheFirstInsertionAFullTranslationRefuses) {
    SetPaneText(OriginalPane,
                "[A]\r\nX=1\r\nY=2\r\nLONGER=" + std::string(40, 'v') + "\r\nZ=3\r\n");
    SetPaneText(TranslationPane, "[A]\r\nX=1\r\n");
    // Room for 'Y=2' but not for the long line after it.
    platform.PaneById(TranslationPane).SetTextLimit(RichEdit_GetTextLength(TranslationPane) + 10);
    appState.fileKind = FileKind::DialogIni;

    platform.SendCommand(MakeCommand(IdMerge));

    // One message, no marks on lines that were not inserted, and 'Z=3' (which
    // would fit) is not inserted in the wrong place after the gap.
    EXPECT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.GetControlText(TranslationPane), "[A]\r\nX=1\r\nY=2\r\n");
    EXPECT_EQ(LineColours(TranslationPane), "KKM-");
}

} // namespace
