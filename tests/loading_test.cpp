#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/paths.h"
#include "documents/loading.h"
#include "headless_fixture.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

class LoadingTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        platform.Open();
    }

    static void SetPath(char* path, std::int32_t& length, const std::string& text) {
        std::strcpy(path, text.c_str());
        length = static_cast<std::int32_t>(text.size());
    }

    bool LoadTranslationFrom(const std::string& path) {
        SetPath(appState.translationPath, appState.translationPathLength, path);
        return LoadTranslation(false);
    }

    bool LoadOriginalFrom(const std::string& path) {
        SetPath(appState.originalPath, appState.originalPathLength, path);
        return LoadOriginal(false);
    }

    std::string PaneText(int pane) { return platform.GetControlText(pane); }
    bool Enabled(int id) { return platform.IsControlEnabled(id); }
};

TEST_F(LoadingTest, translationKindAndButtonsFollowTheEndOfTheName) {
    struct Case {
        const char* name;
        const char* text;
        FileKind kind;
        bool merge;
        bool standardEntries;
    };
    // Where file names distinguish case, a name keeps the case it was typed in
    // and still counts by its ending.
    const FileKind lowerCaseKind = FileNamesAreCaseSensitive() ? DialogIni : Other;
    const Case cases[] = {
        {"DIALOG.INI", "[A]\r\n", DialogIni, true, true},
        {"XDIALOG.INI", "[A]\r\n", DialogIni, true, true},
        {"DIALOGCPR.INI", "[A]\r\n", DialogCprIni, true, true},
        {"DIALOGPROG.INI", "[A]\r\n", DialogProgIni, true, false},
        {"MENU001.MNU", "M0100      K1:A:'x\r\n", Menu, true, false},
        {"MASK0001.MSK", " 60  10   3\r\nbody\r\n", Mask, false, false},
        {"SHORT.MSK", " 60   1\r\nbody\r\n", Other, false, false},
        {"DIALOG.INI.OLD", "[A]\r\n", Other, false, false},
        {"notes.txt", "[A]\r\n", Other, false, false},
        {"dialog.ini", "[A]\r\n", lowerCaseKind, lowerCaseKind != Other, lowerCaseKind != Other},
    };
    for (const Case& c : cases) {
        WriteFile(c.name, c.text);
        platform.EnableControl(IdMerge, true);
        platform.EnableControl(IdStandardEntries, true);
        appState.modified = 1;
        platform.messageBoxAnswers.push_back(IDNO);

        EXPECT_TRUE(LoadTranslationFrom(c.name)) << c.name;
        EXPECT_EQ(appState.fileKind, c.kind) << c.name;
        EXPECT_EQ(Enabled(IdMerge), c.merge) << c.name;
        EXPECT_EQ(Enabled(IdStandardEntries), c.standardEntries) << c.name;
        EXPECT_EQ(appState.modified, 0) << c.name;
        EXPECT_EQ(appState.translationOpened, 1) << c.name;
        EXPECT_EQ(platform.GetControlText(IdTranslationPathEdit), c.name);
    }
}

TEST_F(LoadingTest, originalSideTakesTheKindFromTheNameAlone) {
    WriteFile("SHORT.MSK", " 60\r\nbody\r\n");
    platform.EnableControl(IdMerge, false);
    EXPECT_TRUE(LoadOriginalFrom("SHORT.MSK"));
    EXPECT_EQ(appState.fileKind, Mask);
    EXPECT_EQ(appState.originalOpened, 1);
    EXPECT_EQ(LineColours(OriginalPane), "BK-");
    EXPECT_FALSE(Enabled(IdMerge));

    EXPECT_EQ(RecogniseFileKind("SK", 2), Other);
    EXPECT_EQ(RecogniseFileKind("A.MSK", 4), Other);
    EXPECT_EQ(RecogniseFileKind("A.MNU", 5), Menu);
}

