// Saving under injected faults: every step of the file writes (open, write,
// flush, close, permissions, rename ...) is made to fail in turn, and after each
// run the translation and its backup must hold either their old bytes or the new
// ones, no stray file may be left, and the save must say it saved exactly when
// the file holds the pane's text.
#include "documents/file_io.h"
#include "documents/safe_write.h"
#include "documents/saving.h"
#include "documents_fixture.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string oldText = "[A]\r\nX=\"old\"\r\n";
const std::string newText = "[A]\r\nX=\"new, and longer than the old\"\r\n";
const std::string oldBackup = "[A]\r\nX=\"older\"\r\n";

// The error a failing step gives, as the system would give it there.
int ErrorOf(FileStep step) {
    switch (step) {
    case FileStep::Write:
        return ENOSPC;
    case FileStep::Open:
    case FileStep::CreateTemporary:
        return EACCES;
    case FileStep::SetMode:
    case FileStep::SetOwner:
    case FileStep::Rename:
        return EPERM;
    default:
        return EIO;
    }
}

enum class FaultKind { Fails, ShortWrite, ShortWriteThenFull };

struct Fault {
    int at = -1; // the index of the step that fails; -1: none
    FaultKind kind = FaultKind::Fails;
};

class SafeSavingTest : public DocumentsTest {
  protected:
    void TearDown() override {
        SetFileFaultHook(nullptr);
        DocumentsTest::TearDown();
    }

    // Steps that fail on every call (the folder refuses new files, the owner
    // cannot be given), then the one fault of the run. Records every step.
    void InstallFaults(std::set<FileStep> alwaysFailing, Fault fault) {
        steps_.clear();
        SetFileFaultHook([this, alwaysFailing, fault](FileStep step, std::size_t& count) {
            const int index = static_cast<int>(steps_.size());
            steps_.push_back(step);
            if (alwaysFailing.count(step) != 0) return ErrorOf(step);
            // The write after a short one finds the disk full; blocks the file
            // already has can be written again, so later writes go through.
            if (fullNext_ && step == FileStep::Write) {
                fullNext_ = false;
                return ENOSPC;
            }
            if (index != fault.at) return 0;
            if (fault.kind == FaultKind::Fails) return ErrorOf(step);
            count = (count + 1) / 2;
            fullNext_ = fault.kind == FaultKind::ShortWriteThenFull;
            return 0;
        });
        fullNext_ = false;
    }

    SaveOutcome SaveWith(const std::string& path, const std::string& text) {
        SetPath(appState.translationPath, appState.translationPathLength, path);
        SetPaneText(TranslationPane, text);
        appState.modified = 1;
        return SaveTranslation(false);
    }

