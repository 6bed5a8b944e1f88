#include "app/paths.h"
#include "documents/loading.h"
#include "documents/saving.h"
#include "documents_fixture.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using LoadingTest = DocumentsTest;

TEST_F(LoadingTest, kindAndButtonsFollowTheEndOfTheName) {
    struct Case {
        const char* name;
        const char* text;
        FileKind translationKind;
        bool merge;
        bool standardEntries;
        FileKind originalKind;
    };
    // Where file names distinguish case, a name keeps its case and still counts
    // by its ending.
    const FileKind lower = FileNamesAreCaseSensitive() ? FileKind::DialogIni : FileKind::Other;
    const Case cases[] = {
        {"DIALOG.INI", "[A]\r\n", FileKind::DialogIni, true, true, FileKind::DialogIni},
        {"XDIALOG.INI", "[A]\r\n", FileKind::DialogIni, true, true, FileKind::DialogIni},
        {"DIALOGCPR.INI", "[A]\r\n", FileKind::DialogCprIni, true, true, FileKind::DialogCprIni},
        {"DIALOGPROG.INI", "[A]\r\n", FileKind::DialogProgIni, true, false,
         FileKind::DialogProgIni},
        {"MENU001.MNU", "M0100      K1:A:'x\r\n", FileKind::Menu, true, false, FileKind::Menu},
        {"MASK0001.MSK", " 60  10   3\r\nbody\r\n", FileKind::Mask, false, false, FileKind::Mask},
        // The translation side looks at the header; the original side does not.
        {"SHORT.MSK", " 60   1\r\nbody\r\n", FileKind::Other, false, false, FileKind::Mask},
        {"DIALOG.INI.OLD", "[A]\r\n", FileKind::Other, false, false, FileKind::Other},
        {"dialog.ini", "[A]\r\n", lower, lower != FileKind::Other, lower != FileKind::Other, lower},
    };
    for (const Case& c : cases) {
        WriteFile(c.name, c.text);
        platform.EnableControl(IdMerge, true);
        platform.EnableControl(IdStandardEntries, true);
        appState.modified = 1;
        platform.messageBoxAnswers.push_back(IDNO);

        Load(LoadTranslationCommand, c.name);
        EXPECT_EQ(appState.fileKind, c.translationKind) << c.name;
        EXPECT_EQ(platform.IsControlEnabled(IdMerge), c.merge) << c.name;
        EXPECT_EQ(platform.IsControlEnabled(IdStandardEntries), c.standardEntries) << c.name;
        EXPECT_EQ(appState.modified, 0) << c.name;
        EXPECT_EQ(platform.GetControlText(IdTranslationPathEdit), c.name);

        Load(LoadOriginalCommand, c.name);
        EXPECT_EQ(appState.fileKind, c.originalKind) << c.name;
    }
}

TEST_F(LoadingTest, translationPaneIsAsWideAsAMaskAndFullWidthForEveryOtherFile) {
    struct Case {
        const char* name;
        const char* header;
        int charWidth;
        int width; // -1: the pane keeps its size
    };
    const Case cases[] = {
        {"M0001.MSK", " 60  10   3", 8, 62 * 8 + 16},
        {"M0001.MSK", "6 0  10   3", 8, 62 * 8 + 16},
        {"M0001.MSK", "    10   3", 8, 2 * 8 + 16},
        {"M0001.MSK", " 99  10   3", 8, 600},
        {"M0001.MSK", " 60  10   3", 0, -1},
        // No readable width, too short for a mask, or another kind: the full pane.
        {"M0001.MSK", "6x0  10   3", 8, 600},
        {"M0001.MSK", " 60  10", 8, 600},
        {"DIALOG.INI", "[MAIN]", 8, 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.header);
        appState.paneWidth = 600;
        platform.averageCharWidth = c.charWidth;
        platform.MoveControl(TranslationPane, 300, 80, 450, 200, true);
        const Rect before = platform.GetControlRect(TranslationPane);
        WriteFile(c.name, std::string(c.header) + "\r\nbody\r\n");

        Load(LoadTranslationCommand, c.name);
        const Rect after = platform.GetControlRect(TranslationPane);
        EXPECT_EQ(after.left, before.left);
        EXPECT_EQ(after.top, before.top);
        EXPECT_EQ(after.Width(), c.width < 0 ? 450 : c.width);
        EXPECT_EQ(after.Height(), c.width < 0 ? 200 : appState.paneHeight);
    }
}