TEST_F(LoadingTest, maskTranslationPaneIsAsWideAsTheMaskButNotWiderThanTheLayout) {
    struct Case {
        const char* header;
        int charWidth;
        int expectedWidth; // -1: the pane keeps its size
    };
    const Case cases[] = {
        {" 60  10   3", 8, 62 * 8 + 16}, {"6 0  10   3", 8, 62 * 8 + 16},
        {"    10   3", 8, 2 * 8 + 16},   {" 99  10   3", 8, 600},
        {"6x0  10   3", 8, -1},          {" 60  10   3", 0, -1},
    };
    for (const Case& c : cases) {
        appState.paneWidth = 600;
        platform.averageCharWidth = c.charWidth;
        platform.MoveControl(TranslationPane, 300, 80, 450, 200, true);
        const Rect before = platform.GetControlRect(TranslationPane);
        WriteFile("M0001.MSK", std::string(c.header) + "\r\nbody\r\n");

        LoadTranslationFrom("M0001.MSK");
        const Rect after = platform.GetControlRect(TranslationPane);
        EXPECT_EQ(appState.fileKind, Mask) << c.header;
        EXPECT_EQ(after.left, before.left) << c.header;
        EXPECT_EQ(after.top, before.top) << c.header;
        if (c.expectedWidth < 0) {
            EXPECT_EQ(after.Width(), 450) << c.header;
            EXPECT_EQ(after.Height(), 200) << c.header;
        } else {
            EXPECT_EQ(after.Width(), c.expectedWidth) << c.header;
            EXPECT_EQ(after.Height(), appState.paneHeight) << c.header;
        }
    }
}

TEST_F(LoadingTest, aFileThatDoesNotOpen_emptiesThePaneQuietly) {
    std::filesystem::create_directory("folder");
    for (const char* path : {"missing.ini", "folder", "./"}) {
        SetPaneText(OriginalPane, "old original");
        SetPaneText(TranslationPane, "old translation");
        appState.modified = 0;

        EXPECT_FALSE(LoadOriginalFrom(path)) << path;
        EXPECT_FALSE(LoadTranslationFrom(path)) << path;

        EXPECT_EQ(PaneText(OriginalPane), "") << path;
        EXPECT_EQ(PaneText(TranslationPane), "") << path;
        EXPECT_EQ(appState.originalOpened, 0) << path;
        EXPECT_EQ(appState.translationOpened, 0) << path;
        EXPECT_EQ(appState.modified, 0) << path;
        EXPECT_EQ(platform.GetControlText(IdOriginalPathEdit), path);
    }
    EXPECT_TRUE(platform.messageBoxes.empty());
}

TEST_F(LoadingTest, browsing_loadsTheChosenFileAndCancellingKeepsTheText) {
    WriteFile("DIALOG.INI", "[A]\r\n");
    platform.openFileAnswers.push_back((Directory() / "DIALOG.INI").string());
    platform.SendCommand(MakeCommand(IdBrowseTranslation));
    EXPECT_EQ(platform.openFileRequests.back().title, "\xDC"
                                                      "bersetzungsdatei \xF6"
                                                      "ffnen");
    EXPECT_EQ(appState.fileKind, DialogIni);
    ASSERT_TRUE(Enabled(IdStandardEntries));

    // Cancelled: the text stays, but the aids of its kind are off until a load.
    platform.SendCommand(MakeCommand(IdBrowseTranslation));
    EXPECT_EQ(PaneLines(TranslationPane)[0], "[A]");
    EXPECT_EQ(appState.fileKind, Other);
    EXPECT_FALSE(Enabled(IdMerge));
    EXPECT_FALSE(Enabled(IdStandardEntries));

    // Cancelled on the original side: nothing changes.
    WriteFile("A.MNU", "-----------\r\n");
    LoadOriginalFrom("A.MNU");
    platform.SendCommand(MakeCommand(IdBrowseOriginal));
    EXPECT_EQ(platform.openFileRequests.back().title, "Originaldatei \xF6"
                                                      "ffnen");
    EXPECT_EQ(appState.fileKind, Menu);
    EXPECT_STREQ(appState.originalPath, "A.MNU");
    EXPECT_EQ(PaneLines(OriginalPane)[0], "-----------");
}

TEST_F(LoadingTest, everyLineBreakBecomesOneAndAllOtherBytesArriveUnchanged) {
    WriteFile("mixed.txt", "a\x80\xFF\nb\x9D\rc\t \r\nd");
    LoadTranslationFrom("mixed.txt");
    EXPECT_EQ(PaneLines(TranslationPane),
              (std::vector<std::string>{"a\x80\xFF", "b\x9D", "c\t ", "d"}));
}

