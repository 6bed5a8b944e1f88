#include "app/paths.h"
#include "documents/file_io.h"
#include "documents/loading.h"
#include "documents/saving.h"
#include "documents_fixture.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string>

namespace {

// The longest text a save writes.
constexpr int SaveCapacityForTest = 1000000;

class SavingTest : public DocumentsTest {
  protected:
    void Save() { platform.SendCommand(MakeCommand(IdSave)); }
    void SaveAs(const std::string& path) {
        platform.saveFileAnswers.push_back(path);
        platform.SendCommand(MakeCommand(IdSaveAs));
    }
};

TEST_F(SavingTest, save_keepsABackup_andASecondSaveReplacesIt) {
    WriteFile("DIALOG.INI", "[A]\r\nX=\"1\"   \r\nY=2\r\n");
    Load(LoadTranslationCommand, "DIALOG.INI");
    HeadlessPane& pane = platform.PaneById(TranslationPane);
    pane.SetSel(pane.LineIndex(2) - 1, -1);
    pane.ReplaceSel("", true);
    Save();
    // Exactly the pane's text: trailing blanks kept, no old tail, no line end added.
    EXPECT_EQ(ReadFile("DIALOG.INI"), "[A]\r\nX=\"1\"   ");
    EXPECT_EQ(ReadFile("DIALOG.bak"), "[A]\r\nX=\"1\"   \r\nY=2\r\n");
    EXPECT_EQ(appState.modified, 0);

    Type("; two\r");
    Save();
    EXPECT_EQ(ReadFile("DIALOG.bak"), "[A]\r\nX=\"1\"   ");
    EXPECT_TRUE(platform.messageBoxes.empty());
}

TEST_F(SavingTest, everyFailedSave_saysWhyAndLeavesTheTextMarkedChanged) {
    const std::string openError = "Zieldatei kann nichtge\xF6"
                                  "ffnet werden!";
    const std::string writeError =
        "Zieldatei wurde nicht (oder nicht komplett) geschrieben! Die Zieldatei ist "
        "m\xF6glicherweise schreibgesch\xFCtzt oder der Datentr\xE4ger ist voll.";
    struct Case {
        const char* path;
        std::string paneText;
        std::string text;
        const char* caption;
        unsigned flags;
        bool fullDisk = false;
    };
    std::filesystem::create_directory("folder");
    WriteFile("kept.ini", "old\r\n");
    const Case cases[] = {
        {"no/folder/a.ini", "x", openError, "Error", MB_ICONWARNING},
        {"folder", "x", openError, "Error", MB_ICONWARNING},
        {"./", "x", openError, "Error", MB_ICONWARNING},
#ifndef _WIN32 // Windows has no such device among its files.
        // A device is not written, even one that would take the bytes.
        {"/dev/full", "x", openError, "Error", MB_ICONWARNING},
#endif
        {"kept.ini", "", "Text-Puffer zu klein!", "Error", MB_ICONHAND},
        // 1,000,001 bytes once the line break is CR LF: refused whole, not cut.
        {"kept.ini", std::string(500000, 'x') + "\r\n" + std::string(499999, 'y'),
         "Der Text ist zu lang zum Speichern (mehr als 1.000.000 Bytes)! Die Zieldatei wurde "
         "nicht ver\xE4ndert.",
         "Error", MB_ICONHAND},
        {"kept.ini", "x", writeError, "Write Error", MB_ICONHAND, true},
    };
    for (const Case& c : cases) {
        SetPath(appState.translationPath, appState.translationPathLength, c.path);
        SetPaneText(TranslationPane, c.paneText);
        appState.modified = 1;
        platform.messageBoxes.clear();
        if (c.fullDisk) {
            SetFileFaultHook(
                [](FileStep step, std::size_t&) { return step == FileStep::Write ? ENOSPC : 0; });
        }
        Save();
        SetFileFaultHook(nullptr);
        ASSERT_EQ(platform.messageBoxes.size(), 1u) << c.path;
        EXPECT_EQ(platform.messageBoxes[0].text, c.text) << c.path;
        EXPECT_EQ(platform.messageBoxes[0].caption, c.caption) << c.path;
        EXPECT_EQ(platform.messageBoxes[0].flags, c.flags) << c.path;
        EXPECT_EQ(appState.modified, 1) << c.path;
    }
    EXPECT_EQ(ReadFile("kept.ini"), "old\r\n");
    // One byte less fits exactly.
    SetPaneText(TranslationPane, std::string(500000, 'x') + "\r\n" + std::string(499998, 'y'));
    Save();
    EXPECT_EQ(std::filesystem::file_size("kept.ini"), 1000000u);
    EXPECT_EQ(appState.modified, 0);

    // So the operation that asked to save does not go on and drop the text.
    WriteFile("b.ini", "[B]\r\n");
    SetPath(appState.translationPath, appState.translationPathLength, "no/folder/a.ini");
    SetPaneText(TranslationPane, "mine");
    platform.messageBoxAnswers.push_back(IDYES);
    platform.openFileAnswers.push_back(std::string("b.ini"));
    platform.SendCommand(MakeCommand(IdBrowseTranslation));
    EXPECT_EQ(PaneLines(TranslationPane)[0], "mine");
}

// The backup replaces the last three characters of the path. Where they reach
// back over the name into its folder (or its drive), the backup would land in
// another folder under an unrelated file's name: none is made then.
TEST_F(SavingTest, aBackupStaysBesideItsFileOrIsNotMade) {
    const char sep = PathSeparator();
    const std::string folder = std::string("work") + sep + "en" + sep;
    struct Case {
        std::string name;   // in work/en/
        std::string backup; // "" for none
    };
    const Case cases[] = {
        {"AB", ""},
        {"A", ""},
        {"ABC", folder + "bak"},
        {"DIALOG.INI", folder + "DIALOG.bak"},
    };
    std::filesystem::create_directories(folder);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile("work" + std::string(1, sep) + "enbak", "unrelated");
        WriteFile("work" + std::string(1, sep) + "ebak", "unrelated");
        WriteFile(folder + c.name, "old");
        Load(LoadTranslationCommand, folder + c.name);
        Type("new ");
        const SaveOutcome outcome = SaveTranslation(false);
        EXPECT_EQ(outcome.result,
                  c.backup.empty() ? SaveResult::SavedWithoutBackup : SaveResult::Saved);
        EXPECT_EQ(ReadFile(folder + c.name), "new old");
        if (!c.backup.empty()) {
            EXPECT_EQ(ReadFile(c.backup), "old");
        }
        for (const char* unrelated : {"work/enbak", "work/ebak"})
            EXPECT_EQ(ReadFile(unrelated), "unrelated") << unrelated;
    }
#ifdef _WIN32
    // A drive's colon ends a place as a separator does: "C:AB" is AB in the
    // current folder of drive C, and "Cbak" would be a file of the current drive.
    const std::string drive = Directory().string().substr(0, 2);
    ASSERT_EQ(drive[1], ':');
    WriteFile("AB", "old");
    WriteFile(drive.substr(0, 1) + "bak", "unrelated");
    SetPath(appState.translationPath, appState.translationPathLength, drive + "AB");
    SetPaneText(TranslationPane, "new");
    EXPECT_EQ(SaveTranslation(false).result, SaveResult::SavedWithoutBackup);
    EXPECT_EQ(ReadFile(drive.substr(0, 1) + "bak"), "unrelated");
#endif
}

