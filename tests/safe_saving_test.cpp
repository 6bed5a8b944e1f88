// Saving under injected faults: every step of the file writes is made to fail in
// turn, and after each run the translation and its backup must hold their old
// bytes or the new ones, no stray file may be left, and the save must say it
// saved exactly when the file holds the pane's text.
#include "documents/file_io.h"
#include "documents/saving.h"
#include "documents_fixture.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif
#include <tuple>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string oldText = "[A]\r\nX=\"old\"\r\n";
const std::string newText = "[A]\r\nX=\"new, and longer than the old\"\r\n";
const std::string oldBackup = "[A]\r\nX=\"older\"\r\n";

// The error a failing step gives, as the system would give it there.
int ErrorOf(FileStep step) {
    if (step == FileStep::Write) return ENOSPC;
    if (step == FileStep::Open || step == FileStep::CreateTemporary) return EACCES;
    if (step == FileStep::SetMode || step == FileStep::SetOwner) return EPERM;
    return EIO;
}

// What names the file itself, whichever name it goes by; 0 for no file.
#ifdef _WIN32
std::uint64_t InodeOf(const char* path) {
    const HANDLE file =
        ::CreateFileA(path, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = ::GetFileInformationByHandle(file, &information) != 0;
    ::CloseHandle(file);
    return known ? (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow
                 : 0;
}
#else
ino_t InodeOf(const char* path) {
    struct stat status {};
    return ::stat(path, &status) == 0 ? status.st_ino : 0;
}
#endif

class SafeSavingTest : public DocumentsTest {
  protected:
    enum Kind { Fails, ShortWrite, ShortWriteThenFull };

    void TearDown() override {
        SetFileFaultHook(nullptr);
        DocumentsTest::TearDown();
    }

    // `failing` steps fail on every call; step number `at` fails once, or writes
    // half of its bytes (and the next write then finds the disk full).
    void InstallFaults(std::set<FileStep> failing, int at = -1, Kind kind = Fails) {
        steps_.clear();
        fullNext_ = false;
        SetFileFaultHook([this, failing, at, kind](FileStep step, std::size_t& count) {
            const int index = static_cast<int>(steps_.size());
            steps_.push_back(step);
            if (failing.count(step) != 0) return ErrorOf(step);
            if (fullNext_ && step == FileStep::Write) {
                fullNext_ = false;
                return ENOSPC;
            }
            if (index != at) return 0;
            if (kind == Fails) return ErrorOf(step);
            count = (count + 1) / 2;
            fullNext_ = kind == ShortWriteThenFull;
            return 0;
        });
    }

    SaveOutcome SaveWith(const std::string& path, const std::string& text, int answer = IDNO) {
        SetPath(appState.translationPath, appState.translationPathLength, path);
        SetPaneText(TranslationPane, text);
        appState.modified = 1;
        platform.messageBoxes.clear();
        platform.messageBoxAnswers.assign(1, answer);
        const SaveOutcome outcome = SaveTranslation(false);
        SetFileFaultHook(nullptr);
        return outcome;
    }

    // A fresh folder "work" holding DIALOG.INI and, unless told, DIALOG.bak.
    static void Fresh(bool withBackup = true) {
        fs::remove_all("work");
        fs::create_directory("work");
        WriteFile("work/DIALOG.INI", oldText);
        if (withBackup) WriteFile("work/DIALOG.bak", oldBackup);
    }

    static std::set<std::string> Names(const fs::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::vector<FileStep> steps_;
    bool fullNext_ = false;
};

TEST_F(SafeSavingTest, noSingleFailingStep_losesTheOldTextOrTheOldBackup) {
    struct Scenario {
        const char* name;
        bool withBackup;
        void (*arrange)();
        std::set<FileStep> failing;
        // The file (and the backup) must keep their identity: written in place.
        bool fileInPlace, backupInPlace;
        int answer; // to the question of a save in place without a backup
    };
    const Scenario scenarios[] = {
        {"a file and its backup", true, [] {}, {}, false, false, IDNO},
        {"no backup yet", false, [] {}, {}, false, false, IDNO},
#ifndef _WIN32
        // Making a symbolic link takes a privilege on Windows, and Wine does not
        // count the names of a file with a second hard link.
        {"a link to the file",
         true,
         [] {
             fs::create_directory("work/real");
             fs::rename("work/DIALOG.INI", "work/real/file.ini");
             fs::create_symlink("real/file.ini", "work/DIALOG.INI");
         },
         {},
         false,
         false,
         IDNO},
        {"a second hard link",
         true,
         [] { fs::create_hard_link("work/DIALOG.INI", "work/other"); },
         {},
         true,
         false,
         IDNO},
#endif
        // As for files of another user: the new files could not be given their owner.
        {"owner cannot be given", true, [] {}, {FileStep::SetOwner}, true, true, IDNO},
        {"read-only folder", true, [] {}, {FileStep::CreateTemporary}, true, true, IDNO},
        {"read-only folder, no backup",
         false,
         [] {},
         {FileStep::CreateTemporary},
         true,
         true,
         IDYES},
    };
    for (const Scenario& scenario : scenarios) {
        const std::string backupBefore = scenario.withBackup ? oldBackup : "";
        const auto run = [&](int at, Kind kind) {
            Fresh(scenario.withBackup);
            scenario.arrange();
            const std::set<std::string> names = Names("work");
            const auto file = InodeOf("work/DIALOG.INI");
            const auto backup = InodeOf("work/DIALOG.bak");
            InstallFaults(scenario.failing, at, kind);
            const SaveOutcome outcome = SaveWith("work/DIALOG.INI", newText, scenario.answer);
            const std::string context = std::string(scenario.name) + ", step " +
                                        std::to_string(at) + ", kind " + std::to_string(kind);
            const std::string text = ReadFile("work/DIALOG.INI");
            EXPECT_TRUE(text == oldText || text == newText) << context;
            EXPECT_EQ(outcome.Saved(), text == newText)
                << context << ": " << ReasonOf(outcome.result);
            EXPECT_EQ(outcome.Saved(), appState.modified == 0) << context;
            const std::string backupAfter = ReadFile("work/DIALOG.bak");
            EXPECT_TRUE(backupAfter == backupBefore || backupAfter == oldText) << context;
            if (outcome.result == SaveResult::Saved) {
                EXPECT_EQ(backupAfter, oldText) << context;
            }
            // A failing removal of the temporary file is the one fault that leaves it.
            if (at < 0 || steps_[at] != FileStep::Remove) {
                std::set<std::string> after = Names("work");
                after.erase("DIALOG.bak");
                std::set<std::string> before = names;
                before.erase("DIALOG.bak");
                EXPECT_EQ(after, before) << context;
                if (fs::exists("work/real")) {
                    EXPECT_EQ(Names("work/real").size(), 1u) << context;
                }
            }
            if (fs::exists("work/other")) {
                EXPECT_EQ(ReadFile("work/other"), text) << context;
            }
            if (fs::exists("work/real")) {
                EXPECT_TRUE(fs::is_symlink("work/DIALOG.INI")) << context;
            }
            if (scenario.fileInPlace) {
                EXPECT_EQ(InodeOf("work/DIALOG.INI"), file) << context;
            }
            if (scenario.backupInPlace && backup != 0) {
                EXPECT_EQ(InodeOf("work/DIALOG.bak"), backup) << context;
            }
            return outcome;
        };
        // A run without a fault saves and counts the steps.
        ASSERT_TRUE(run(-1, Fails).Saved()) << scenario.name;
        const std::vector<FileStep> steps = steps_;
        for (int at = 0; at < static_cast<int>(steps.size()); ++at) {
            run(at, Fails);
            if (steps[at] == FileStep::Write) {
                run(at, ShortWrite);
                run(at, ShortWriteThenFull);
            }
        }
    }
}

TEST_F(SafeSavingTest, aRefusedSave_leavesTheFileAndTheOldBackupAsTheyWere) {
    struct Case {
        std::set<FileStep> failing;
        std::string paneText;
        SaveResult result;
    };
    const Case cases[] = {
        {{FileStep::Open}, newText, SaveResult::CannotOpen}, // a read-only file
        {{}, std::string(1000001, 'x'), SaveResult::TextTooLong},
        {{}, "", SaveResult::NothingToSave},
        {{FileStep::Write}, newText, SaveResult::NotWrittenWhole}, // a full disk
    };
    for (const Case& c : cases) {
        Fresh();
        InstallFaults(c.failing);
        EXPECT_EQ(SaveWith("work/DIALOG.INI", c.paneText).result, c.result) << ReasonOf(c.result);
        EXPECT_EQ(ReadFile("work/DIALOG.INI"), oldText);
        EXPECT_EQ(ReadFile("work/DIALOG.bak"), oldBackup);
        EXPECT_EQ(Names("work").size(), 2u);
    }
}

TEST_F(SafeSavingTest, aBackupNamedLikeALoadedFile_isNotMadeAndTheSaveSaysSo) {
    // An original named like the backup, and a translation whose backup is itself.
    const std::pair<const char*, const char*> cases[] = {
        {"work/../work/DIALOG.bak", "work/DIALOG.INI"}, {"work/EN.INI", "work/DIALOG.bak"}};
    for (const auto& [original, translation] : cases) {
        Fresh(false);
        WriteFile(original, "original");
        WriteFile(translation, oldText);
        SetPath(appState.originalPath, appState.originalPathLength, original);
        EXPECT_EQ(SaveWith(translation, newText).result,
                  SaveResult::SavedWithoutBackupOverLoadedFile);
        EXPECT_EQ(ReadFile(translation), newText);
        EXPECT_EQ(ReadFile(original), "original");
        ASSERT_EQ(platform.messageBoxes.size(), 1u);
        EXPECT_EQ(platform.messageBoxes[0].text,
                  "Die \xDC"
                  "bersetzung wurde ohne Sicherungskopie gespeichert: Die Sicherungsdatei "
                  "tr\xE4gt den Namen einer geladenen Datei und h\xE4tte diese \xFC"
                  "berschrieben.");
    }
}

TEST_F(SafeSavingTest, aSaveInPlaceWithoutABackup_asksFirst) {
    struct Case {
        const char* name;
        void (*arrange)();
        std::set<FileStep> failing;
    };
    // In the last two a folder stands in the backup's place: no backup is made.
    const Case cases[] = {
        {"read-only folder", [] {}, {FileStep::CreateTemporary}},
        {"hard link",
         [] {
             fs::create_hard_link("work/DIALOG.INI", "work/other");
             fs::create_directory("work/DIALOG.bak");
         },
         {}},
        {"file of another user",
         [] { fs::create_directory("work/DIALOG.bak"); },
         {FileStep::SetOwner}},
    };
    for (const Case& c : cases) {
#ifdef _WIN32
        // The C runtime reports one link for every file on Windows, so the
        // writer cannot tell a hard link there yet.
        if (std::string(c.name) == "hard link") continue;
#endif
        for (const int answer : {IDNO, IDYES}) {
            Fresh(false);
            c.arrange();
            InstallFaults(c.failing);
            const SaveOutcome outcome = SaveWith("work/DIALOG.INI", newText, answer);
            ASSERT_EQ(platform.messageBoxes.size(), 1u) << c.name;
            EXPECT_EQ(platform.messageBoxes[0].flags, MB_YESNO | MB_ICONWARNING);
            EXPECT_EQ(outcome.result, answer == IDYES ? SaveResult::SavedWithoutBackup
                                                      : SaveResult::DeclinedNothingKept)
                << c.name;
            EXPECT_EQ(ReadFile("work/DIALOG.INI"), answer == IDYES ? newText : oldText) << c.name;
        }
    }
    // A new file has nothing to lose: no question, and no file.
    InstallFaults({FileStep::CreateTemporary});
    EXPECT_EQ(SaveWith("work/NEW.INI", newText).result, SaveResult::CannotOpen);
    EXPECT_FALSE(fs::exists("work/NEW.INI"));
}

TEST_F(SafeSavingTest, writingElsewhere_neitherWaitsNorLeavesAFileBehind) {
#ifdef _WIN32
    GTEST_SKIP() << "named pipes";
#else
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    const std::tuple<std::set<FileStep>, std::string, SaveResult> cases[] = {
        {{}, "pipe", SaveResult::NotRegularFile},
        {{FileStep::Write}, "new.ini", SaveResult::NotWrittenWhole},
        {{FileStep::Sync}, "new.ini", SaveResult::NotWrittenWhole},
    };
    SetPaneText(TranslationPane, newText);
    for (const auto& [failing, path, result] : cases) {
        InstallFaults(failing);
        EXPECT_EQ(WriteTranslation(path).result, result) << path;
        SetFileFaultHook(nullptr);
        EXPECT_EQ(Names("."), std::set<std::string>{"pipe"}) << path;
    }
#endif
}

} // namespace