    static std::set<std::string> Names(const fs::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    std::vector<FileStep> steps_;
    bool fullNext_ = false;
};

struct Scenario {
    const char* name;
    // Makes the files in the folder "work"; the save writes work/DIALOG.INI.
    void (*arrange)();
    std::set<FileStep> alwaysFailing;
    // The backup before the save; nullopt: there is none.
    std::optional<std::string> backupBefore;
    // Further names the folder holds besides DIALOG.INI and DIALOG.bak.
    std::set<std::string> otherNames;
    // The answer to the question asked when the old text can be kept nowhere.
    int answer = IDNO;
    SaveResult cleanResult = SaveResult::Saved;
    // The file, and the backup, must be written in place, keeping their
    // identity (inode).
    bool fileInPlace = false;
    bool backupInPlace = false;
};

// The inode a path names (links followed); 0 when it names nothing.
ino_t InodeOf(const char* path) {
    struct stat status {};
    return ::stat(path, &status) == 0 ? status.st_ino : 0;
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void PlainFiles() {
    WriteBytes("work/DIALOG.INI", oldText);
    WriteBytes("work/DIALOG.bak", oldBackup);
}

TEST_F(SafeSavingTest, noSingleFailingStep_losesTheOldTextOrTheOldBackup) {
    const std::set<FileStep> readOnlyFolder = {FileStep::CreateTemporary};
    const Scenario scenarios[] = {
        {"a file and its backup", PlainFiles, {}, oldBackup, {}},
        {"no backup yet", [] { WriteBytes("work/DIALOG.INI", oldText); }, {}, std::nullopt, {}},
        {"a symbolic link to the file",
         [] {
             fs::create_directory("work/real");
             WriteBytes("work/real/file.ini", oldText);
             fs::create_symlink("real/file.ini", "work/DIALOG.INI");
             WriteBytes("work/DIALOG.bak", oldBackup);
         },
         {},
         oldBackup,
         {"real"}},
        {"a second hard link to the file",
         [] {
             PlainFiles();
             fs::create_hard_link("work/DIALOG.INI", "work/other.ini");
         },
         {},
         oldBackup,
         {"other.ini"},
         IDNO,
         SaveResult::Saved,
         true,
         false},
        // As for files of another user: the new files could not be given their owner.
        {"owner cannot be given",
         PlainFiles,
         {FileStep::SetOwner},
         oldBackup,
         {},
         IDNO,
         SaveResult::Saved,
         true,
         true},
        {"read-only folder with a writable backup",
         PlainFiles,
         readOnlyFolder,
         oldBackup,
         {},
         IDNO,
         SaveResult::Saved,
         true,
         true},
        {"read-only folder without a backup, saved on Yes",
         [] { WriteBytes("work/DIALOG.INI", oldText); },
         readOnlyFolder,
         std::nullopt,
         {},
         IDYES,
         SaveResult::SavedWithoutBackup,
         true,
         true},
    };
    int runs = 0;
    for (const Scenario& scenario : scenarios) {
        std::set<std::string> names = scenario.otherNames;
        names.insert("DIALOG.INI");
        names.insert("DIALOG.bak");
        const auto run = [&](Fault fault) {
            fs::remove_all("work");
            fs::create_directory("work");
            scenario.arrange();
            const ino_t file = InodeOf("work/DIALOG.INI");
            const ino_t backup = InodeOf("work/DIALOG.bak");
            InstallFaults(scenario.alwaysFailing, fault);
            platform.messageBoxAnswers.assign(1, scenario.answer);
            const SaveOutcome outcome = SaveWith("work/DIALOG.INI", newText);
            SetFileFaultHook(nullptr);
            ++runs;
            if (scenario.fileInPlace) {
                EXPECT_EQ(InodeOf("work/DIALOG.INI"), file) << scenario.name << ", " << fault.at;
            }
            if (scenario.backupInPlace && backup != 0) {
                EXPECT_EQ(InodeOf("work/DIALOG.bak"), backup) << scenario.name << ", " << fault.at;
            }
            return outcome;
        };
        // A run without a fault saves, keeps the old text as the backup and
        // counts the steps.
        const SaveOutcome clean = run({});
        const std::vector<FileStep> steps = steps_;
        ASSERT_EQ(clean.result, scenario.cleanResult) << scenario.name;
        ASSERT_EQ(ReadFile("work/DIALOG.INI"), newText) << scenario.name;
        if (clean.result == SaveResult::Saved) {
            ASSERT_EQ(ReadFile("work/DIALOG.bak"), oldText) << scenario.name;
        }

        for (int at = 0; at < static_cast<int>(steps.size()); ++at) {
            std::vector<FaultKind> kinds = {FaultKind::Fails};
            if (steps[at] == FileStep::Write) {
                kinds.push_back(FaultKind::ShortWrite);
                kinds.push_back(FaultKind::ShortWriteThenFull);
            }
            for (FaultKind kind : kinds) {
                const SaveOutcome outcome = run({at, kind});
                const std::string context = std::string(scenario.name) + ", step " +
                                            std::to_string(at) + " of " +
                                            std::to_string(steps.size()) + " (kind " +
                                            std::to_string(static_cast<int>(kind)) + ")";
                const std::string text = ReadFile("work/DIALOG.INI");
                const bool hasBackup = fs::exists("work/DIALOG.bak");
                const std::string backup = ReadFile("work/DIALOG.bak");
                EXPECT_TRUE(text == oldText || text == newText) << context << ": " << text;
                EXPECT_EQ(outcome.Saved(), text == newText)
                    << context << ": " << ReasonOf(outcome.result);
                EXPECT_EQ(outcome.Saved(), appState.modified == 0) << context;
                if (scenario.backupBefore) {
                    EXPECT_TRUE(backup == *scenario.backupBefore || backup == oldText)
                        << context << ": " << backup;
                } else {
                    EXPECT_TRUE(!hasBackup || backup == oldText) << context << ": " << backup;
                }
                if (outcome.result == SaveResult::Saved) {
                    EXPECT_EQ(backup, oldText) << context;
                }
                if (outcome.result == SaveResult::SavedWithoutBackup && scenario.backupBefore) {
                    EXPECT_EQ(backup, *scenario.backupBefore) << context;
                }
                // A failing removal of the temporary file is the one fault that
                // leaves one behind.
                if (steps_.size() > static_cast<std::size_t>(at) &&
                    steps_[at] != FileStep::Remove) {
                    std::set<std::string> expected = names;
                    if (!hasBackup) expected.erase("DIALOG.bak");
                    EXPECT_EQ(Names("work"), expected) << context;
                }
                if (fs::exists("work/other.ini")) {
                    EXPECT_EQ(ReadFile("work/other.ini"), text) << context;
                }
                if (fs::exists("work/real")) {
                    EXPECT_TRUE(fs::is_symlink("work/DIALOG.INI")) << context;
                    EXPECT_EQ(Names("work/real"), std::set<std::string>{"file.ini"}) << context;
                }
            }
        }
    }
    EXPECT_GT(runs, 100);
}

TEST_F(SafeSavingTest, aBackupNamedLikeALoadedFile_isNotMadeAndTheSaveSaysSo) {
    const std::string told = "Die \xDC"
                             "bersetzung wurde ohne Sicherungskopie gespeichert: Die "
                             "Sicherungsdatei tr\xE4gt den Namen einer geladenen Datei und "
                             "h\xE4tte diese \xFC"
                             "berschrieben.";
    struct Case {
        const char* original;
        const char* translation;
        const char* kept; // the loaded file the backup would have replaced
    };
    const Case cases[] = {
        {"X/DIALOG.bak", "X/DIALOG.INI", "X/DIALOG.bak"},
        {"X/../X/DIALOG.bak", "X/DIALOG.INI", "X/DIALOG.bak"},
        // The translation's own name ends in "bak": its backup would be itself.
        {"X/EN.INI", "X/DIALOG.bak", "X/DIALOG.bak"},
    };
    for (const Case& c : cases) {
        fs::remove_all("X");
        fs::create_directory("X");
        WriteFile(c.original, "original\r\n");
        WriteFile(c.translation, oldText);
        SetPath(appState.originalPath, appState.originalPathLength, c.original);
        platform.messageBoxes.clear();
        const SaveOutcome outcome = SaveWith(c.translation, newText);
        EXPECT_EQ(outcome.result, SaveResult::SavedWithoutBackupOverLoadedFile) << c.original;
        EXPECT_EQ(ReadFile(c.translation), newText) << c.original;
        if (std::string(c.kept) != c.translation) {
            EXPECT_EQ(ReadFile(c.kept), "original\r\n") << c.original;
        }
        ASSERT_EQ(platform.messageBoxes.size(), 1u) << c.original;
        EXPECT_EQ(platform.messageBoxes[0].text, told);
        EXPECT_EQ(platform.messageBoxes[0].flags, MB_ICONWARNING);
    }
}

TEST_F(SafeSavingTest, aRefusedSave_leavesTheFileAndTheOldBackupAsTheyWere) {
    struct Case {
        const char* name;
        std::set<FileStep> failing;
        std::string paneText;
        SaveResult result;
    };
    const Case cases[] = {
        // A read-only file: the open for writing is refused.
        {"read-only file", {FileStep::Open}, newText, SaveResult::CannotOpen},
        {"text over the capacity", {}, std::string(1000001, 'x'), SaveResult::TextTooLong},
        {"empty pane", {}, "", SaveResult::NothingToSave},
        {"full disk", {FileStep::Write}, newText, SaveResult::NotWrittenWhole},
        {"flush fails", {FileStep::Sync}, newText, SaveResult::NotWrittenWhole},
        {"rename fails", {FileStep::Rename}, newText, SaveResult::NotWrittenWhole},
    };
    for (const Case& c : cases) {
        fs::remove_all("work");
        fs::create_directory("work");
        PlainFiles();
        InstallFaults(c.failing, {});
        const SaveOutcome outcome = SaveWith("work/DIALOG.INI", c.paneText);
        SetFileFaultHook(nullptr);
        EXPECT_EQ(outcome.result, c.result) << c.name;
        EXPECT_EQ(ReadFile("work/DIALOG.INI"), oldText) << c.name;
        EXPECT_EQ(ReadFile("work/DIALOG.bak"), oldBackup) << c.name;
        EXPECT_EQ(Names("work"), (std::set<std::string>{"DIALOG.INI", "DIALOG.bak"})) << c.name;
        EXPECT_EQ(appState.modified, 1) << c.name;
    }
}

TEST_F(SafeSavingTest, aSaveThatCouldKeepTheOldTextNowhere_asksFirst) {
    fs::create_directory("work");
    WriteFile("work/DIALOG.INI", oldText);
    // The folder takes no new file, so neither a backup nor a temporary file.
    InstallFaults({FileStep::CreateTemporary}, {});
    platform.messageBoxAnswers.assign(1, IDNO);
    const SaveOutcome outcome = SaveWith("work/DIALOG.INI", newText);
    EXPECT_EQ(outcome.result, SaveResult::DeclinedNothingKept);
    EXPECT_EQ(ReadFile("work/DIALOG.INI"), oldText);
    EXPECT_EQ(appState.modified, 1);
    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes[0].flags, MB_YESNO | MB_ICONWARNING);
    EXPECT_EQ(platform.messageBoxes[0].text,
              "Die bisherige Fassung der Zieldatei kann weder als Sicherungskopie noch als "
              "tempor\xE4re Datei in ihrem Ordner aufbewahrt werden. Schl\xE4gt das Speichern "
              "fehl, geht sie verloren. Trotzdem speichern?");

    // A new file has nothing to lose: it is not asked for, and not written.
    platform.messageBoxes.clear();
    EXPECT_EQ(SaveWith("work/NEW.INI", newText).result, SaveResult::CannotOpen);
    EXPECT_FALSE(fs::exists("work/NEW.INI"));
    EXPECT_EQ(platform.messageBoxes.size(), 1u);
}

TEST_F(SafeSavingTest, writingElsewhere_neitherBlocksNorLeavesAFileBehind) {
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    WriteFile("kept.ini", oldText);
    struct Case {
        const char* name;
        const char* path;
        std::set<FileStep> failing;
        std::string paneText;
        SaveResult result;
    };
    const Case cases[] = {
        {"named pipe", "pipe", {}, newText, SaveResult::NotRegularFile},
        {"new file, text over the capacity",
         "new.ini",
         {},
         std::string(1000001, 'x'),
         SaveResult::TextTooLong},
        {"new file, full disk", "new.ini", {FileStep::Write}, newText, SaveResult::NotWrittenWhole},
        {"new file, flush fails",
         "new.ini",
         {FileStep::Sync},
         newText,
         SaveResult::NotWrittenWhole},
        {"existing file, full disk",
         "kept.ini",
         {FileStep::Write},
         newText,
         SaveResult::NotWrittenWhole},
    };
    for (const Case& c : cases) {
        SetPaneText(TranslationPane, c.paneText);
        InstallFaults(c.failing, {});
        EXPECT_EQ(WriteTranslation(c.path).result, c.result) << c.name;
        SetFileFaultHook(nullptr);
        EXPECT_EQ(Names("."), (std::set<std::string>{"kept.ini", "pipe"})) << c.name;
    }
    EXPECT_EQ(ReadFile("kept.ini"), oldText);
}

} // namespace