TEST_F(SavingTest, saveAs_writesACopyAndTheNextSaveGoesToTheLoadedFile) {
    WriteFile("DIALOG.INI", "[A]\r\n");
    Load(LoadTranslationCommand, "DIALOG.INI");
    Type("; v1\r");
    platform.SendCommand(MakeCommand(IdSaveAs));
    EXPECT_EQ(appState.modified, 1);

    SaveAs("copy.ini");
    EXPECT_EQ(platform.saveFileRequests.back().title, "\xDC"
                                                      "bersetzungsdatei speichern unter...");
    EXPECT_EQ(ReadFile("copy.ini"), "; v1\r\n[A]\r\n");
    EXPECT_EQ(ReadFile("DIALOG.INI"), "[A]\r\n");
    EXPECT_EQ(appState.modified, 0);
    EXPECT_STREQ(appState.saveAsPath, "copy.ini");
    EXPECT_STREQ(appState.translationPath, "DIALOG.INI");

    Type("; v2\r");
    Save();
    EXPECT_EQ(ReadFile("DIALOG.INI"), "; v2\r\n; v1\r\n[A]\r\n");
    EXPECT_EQ(ReadFile("copy.ini"), "; v1\r\n[A]\r\n");
}

TEST_F(SavingTest, loadThenSave_givesEveryByteBackButNul_andLoneLineEndsBecomeCrLf) {
    std::string bytes;
    for (int value = 1; value < 256; ++value) {
        if (value != '\r' && value != '\n') bytes.push_back(static_cast<char>(value));
        if (value % 16 == 0) bytes += "\r\n";
    }
    WriteFile("all.bin", bytes);
    Load(LoadTranslationCommand, "all.bin");
    Save();
    EXPECT_EQ(ReadFile("all.bin"), bytes);

    WriteFile("mixed.ini", "[A]\nX=\x80\rY=\x9D\t \r\nZ");
    Load(LoadTranslationCommand, "mixed.ini");
    Save();
    EXPECT_EQ(ReadFile("mixed.ini"), "[A]\r\nX=\x80\r\nY=\x9D\t \r\nZ");
}