TEST_F(LoadingTest, aFileThatDoesNotOpen_emptiesThePaneQuietly) {
    std::filesystem::create_directory("folder");
#ifndef _WIN32
    // A named pipe with no writer: opening it would wait for ever. (Windows has
    // no named pipes among the files of a folder.)
    ASSERT_EQ(::mkfifo("pipe.ini", 0600), 0);
#endif
    for (const char* path : {"missing.ini", "folder", "./", "pipe.ini"}) {
        SetPaneText(OriginalPane, "old original");
        SetPaneText(TranslationPane, "old translation");
        appState.modified = 0;
        Load(LoadOriginalCommand, path);
        Load(LoadTranslationCommand, path);

        EXPECT_EQ(platform.GetControlText(OriginalPane), "") << path;
        EXPECT_EQ(platform.GetControlText(TranslationPane), "") << path;
        EXPECT_EQ(appState.originalOpened + appState.translationOpened, 0) << path;
        EXPECT_EQ(platform.GetControlText(IdOriginalPathEdit), path);
    }
    EXPECT_TRUE(platform.messageBoxes.empty());
}

// A translation that is there but cannot be read must not look new or empty:
// the next save would replace it, and its backup could not read it either. A
// name that names nothing stays quiet.
TEST_F(LoadingTest, aTranslationThatExistsButDoesNotRead_isToldAndNotSavedOverUnasked) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX permissions, users and symbolic links";
#else
    const std::string cut = "Die \xDC"
                            "bersetzungsdatei wurde nicht vollst\xE4ndig geladen (";
    std::filesystem::create_directory("folder");
    std::filesystem::create_symlink("nowhere.ini", "dangling.ini");
    std::filesystem::create_symlink("loop.ini", "loop.ini");
    WriteFile("locked.ini", "[A]\r\nKEY=\"old work\"\r\n");
    ASSERT_EQ(::chmod("locked.ini", 0200), 0);
    struct Case {
        const char* path;
        const char* reason; // nullptr: no message
    };
    const Case cases[] = {
        {"missing.ini", nullptr},
        {"folder", nullptr},
        {"dangling.ini", nullptr},
        {"loop.ini", "Lesefehler"},
        {"locked.ini", "keine Leseberechtigung"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        Load(LoadTranslationCommand, "missing.ini");
        platform.messageBoxes.clear();
        // Root reads every file: the load runs as another user for its time.
        const bool asOther = ::geteuid() == 0;
        if (asOther) {
            ASSERT_EQ(::seteuid(4343), 0);
        }
        const LoadOutcome outcome = LoadTranslationFrom(c.path);
        if (asOther) {
            ASSERT_EQ(::seteuid(0), 0);
        }

        EXPECT_FALSE(outcome.Whole());
        EXPECT_EQ(appState.translationOpened, 0);
        EXPECT_EQ(platform.GetControlText(TranslationPane), "");
        EXPECT_EQ(appState.modified, 0);
        EXPECT_EQ(appState.translationCut, c.reason != nullptr ? 1 : 0);
        if (c.reason == nullptr) {
            EXPECT_TRUE(platform.messageBoxes.empty());
            continue;
        }
        ASSERT_EQ(platform.messageBoxes.size(), 1u);
        EXPECT_EQ(platform.messageBoxes[0].text.substr(0, cut.size() + std::strlen(c.reason) + 1),
                  cut + c.reason + ")");
    }

    // The save over it asks first; No leaves the old work.
    Type("new");
    platform.messageBoxes.clear();
    platform.SendCommand(MakeCommand(IdSave));
    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes[0].flags, MB_YESNO | MB_ICONWARNING);
    EXPECT_EQ(ReadFile("locked.ini"), "[A]\r\nKEY=\"old work\"\r\n");
    EXPECT_EQ(appState.modified, 1);
#endif
}

TEST_F(LoadingTest, cancelledBrowsing_keepsTheTextButSwitchesTheKindAidsOff) {
    WriteFile("DIALOG.INI", "[A]\r\n");
    platform.openFileAnswers.push_back((Directory() / "DIALOG.INI").string());
    platform.SendCommand(MakeCommand(IdBrowseTranslation));
    ASSERT_TRUE(platform.IsControlEnabled(IdStandardEntries));

    platform.SendCommand(MakeCommand(IdBrowseTranslation));
    EXPECT_EQ(platform.openFileRequests.back().title, "\xDC"
                                                      "bersetzungsdatei \xF6"
                                                      "ffnen");
    EXPECT_EQ(PaneLines(TranslationPane)[0], "[A]");
    EXPECT_EQ(appState.fileKind, FileKind::Other);
    EXPECT_FALSE(platform.IsControlEnabled(IdMerge));
    EXPECT_FALSE(platform.IsControlEnabled(IdStandardEntries));
}