TEST_F(LoadingTest, swap_exchangesTheFilesAfterOnePromptAndTheOriginalDecidesTheKind) {
    WriteFile("A.MNU", "menu\r\n");
    WriteFile("DIALOG.INI", "[A]\r\n");
    LoadOriginalFrom("A.MNU");
    LoadTranslationFrom("DIALOG.INI");
    appState.modified = 1;

    platform.messageBoxAnswers.push_back(IDCANCEL);
    platform.SendCommand(MakeCommand(IdSwap));
    EXPECT_STREQ(appState.originalPath, "A.MNU");
    EXPECT_EQ(appState.modified, 1);

    platform.messageBoxAnswers.push_back(IDNO);
    platform.SendCommand(MakeCommand(IdSwap));
    EXPECT_EQ(platform.messageBoxes.size(), 2u);
    EXPECT_STREQ(appState.originalPath, "DIALOG.INI");
    EXPECT_EQ(appState.originalPathLength, 10);
    EXPECT_STREQ(appState.translationPath, "A.MNU");
    EXPECT_EQ(appState.translationPathLength, 5);
    EXPECT_EQ(platform.GetControlText(IdOriginalPathEdit), "DIALOG.INI");
    EXPECT_EQ(platform.GetControlText(IdTranslationPathEdit), "A.MNU");
    EXPECT_EQ(PaneLines(TranslationPane)[0], "menu");
    EXPECT_EQ(PaneLines(OriginalPane)[0], "[A]");
    EXPECT_EQ(appState.fileKind, DialogIni);
    EXPECT_EQ(appState.modified, 0);
}

TEST_F(LoadingTest, aFileThatDoesNotReachThePaneWhole_isReportedOnBothSides) {
    struct Case {
        const char* name;
        std::string bytes;
        std::size_t shownLength;
    };
    const Case cases[] = {
        {"tooLarge", std::string(LoadCapacity, 'x') + "tail", LoadCapacity},
        {"nulByte", std::string("ab\0cd\r\n", 7), 2},
    };
    for (const Case& c : cases) {
        WriteFile("cut.ini", c.bytes);
        platform.messageBoxes.clear();

        LoadOriginalFrom("cut.ini");
        LoadTranslationFrom("cut.ini");

        EXPECT_EQ(PaneText(OriginalPane).size(), c.shownLength) << c.name;
        EXPECT_EQ(PaneText(TranslationPane).size(), c.shownLength) << c.name;
        EXPECT_EQ(appState.translationCut, 1) << c.name;
        EXPECT_EQ(appState.modified, 0) << c.name;
        ASSERT_EQ(platform.messageBoxes.size(), 2u) << c.name;
        EXPECT_EQ(platform.messageBoxes[0].text.rfind("Die Originaldatei", 0), 0u);
        EXPECT_EQ(platform.messageBoxes[1].text.rfind("Die \xDC"
                                                      "bersetzungsdatei",
                                                      0),
                  0u);
        for (const ShownMessageBox& box : platform.messageBoxes) {
            EXPECT_EQ(box.caption, "Verbodex");
            EXPECT_EQ(box.flags, MB_ICONWARNING);
        }
    }

    // A whole file clears the mark without a word.
    WriteFile("whole.ini", "[A]\r\n");
    platform.messageBoxes.clear();
    LoadTranslationFrom("whole.ini");
    EXPECT_EQ(appState.translationCut, 0);
    EXPECT_TRUE(platform.messageBoxes.empty());
}

TEST_F(LoadingTest, exampleMaskPairLoadsWithItsKindAndColours) {
    const std::string examples = VERBODEX_EXAMPLES;
    LoadOriginalFrom(examples + "/de/MASK0003.MSK");
    LoadTranslationFrom(examples + "/en/MASK0003.MSK");
    EXPECT_EQ(appState.fileKind, Mask);
    EXPECT_EQ(LineColours(OriginalPane), "BKKKGGGG-");
    EXPECT_EQ(LineColours(TranslationPane), "BKKKKGGGG-");
    EXPECT_TRUE(platform.messageBoxes.empty());
}

} // namespace