TEST_F(SavingTest, aTranslationCutAtLoad_isSavedOverItsFileOnlyAfterYes) {
    const std::string whole("[A]\r\n\0hidden\r\n", 14);
    WriteFile("cut.ini", whole);
    Load(LoadTranslationCommand, "cut.ini");
    Type("; edit\r");
    platform.messageBoxes.clear();

    Save(); // the scripted answer is No
    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes[0].flags, MB_YESNO | MB_ICONWARNING);
    EXPECT_EQ(ReadFile("cut.ini"), whole);
    EXPECT_EQ(appState.modified, 1);

    SaveAs("other.ini"); // another file loses nothing: no question
    EXPECT_EQ(platform.messageBoxes.size(), 1u);

    platform.messageBoxAnswers.push_back(IDYES);
    Save();
    EXPECT_EQ(ReadFile("cut.ini"), "; edit\r\n[A]\r\n");
    EXPECT_EQ(ReadFile("cut.bak"), whole);
    // The file now holds what the pane shows: the next save asks nothing.
    Save();
    EXPECT_EQ(platform.messageBoxes.size(), 2u);
}

TEST_F(SavingTest, everySaveTellsWhatHappened) {
    std::filesystem::create_directory("folder");
    std::filesystem::create_directory("blocked.bak"); // the backup cannot be written
    WriteFile("blocked.ini", "old\r\n");
    WriteFile("ab", "old\r\n"); // too short a name for a backup
    WriteFile("kept.ini", "old\r\n");
    struct Case {
        const char* path;
        std::string paneText;
        SaveResult result;
    };
    const Case cases[] = {
        {"new.ini", "x", SaveResult::Saved},
        {"kept.ini", "x", SaveResult::Saved},
        {"blocked.ini", "x", SaveResult::SavedWithoutBackup},
        {"ab", "x", SaveResult::SavedWithoutBackup},
        {"folder", "x", SaveResult::CannotOpen},
        {"no/folder/a.ini", "x", SaveResult::CannotOpen},
#ifndef _WIN32 // Windows has no such device among its files.
        {"/dev/full", "x", SaveResult::NotRegularFile},
#endif
        {"kept.ini", "", SaveResult::NothingToSave},
        {"kept.ini", std::string(SaveCapacityForTest + 1, 'x'), SaveResult::TextTooLong},
        // A refused save of a new file leaves no empty file behind.
        {"empty.ini", "", SaveResult::NothingToSave},
        {"long.ini", std::string(SaveCapacityForTest + 1, 'x'), SaveResult::TextTooLong},
    };
    for (const Case& c : cases) {
        SetPath(appState.translationPath, appState.translationPathLength, c.path);
        SetPaneText(TranslationPane, c.paneText);
        appState.modified = 1;
        const SaveOutcome outcome = SaveTranslation(false);
        EXPECT_EQ(outcome.result, c.result) << c.path << ": " << ReasonOf(outcome.result);
        EXPECT_EQ(outcome.path, c.path);
        EXPECT_EQ(outcome.Saved(), appState.modified == 0) << c.path;
    }
    EXPECT_EQ(ReadFile("blocked.ini"), "x");
    EXPECT_EQ(ReadFile("ab"), "x");
    EXPECT_FALSE(std::filesystem::exists("empty.ini"));
    EXPECT_FALSE(std::filesystem::exists("long.ini"));

    // Writing elsewhere makes no backup, and misses none.
    SetPaneText(TranslationPane, "y");
    EXPECT_EQ(WriteTranslation("kept.ini").result, SaveResult::Saved);
    EXPECT_EQ(ReadFile("kept.ini"), "y");
    EXPECT_EQ(WriteTranslation("folder").result, SaveResult::CannotOpen);

    // Save As cancelled or given a path too long, and the save over a file cut at
    // load answered No.
    EXPECT_EQ(SaveTranslation(true).result, SaveResult::Cancelled);
    std::string tooLong(PathCapacity + 1, 'a');
    tooLong[0] = '/';
    platform.saveFileAnswers.push_back(tooLong);
    EXPECT_EQ(SaveTranslation(true).result, SaveResult::PathTooLong);
    WriteFile("cut.ini", std::string("[A]\r\n\0rest", 10));
    appState.modified = 0;
    Load(LoadTranslationCommand, "cut.ini");
    platform.messageBoxAnswers.push_back(IDNO);
    EXPECT_EQ(SaveTranslation(false).result, SaveResult::Declined);
}

} // namespace