TEST_F(LoadingTest, swap_exchangesTheFilesAfterOnePromptAndTheOriginalDecidesTheKind) {
    WriteFile("A.MNU", "menu\r\n");
    WriteFile("DIALOG.INI", "[A]\r\n");
    Load(LoadOriginalCommand, "A.MNU");
    Load(LoadTranslationCommand, "DIALOG.INI");
    appState.modified = 1;

    platform.messageBoxAnswers.push_back(IDCANCEL);
    platform.SendCommand(MakeCommand(IdSwap));
    EXPECT_STREQ(appState.originalPath, "A.MNU");

    platform.messageBoxAnswers.push_back(IDNO);
    platform.SendCommand(MakeCommand(IdSwap));
    EXPECT_EQ(platform.messageBoxes.size(), 2u);
    EXPECT_EQ(appState.originalPathLength, 10);
    EXPECT_EQ(appState.translationPathLength, 5);
    EXPECT_EQ(platform.GetControlText(IdOriginalPathEdit), "DIALOG.INI");
    EXPECT_EQ(platform.GetControlText(IdTranslationPathEdit), "A.MNU");
    EXPECT_EQ(PaneLines(TranslationPane)[0], "menu");
    EXPECT_EQ(appState.fileKind, FileKind::DialogIni);
    EXPECT_EQ(appState.modified, 0);
}

TEST_F(LoadingTest, aFileThatDoesNotReachThePaneWhole_isReportedOnBothSides) {
    const std::pair<std::string, std::size_t> cases[] = {
        {std::string(LoadCapacity, 'x') + "tail", LoadCapacity},
        {std::string("ab\0cd\r\n", 7), 2},
    };
    for (const auto& [bytes, shown] : cases) {
        WriteFile("cut.ini", bytes);
        platform.messageBoxes.clear();
        Load(LoadOriginalCommand, "cut.ini");
        Load(LoadTranslationCommand, "cut.ini");

        EXPECT_EQ(platform.GetControlText(OriginalPane).size(), shown);
        EXPECT_EQ(platform.GetControlText(TranslationPane).size(), shown);
        EXPECT_EQ(appState.translationCut, 1);
        ASSERT_EQ(platform.messageBoxes.size(), 2u);
        EXPECT_TRUE(platform.messageBoxes[0].text.starts_with("Die Originaldatei"));
        EXPECT_TRUE(platform.messageBoxes[1].text.starts_with("Die \xDC"
                                                              "bersetzungsdatei"));
        EXPECT_EQ(platform.messageBoxes[1].caption, "Verbodex");
        EXPECT_EQ(platform.messageBoxes[1].flags, MB_ICONWARNING);
    }
    WriteFile("whole.ini", "[A]\r\n");
    Load(LoadTranslationCommand, "whole.ini");
    EXPECT_EQ(appState.translationCut, 0);
    EXPECT_EQ(platform.messageBoxes.size(), 2u);
}

