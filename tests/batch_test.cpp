// Runs verbodex-batch as a separate program on golden cases and compares its whole
// output and its exit status. A case is a folder under data/batch/ holding:
//   args             the arguments, one a line
//   expected_stdout  what the program prints on standard output
//   expected_status  its exit status
//   files/           the files the arguments name; the program runs in a copy
//   with_examples    (optional) the example folders de/ and en/ are copied in too
//   expected_files/  (optional) files that must hold exactly these bytes afterwards
#include "run_program.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <string>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

struct RunResult {
    std::string out;
    std::string err;
    int status = -1;
};

// `prefix` runs the program under another one (another user, a time limit).
RunResult RunBatch(const fs::path& directory, const std::vector<std::string>& args,
                   const std::vector<std::string>& prefix = {}) {
    std::vector<std::string> words(prefix.begin(), prefix.end());
    words.push_back(VERBODEX_BATCH);
    words.insert(words.end(), args.begin(), args.end());
    const std::string program = words.front();
    words.erase(words.begin());
    RunResult result;
    result.status = RunProgram(directory, program, words, directory / "batch_stdout.txt",
                               directory / "batch_stderr.txt");
    result.out = ReadAll(directory / "batch_stdout.txt");
    result.err = ReadAll(directory / "batch_stderr.txt");
    fs::remove(directory / "batch_stdout.txt");
    fs::remove(directory / "batch_stderr.txt");
    return result;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

class ScratchDirectory {
  public:
    explicit ScratchDirectory(const std::string& name)
        : path_(MakeScratchFolder("verbodex-batch-" + name + "-")) {}
    ~ScratchDirectory() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(VERBODEX_TEST_DATA) / "batch")) {
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class BatchGolden : public testing::TestWithParam<std::string> {};

TEST_P(BatchGolden, printsTheExpectedMarksAndStatus) {
    fs::path source = fs::path(VERBODEX_TEST_DATA) / "batch" / GetParam();
    ScratchDirectory scratch(GetParam());
    if (fs::exists(source / "files")) {
        fs::copy(source / "files", scratch.path(), fs::copy_options::recursive);
    }
    if (fs::exists(source / "with_examples")) {
        for (const char* side : {"de", "en"}) {
            fs::copy(fs::path(VERBODEX_EXAMPLES) / side, scratch.path() / side);
        }
    }

    RunResult result = RunBatch(scratch.path(), Lines(ReadAll(source / "args")));

    EXPECT_EQ(result.out, ReadAll(source / "expected_stdout")) << result.err;
    EXPECT_EQ(std::to_string(result.status), Lines(ReadAll(source / "expected_status")).at(0))
        << result.err;
    if (fs::exists(source / "expected_files")) {
        for (const auto& entry : fs::recursive_directory_iterator(source / "expected_files")) {
            if (!entry.is_regular_file()) continue;
            fs::path actual =
                scratch.path() / fs::relative(entry.path(), source / "expected_files");
            EXPECT_EQ(ReadAll(actual), ReadAll(entry.path())) << actual;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BatchGolden, testing::ValuesIn(CaseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

struct ErrorCase {
    const char* name;
    std::vector<std::string> args;
    const char* errorFragment;
};

TEST(BatchErrors, usageAndUnreadableFilesGiveStatusTwoWithOneLineOnStandardError) {
    ScratchDirectory scratch("errors");
    std::ofstream(scratch.path() / "DIALOG.INI", std::ios::binary) << "[A]\r\n";
    std::ofstream(scratch.path() / "HELDNUL.INI", std::ios::binary)
        << std::string("A=1\0B=2\r\n", 9);
    std::ofstream(scratch.path() / "BIG.INI", std::ios::binary) << std::string(1000001, 'x');
    fs::create_directory(scratch.path() / "folder");

    const std::vector<ErrorCase> cases = {
        {"unknown format",
         {"check", "DIALOG.INI", "DIALOG.INI", "--format", "xml"},
         "unknown format 'xml' (text, json, sarif or github)"},
        {"--format twice",
         {"check", "DIALOG.INI", "DIALOG.INI", "--format", "json", "--format", "json"},
         "--format given twice"},
        {"--format without FORMAT", {"colour", "DIALOG.INI", "--format"}, "needs a FORMAT"},
        {"--output with folders", {"merge", "folder", "folder", "--output", "x"}, "not folders"},
        {"translation folder is a file",
         {"check", "folder", "DIALOG.INI"},
         "cannot read DIALOG.INI: is not a directory"},
        {"translation folder missing",
         {"check", "folder", "nowhere"},
         "cannot read nowhere: No such file or directory"},
        {"no command", {}, "no command"},
        {"unknown command", {"fix", "DIALOG.INI"}, "unknown command"},
        {"too few files", {"check", "DIALOG.INI"}, "takes 2 files"},
        {"unknown option", {"check", "--fast", "DIALOG.INI", "DIALOG.INI"}, "unknown option"},
        {"missing file", {"check", "DIALOG.INI", "MISSING.INI"}, "cannot read MISSING.INI"},
        {"folder", {"colour", "folder"}, "is a directory"},
        {"empty path", {"colour", ""}, "cannot read : no path given"},
        // An unset variable in a pipeline: no check against an empty original.
        {"empty original", {"check", "", "DIALOG.INI"}, "cannot read : no path given"},
        {"empty original, merge", {"merge", "", "DIALOG.INI"}, "cannot read : no path given"},
        {"NUL byte", {"colour", "HELDNUL.INI"}, "NUL"},
        {"too long", {"check", "BIG.INI", "DIALOG.INI"}, "cannot read BIG.INI"},
#ifndef _WIN32
        {"endless device", {"colour", "/dev/zero"}, "cannot read /dev/zero: is not a regular file"},
#else // the console, which would wait for input
        {"endless device", {"colour", "CON"}, "cannot read CON: is not a regular file"},
#endif
        {"--output without FILE",
         {"merge", "DIALOG.INI", "DIALOG.INI", "--output"},
         "needs a FILE"},
        {"--help not first", {"check", "DIALOG.INI", "--help"}, "unknown option '--help'"},
        {"-h", {"-h"}, "unknown command '-h'"},
    };
    for (const ErrorCase& c : cases) {
        RunResult result = RunBatch(scratch.path(), c.args);
        EXPECT_EQ(result.status, 2) << c.name;
        EXPECT_EQ(result.out, "") << c.name;
        EXPECT_NE(result.err.find(c.errorFragment), std::string::npos)
            << c.name << ": " << result.err;
        EXPECT_EQ(Lines(result.err).size(), 1u) << c.name << ": " << result.err;
    }
}

TEST(BatchHelp, printsTheUsageAndSucceeds) {
    ScratchDirectory scratch("help");
    RunResult result = RunBatch(scratch.path(), {"--help"});
    EXPECT_EQ(result.status, 0);
    for (const char* part :
         {"verbodex-batch check ORIGINAL TRANSLATION", "check|merge ORIGINAL_DIR TRANSLATION_DIR",
          "--format json", "--format sarif", "--format github"}) {
        EXPECT_NE(result.out.find(part), std::string::npos) << part;
    }
}

TEST(BatchMerge, savesTheMergedTranslationWithABackup) {
    ScratchDirectory scratch("merge-save");
    std::ofstream(scratch.path() / "DE_DIALOG.INI", std::ios::binary)
        << "[A]\r\nX=\"1\"\r\nY=\"2\"\r\n";
    std::ofstream(scratch.path() / "DIALOG.INI", std::ios::binary) << "[A]\r\nX=\"one\"\r\n";

    RunResult result = RunBatch(scratch.path(), {"merge", "DE_DIALOG.INI", "DIALOG.INI"});

    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "DE_DIALOG.INI:1:1-3: blue\nDIALOG.INI:1:1-3: blue\n"
                          "DIALOG.INI:3:1-5: magenta\n");
    EXPECT_EQ(ReadAll(scratch.path() / "DIALOG.INI"), "[A]\r\nX=\"one\"\r\nY=\"2\"\r\n");
    EXPECT_EQ(ReadAll(scratch.path() / "DIALOG.bak"), "[A]\r\nX=\"one\"\r\n");
}

TEST(BatchMerge, onAMaskPairDoesNothingAndWritesNothing) {
    const std::string original = " 20  10   3\r\nKurz\r\n";
    const std::string translation = " 20  10   3\r\nA line wider than twenty\r\n";
    for (const std::vector<std::string>& extraArgs :
         {std::vector<std::string>{}, std::vector<std::string>{"--output", "OUT.MSK"}}) {
        ScratchDirectory scratch("merge-mask");
        fs::create_directories(scratch.path() / "de");
        fs::create_directories(scratch.path() / "en");
        std::ofstream(scratch.path() / "de" / "M0001.MSK", std::ios::binary) << original;
        std::ofstream(scratch.path() / "en" / "M0001.MSK", std::ios::binary) << translation;
        std::vector<std::string> args = {"merge", "de/M0001.MSK", "en/M0001.MSK"};
        args.insert(args.end(), extraArgs.begin(), extraArgs.end());

        RunResult result = RunBatch(scratch.path(), args);

        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
        // Only the colours of the loads: the merge marks nothing.
        EXPECT_EQ(result.out, "de/M0001.MSK:1:1-11: blue\nen/M0001.MSK:1:1-11: blue\n");
        EXPECT_EQ(ReadAll(scratch.path() / "en" / "M0001.MSK"), translation);
        EXPECT_FALSE(fs::exists(scratch.path() / "en" / "M0001.bak"));
        EXPECT_FALSE(fs::exists(scratch.path() / "OUT.MSK"));
    }
}

struct MergeCase {
    const char* name;
    std::string original;
    std::string translation;
    std::vector<std::string> extraArgs;
    int status;
    const char* errorFragment; // nullptr: nothing on standard error
    // Files after the run; nullopt: the file must not exist.
    std::vector<std::pair<std::string, std::optional<std::string>>> after;
};

TEST(BatchMerge, writesOnlyTheFileItShould) {
    const std::string original = "[A]\r\nX=\"1\"\r\nY=\"a twenty-char text.\"\r\n";
    const std::string translation = "[A]\r\nX=\"one\"\r\n";
    const std::string merged = translation + "Y=\"a twenty-char text.\"\r\n";
    // The translation pane takes 999,990 characters; the carried-over entry does
    // not fit into this one (a line end counts one character in the pane).
    const std::string full = "[A]\r\nX=\"" + std::string(999971, 'x') + "\"\r\n";

    const std::vector<MergeCase> cases = {
        {"unchanged empty pair", "", "", {}, 0, nullptr, {{"DIALOG.INI", ""}, {"DIALOG.bak", {}}}},
        {"unchanged complete pair",
         translation,
         translation,
         {},
         0,
         nullptr,
         {{"DIALOG.INI", translation}, {"DIALOG.bak", {}}}},
        {"output beside an unrelated .bak",
         original,
         translation,
         {"--output", "OUT.INI"},
         0,
         nullptr,
         {{"OUT.INI", merged},
          {"OUT.bak", "unrelated"},
          {"DIALOG.INI", translation},
          {"DIALOG.bak", {}}}},
        {"output named --help",
         original,
         translation,
         {"--output", "--help"},
         0,
         nullptr,
         {{"--help", merged}}},
        {"output to a folder",
         original,
         translation,
         {"--output", "folder"},
         2,
         "cannot write folder",
         {{"DIALOG.INI", translation}}},
        {"full translation pane",
         original,
         full,
         {},
         2,
         "DIALOG.INI: the translation pane is full",
         {{"DIALOG.INI", full}, {"DIALOG.bak", {}}}},
    };
    for (const MergeCase& c : cases) {
        ScratchDirectory scratch("merge-writes");
        std::ofstream(scratch.path() / "DE_DIALOG.INI", std::ios::binary) << c.original;
        std::ofstream(scratch.path() / "DIALOG.INI", std::ios::binary) << c.translation;
        std::ofstream(scratch.path() / "OUT.INI", std::ios::binary) << "old";
        std::ofstream(scratch.path() / "OUT.bak", std::ios::binary) << "unrelated";
        fs::create_directory(scratch.path() / "folder");
        std::vector<std::string> args = {"merge", "DE_DIALOG.INI", "DIALOG.INI"};
        args.insert(args.end(), c.extraArgs.begin(), c.extraArgs.end());

        RunResult result = RunBatch(scratch.path(), args);

        EXPECT_EQ(result.status, c.status) << c.name << ": " << result.err;
        if (c.errorFragment == nullptr) {
            EXPECT_EQ(result.err, "") << c.name;
        } else {
            EXPECT_NE(result.err.find(c.errorFragment), std::string::npos)
                << c.name << ": " << result.err;
            EXPECT_EQ(Lines(result.err).size(), 1u) << c.name << ": " << result.err;
        }
        for (const auto& [name, content] : c.after) {
            fs::path path = scratch.path() / name;
            if (content) {
                EXPECT_EQ(ReadAll(path), *content) << c.name << ": " << name;
            } else {
                EXPECT_FALSE(fs::exists(path)) << c.name << ": " << name;
            }
        }
    }
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

const std::string mergeOriginal = "[A]\r\nX=\"1\"\r\nY=\"2\"\r\n";
const std::string mergeTranslation = "[A]\r\nX=\"one\"\r\n";
const std::string merged = mergeTranslation + "Y=\"2\"\r\n";

TEST(BatchMerge, anOriginalNamedLikeTheBackup_isLeftAsItWas_andAPipeIsNoOutput) {
    ScratchDirectory scratch("merge-original-bak");
    WriteAll(scratch.path() / "DIALOG.bak", mergeOriginal);
    WriteAll(scratch.path() / "DIALOG.INI", mergeTranslation);
    RunResult result = RunBatch(scratch.path(), {"merge", "DIALOG.bak", "DIALOG.INI"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadAll(scratch.path() / "DIALOG.bak"), mergeOriginal);
    EXPECT_EQ(ReadAll(scratch.path() / "DIALOG.INI"), merged);
    EXPECT_EQ(result.err, "verbodex-batch: DIALOG.INI: saved without a backup: the backup's "
                          "name is that of a loaded file, which was left as it was\n");
    // The documents tell it too: a pipeline that reads only them learns that the
    // old translation is kept nowhere, and that the run succeeded all the same.
    const std::string warning = "DIALOG.INI: saved without a backup";
    for (const char* format : {"json", "sarif"}) {
        WriteAll(scratch.path() / "DIALOG.INI", mergeTranslation);
        result =
            RunBatch(scratch.path(), {"merge", "DIALOG.bak", "DIALOG.INI", "--format", format});
        EXPECT_EQ(result.status, 0) << format;
        EXPECT_NE(result.out.find(warning), std::string::npos) << format << result.out;
    }
    EXPECT_NE(result.out.find("{\"level\": \"warning\", \"message\": {\"text\": \"" + warning),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("\"executionSuccessful\": true"), std::string::npos);

    // The original is never written, not even when --output names it.
    WriteAll(scratch.path() / "DIALOG.INI", mergeTranslation);
    result =
        RunBatch(scratch.path(), {"merge", "DIALOG.bak", "DIALOG.INI", "--output", "./DIALOG.bak"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "verbodex-batch: cannot write ./DIALOG.bak: it is the original\n");
    EXPECT_EQ(ReadAll(scratch.path() / "DIALOG.bak"), mergeOriginal);
    EXPECT_EQ(ReadAll(scratch.path() / "DIALOG.INI"), mergeTranslation);

#ifndef _WIN32 // Windows has no named pipes among the files of a folder.
    // A named pipe without a reader is refused at once instead of waited on.
    ASSERT_EQ(::mkfifo((scratch.path() / "pipe").c_str(), 0600), 0);
    result = RunBatch(scratch.path(), {"merge", "DIALOG.bak", "DIALOG.INI", "--output", "pipe"},
                      {"timeout", "60"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "verbodex-batch: cannot write pipe: is not a regular file\n");
#endif
}

#ifndef _WIN32
// A report that cannot be written is no clean run, in every format and command.
TEST(BatchOutput, aFullStandardOutputGivesStatusTwo) {
    ScratchDirectory scratch("full-output");
    WriteAll(scratch.path() / "DIALOG.INI", "[A]\r\nX=\"one\"\r\nY=\"one\"\r\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"colour", "DIALOG.INI"},
          {"colour", "DIALOG.INI", "--format", "sarif"},
          {"check", "DIALOG.INI", "DIALOG.INI", "--format", "json"},
          {"repeats", "DIALOG.INI"},
          {"--help"}}) {
        const RunResult result =
            RunBatch(scratch.path(), args, {"sh", "-c", "exec \"$0\" \"$@\" > /dev/full"});
        EXPECT_EQ(result.status, 2) << args[0];
        EXPECT_EQ(result.err, "verbodex-batch: cannot write standard output\n") << args[0];
    }
}
#endif

// Files of other users: the batch tool runs as user 4242 with setpriv, which
// needs the test to run as root (as CI does).
TEST(BatchMergeAsAnotherUser, keepsTheTranslationAndTheBackupWholeOrAsTheyWere) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX users, owners and permissions (setpriv, chown, chmod)";
#else
    if (::geteuid() != 0 || std::system("command -v setpriv >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "needs root and setpriv";
    }
    constexpr unsigned user = 4242;
    constexpr unsigned other = 4343;
    const std::vector<std::string> asUser = {"setpriv",        "--reuid=4242", "--regid=4242",
                                             "--clear-groups", "timeout",      "60"};
    struct Case {
        const char* name;
        mode_t folderMode;      // the folder belongs to root, group 4242
        mode_t translationMode; // the translation belongs to 4242
        bool backupOfOther;     // DIALOG.bak of user 4343, writable by the group
        int status;
        std::string translation, backup; // afterwards; "" for no backup
    };
    const Case cases[] = {
        {"backup of another user", 02775, 0664, true, 0, merged, mergeTranslation},
        {"read-only translation", 02775, 0444, true, 2, mergeTranslation, "older"},
        // No backup and no temporary file possible: the editor would ask; No.
        {"read-only folder", 0755, 0644, false, 2, mergeTranslation, ""},
    };
    for (const Case& c : cases) {
        ScratchDirectory scratch("merge-as-user");
        const fs::path folder = scratch.path() / "shared";
        fs::create_directory(folder);
        WriteAll(folder / "DE_DIALOG.INI", mergeOriginal);
        WriteAll(folder / "DIALOG.INI", mergeTranslation);
        ASSERT_EQ(::chown((folder / "DIALOG.INI").c_str(), user, user), 0);
        ASSERT_EQ(::chmod((folder / "DIALOG.INI").c_str(), c.translationMode), 0);
        if (c.backupOfOther) {
            WriteAll(folder / "DIALOG.bak", "older");
            ASSERT_EQ(::chown((folder / "DIALOG.bak").c_str(), other, user), 0);
            ASSERT_EQ(::chmod((folder / "DIALOG.bak").c_str(), 0664), 0);
        }
        ASSERT_EQ(::chown(folder.c_str(), 0, user), 0);
        ASSERT_EQ(::chmod(folder.c_str(), c.folderMode), 0);

        RunResult result = RunBatch(folder, {"merge", "DE_DIALOG.INI", "DIALOG.INI"}, asUser);

        EXPECT_EQ(result.status, c.status) << c.name << ": " << result.err;
        EXPECT_EQ(ReadAll(folder / "DIALOG.INI"), c.translation) << c.name;
        EXPECT_EQ(ReadAll(folder / "DIALOG.bak"), c.backup) << c.name;
        struct stat backup {};
        if (c.backupOfOther && ::stat((folder / "DIALOG.bak").c_str(), &backup) == 0) {
            EXPECT_EQ(backup.st_uid, other) << c.name;
        }
        std::size_t names = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
            ++names;
        EXPECT_EQ(names, c.backupOfOther ? 3u : 2u) << c.name << ": a file was left behind";
    }
#endif
}

} // namespace
