// "Diff": the configured comparison program receives both paths, each as one
// whole argument of its own bytes, and no shell ever reads them. A small script
// stands in for the program and writes the arguments it received to a file.
#include "documents/comparison.h"
#include "documents_fixture.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#endif
#include <vector>

namespace {

TEST(SplitCommandWords, splitsAtBlanksAndGroupsByDoubleQuotes) {
    struct Case {
        const char* command;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"viewer", {"viewer"}},
        {"  viewer \t-a  -b ", {"viewer", "-a", "-b"}},
        {"\"C:\\Program Files\\View\\view.exe\" /x", {"C:\\Program Files\\View\\view.exe", "/x"}},
        {"a\"b c\"d e", {"ab cd", "e"}},
        {"view \"\" x", {"view", "", "x"}},
        {"view \"say \"\"hi\"\"\"", {"view", "say \"hi\""}},
        {"view \"open end", {"view", "open end"}},
        {"view a;b $(x) `y` >out |z", {"view", "a;b", "$(x)", "`y`", ">out", "|z"}},
        {"   ", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitCommandWords(c.command), c.words) << c.command;
    }
}

class ComparisonTest : public DocumentsTest {
  protected:
    // The stand-in program, in a folder whose name holds a blank: it writes each
    // argument it received, each ended by a NUL, to arguments.out beside it.
    std::string WriteViewer() {
        std::filesystem::create_directories("with blank");
#ifdef _WIN32
        // A program that Windows starts; it writes what its runtime read from the
        // command line.
        const std::filesystem::path copy = Directory() / "with blank" / "viewer.exe";
        std::filesystem::copy_file(VERBODEX_ARGUMENT_ECHO, copy);
        return copy.string();
#else
        const std::string path = (Directory() / "with blank" / "viewer.sh").string();
        WriteFile(path, "#!/bin/sh\n"
                        "out=\"$(dirname \"$0\")/arguments.out\"\n"
                        "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$out.part\"\n"
                        "mv \"$out.part\" \"$out\"\n");
        ::chmod(path.c_str(), 0755);
        return path;
#endif
    }

    // A word in double quotes; built by appending, which GCC 12 does not take for
    // an overlapping copy under -O2 (-Wrestrict), as it does "\"" + word.
    static std::string Quoted(const std::string& word) {
        std::string quoted(1, '"');
        quoted += word;
        quoted += '"';
        return quoted;
    }

    void Configure(const std::string& diffview) {
        WriteFile("verbodex.ini", "[PATH]\r\nDIFFVIEW=" + diffview + "\r\n");
    }

    // The arguments the stand-in wrote; it runs on its own, so wait for them.
    std::vector<std::string> ReceivedArguments() {
        const std::filesystem::path out = Directory() / "with blank" / "arguments.out";
        for (int i = 0; i < 1000 && !std::filesystem::exists(out); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::vector<std::string> arguments;
        std::string current;
        for (char c : ReadFile(out)) {
            if (c == '\0') {
                arguments.push_back(current);
                current.clear();
            } else {
                current += c;
            }
        }
        return arguments;
    }
};

TEST_F(ComparisonTest, diff_passesEachPathWholeAndLiterallyWithoutAShell) {
    const std::string viewer = WriteViewer();
    // (A value that began and ended with a quote would lose both, as every
    // settings value does.)
    Configure("\"" + viewer + "\" \"files, please\" --two");
    // Together longer than 260 characters, with blanks, a separator of commands,
    // a substitution, quotes and a line break; none of it means anything here.
    const std::string original = std::string(120, 'o') + "/de dir/A; rm -rf x $(touch y).MNU";
    const std::string translation = std::string(120, 't') + "/\"en\" 'dir'\nB `z` >w.MNU";
    SetPath(appState.originalPath, appState.originalPathLength, original);
    SetPath(appState.translationPath, appState.translationPathLength, translation);

    platform.Click(IdDiff);

    ASSERT_EQ(platform.startedProcesses.size(), 1u);
    EXPECT_TRUE(platform.startedProcesses[0].started);
    EXPECT_EQ(platform.startedProcesses[0].program, viewer);
    const std::vector<std::string> expected = {"files, please", "--two", original, translation};
    EXPECT_EQ(platform.startedProcesses[0].arguments, expected);
    EXPECT_EQ(ReceivedArguments(), expected);
    EXPECT_FALSE(std::filesystem::exists("y"));
    EXPECT_FALSE(std::filesystem::exists("w.MNU"));
#ifndef _WIN32
    // The program runs detached: nothing of it is left for this process to reap.
    // (Windows has no children to reap: the started program's handles are closed
    // at once.)
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
#endif
}

TEST_F(ComparisonTest, diff_passesBackslashesAndQuotesAsTheyAre) {
    // Backslashes are escapes on a Windows command line only before a double
    // quote, the closing one among them: a folder's trailing backslash, a
    // backslash before a quote and a network share all arrive as written.
    Configure(Quoted(WriteViewer()) + " \\\\server\\share");
    const std::string original = "C:\\Data Files\\";
    const std::string translation = "a\\\"b \\\\\" c\\\\";
    SetPath(appState.originalPath, appState.originalPathLength, original);
    SetPath(appState.translationPath, appState.translationPathLength, translation);

    platform.Click(IdDiff);

    const std::vector<std::string> expected = {"\\\\server\\share", original, translation};
    EXPECT_EQ(ReceivedArguments(), expected);
}

TEST_F(ComparisonTest, diff_neitherSavesNorAsksAboutTheTranslation) {
    WriteFile("B001.MNU", "on disk\r\n");
    Load(LoadTranslationCommand, "B001.MNU");
    Type("changed ");
    ASSERT_EQ(appState.modified, 1);
    Configure(Quoted(WriteViewer()) + " --now");

    platform.Click(IdDiff);

    const std::vector<std::string> arguments = ReceivedArguments();
    ASSERT_EQ(arguments.size(), 3u);
    EXPECT_EQ(arguments[2], "B001.MNU");
    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_EQ(ReadFile("B001.MNU"), "on disk\r\n");
    EXPECT_EQ(appState.modified, 1);
}

TEST_F(ComparisonTest, diff_withoutAProgramDoesNothingAndAMissingOneFailsQuietly) {
    for (const char* settings : {"", "[PATH]\r\nTRANS=x\r\n", "[PATH]\r\nDIFFVIEW=   \r\n"}) {
        WriteFile("verbodex.ini", settings);
        platform.Click(IdDiff);
        EXPECT_TRUE(platform.startedProcesses.empty()) << settings;
    }
    // Read afresh on every click.
    Configure("./no-such-viewer");
    platform.Click(IdDiff);
    ASSERT_EQ(platform.startedProcesses.size(), 1u);
    EXPECT_FALSE(platform.startedProcesses[0].started);
    EXPECT_TRUE(platform.messageBoxes.empty());
}

} // namespace