// The pane holds a line break as one character and the save writes it as CR LF:
// a file of lone LF or CR line ends grows when saved. One that would outgrow
// what a save writes is told at load, before any work goes into it.
TEST_F(LoadingTest, aTranslationThatWouldGrowPastTheSaveCapacity_isToldAtLoad) {
    const std::string tooLong = "Die \xDC"
                                "bersetzungsdatei wurde vollst\xE4ndig geladen, kann so aber "
                                "nicht wieder gespeichert werden";
    const std::string x(500000, 'x');
    const std::string y(499999, 'y');
    struct Case {
        const char* name;
        std::string bytes;
        bool told;
    };
    const Case cases[] = {
        {"LF, 1,000,000 bytes saved", std::string(499999, 'x') + "\n" + y, false},
        {"LF, 1,000,001 bytes saved", x + "\n" + y, true},
        {"CR, 1,000,001 bytes saved", x + "\r" + y, true},
        {"CR LF, as saved", x + "\r\n" + std::string(499998, 'y'), false},
        {"many short LF lines",
         [] {
             std::string lines;
             for (int i = 0; i < 48000; ++i) // 960,000 bytes
                 lines += "KEY=\"a short value\"\n";
             return lines;
         }(),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_LE(c.bytes.size(), static_cast<std::size_t>(LoadCapacity));
        WriteFile("long.ini", c.bytes);
        platform.messageBoxes.clear();
        Load(LoadOriginalCommand, "long.ini"); // the original is never saved
        EXPECT_TRUE(platform.messageBoxes.empty());

        EXPECT_TRUE(LoadTranslationFrom("long.ini").Whole());
        EXPECT_EQ(appState.translationCut, 0);
        ASSERT_EQ(platform.messageBoxes.size(), c.told ? 1u : 0u);
        if (c.told) {
            EXPECT_EQ(platform.messageBoxes[0].text.substr(0, tooLong.size()), tooLong);
            EXPECT_EQ(platform.messageBoxes[0].caption, "Verbodex");
            EXPECT_EQ(platform.messageBoxes[0].flags, MB_ICONWARNING);
        }
        // What was told is what the save then does: CR LF line ends are kept.
        EXPECT_EQ(SaveTranslation(false).Saved(), !c.told);
    }
}

TEST_F(LoadingTest, everyLoadTellsWhatHappenedOnBothSides) {
    std::filesystem::create_directory("folder");
#ifndef _WIN32
    ASSERT_EQ(::mkfifo("pipe.ini", 0600), 0);
#endif
    WriteFile("whole.ini", "[A]\r\n");
    WriteFile("big.ini", std::string(LoadCapacity + 1, 'x'));
    WriteFile("held_nul.ini", std::string("[A]\r\n\0B=1\r\n", 11));
    struct Case {
        std::string path;
        LoadResult result;
        bool opened;
    };
    const Case cases[] = {
        {"whole.ini", LoadResult::LoadedWhole, true},
        {"big.ini", LoadResult::CutAtCapacity, true},
        {"held_nul.ini", LoadResult::HeldNul, true},
        {"missing.ini", LoadResult::DoesNotOpen, false},
        {"folder", LoadResult::IsDirectory, false},
        {"./", LoadResult::IsDirectory, false},
#ifndef _WIN32
        {"pipe.ini", LoadResult::NotRegularFile, false},
#else
        // Devices by their reserved names: NUL.INI is the null device.
        {"NUL.INI", LoadResult::NotRegularFile, false},
        {"con", LoadResult::NotRegularFile, false},
        {"folder\\Com1.txt", LoadResult::NotRegularFile, false},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.substr(0, 20));
        for (bool original : {true, false}) {
            Load(original ? LoadOriginalCommand : LoadTranslationCommand, "whole.ini");
            const LoadOutcome outcome =
                original ? LoadOriginalFrom(c.path) : LoadTranslationFrom(c.path);
            EXPECT_EQ(outcome.result, c.result) << ReasonOf(outcome);
            EXPECT_EQ(outcome.Whole(), c.result == LoadResult::LoadedWhole);
            EXPECT_EQ(outcome.path, c.path);
            EXPECT_EQ(original ? appState.originalOpened : appState.translationOpened,
                      c.opened ? 1 : 0);
        }
    }
    // A file that did not open says why in the system's words.
    const LoadOutcome missing = LoadTranslationFrom("missing.ini");
    EXPECT_EQ(missing.error, std::error_code(ENOENT, std::generic_category()));
    EXPECT_EQ(ReasonOf(missing), std::generic_category().message(ENOENT));
    EXPECT_STREQ(ReasonOf(LoadOriginalFrom("folder").result), "is a directory");
}

TEST_F(LoadingTest, aLoadThatNeverReachesTheFile_tellsWhyAndKeepsThePathBuffer) {
    WriteFile("whole.ini", "[A]\r\n");
    const std::string tooLong(PathCapacity, 'a');
    for (bool original : {true, false}) {
        SCOPED_TRACE(original ? "original" : "translation");
        const auto loadFrom = original ? LoadOriginalFrom : LoadTranslationFrom;
        const auto browse = [original] {
            return (original ? LoadOriginal(true) : LoadTranslation(true)).result;
        };
        loadFrom("whole.ini");
        EXPECT_EQ(loadFrom(tooLong).result, LoadResult::PathTooLong);
        EXPECT_STREQ(original ? appState.originalPath : appState.translationPath, "whole.ini");
        EXPECT_EQ(loadFrom("").result, LoadResult::NoPath);

        // The browse dialog cancelled, or its choice refused as too long.
        EXPECT_EQ(browse(), LoadResult::NoFileChosen);
        platform.openFileAnswers.push_back("/" + tooLong);
        EXPECT_EQ(browse(), LoadResult::PathTooLong);
    }
    // The save prompt before replacing the translation cancelled.
    appState.modified = 1;
    platform.messageBoxAnswers.push_back(IDCANCEL);
    EXPECT_EQ(LoadTranslationFrom("whole.ini").result, LoadResult::UnsavedChangesKept);
    EXPECT_EQ(appState.modified, 1);
}

} // namespace
