#include "app/settings.h"
#include "documents/file_io.h"
#include "headless_fixture.h"

#include <cerrno>
#include <climits>
#include <gtest/gtest.h>
#include <string>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

// The settings file lies in the test's working directory, where the program
// looks for it.
class SettingsFileTest : public HeadlessTest {
  protected:
    const std::string file_ = "verbodex.ini";

    void Put(const std::string& content) { WriteFile(file_, content); }
    std::string Content() const { return ReadFile(file_); }
    std::string Text(const char* section, const char* key, const char* defaultValue = "?",
                     int capacity = 260) {
        char buffer[260];
        const int count = ReadSettingText(section, key, defaultValue, buffer, capacity);
        EXPECT_EQ(std::string(buffer).size(), static_cast<std::size_t>(count));
        return buffer;
    }
};

TEST_F(SettingsFileTest, namesMatchWithoutCaseTheFirstMatchWinsAndMissingOnesGiveTheDefault) {
    EXPECT_EQ(Text("OPTIONS", "FONTNAME", "Courier"), "Courier"); // no file yet
    EXPECT_EQ(ReadSettingInt("OPTIONS", "FONTHEIGHT", 15), 15);
    Put("; a comment\nKEY=before any section\n[options]\n  FontName  =  Arial Narrow  \n"
        "FONTNAME=second\nquoted=\"  spaced  \"\nequals=a=b\nempty=\nnoequals\n"
        "  [ Path ]  trailing\nORIG=first path\n[OPTIONS]\nLATE=second section\n");
    const struct {
        const char *section, *key, *expected;
    } cases[] = {
        {"Options", " fontname ", "Arial Narrow"},
        {"OPTIONS", "QUOTED", "  spaced  "},
        {"OPTIONS", "EQUALS", "a=b"},
        {"OPTIONS", "EMPTY", ""},
        {"OPTIONS", "NOEQUALS", "?"},
        {"OPTIONS", "KEY", "?"},
        {"OPTIONS", "LATE", "?"},
        {"PATH", "ORIG", "first path"},
        {"PATH", "TRANS", "?"},
        {"MISSING", "ORIG", "?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(c.section, c.key), c.expected) << c.section << "/" << c.key;
    }
    EXPECT_EQ(Text("PATH", "ORIG", "", 6), "first");
    EXPECT_EQ(Text("PATH", "MISSING", "default", 4), "def");
}

TEST_F(SettingsFileTest, integersReadLeadingDigitsWithSign) {
    Put("[N]\na=15\nb=-3\nc=+7\nd=12px\ne=abc\nf=\ng=99999999999\nh=-99999999999\n");
    const std::pair<const char*, int> cases[] = {{"a", 15},      {"b", -3},      {"c", 7},
                                                 {"d", 12},      {"e", 0},       {"f", 77},
                                                 {"g", INT_MAX}, {"h", INT_MIN}, {"x", 77}};
    for (const auto& [key, expected] : cases) {
        EXPECT_EQ(ReadSettingInt("N", key, 77), expected) << key;
    }
}

TEST_F(SettingsFileTest, writingKeepsEveryOtherLineByteForByte) {
    const struct {
        std::string before, after;
    } cases[] = {
        {"", "[PATH]\r\nORIG=new\r\n"},
        {"; mine\n[path]\n  orig = old \nTRANS=t\n[X]\nORIG=x\n",
         "; mine\n[path]\n  orig =new\nTRANS=t\n[X]\nORIG=x\n"},
        {"[PATH]\r\nORIG=a\r\nORIG=b\r\n", "[PATH]\r\nORIG=new\r\nORIG=b\r\n"},
        {"[PATH]\nTRANS=t\n\n[O]\nX=\xE4\x80\n",
         "[PATH]\nTRANS=t\nORIG=new\r\n\n[O]\nX=\xE4\x80\n"},
        {"[PATH]\nTRANS=t", "[PATH]\nTRANS=t\r\nORIG=new\r\n"},
        {"[O]\nX=1", "[O]\nX=1\r\n\r\n[PATH]\r\nORIG=new\r\n"},
        {"[O]\r\nX=1\r\n\r\n", "[O]\r\nX=1\r\n\r\n[PATH]\r\nORIG=new\r\n"},
    };
    for (const auto& c : cases) {
        Put(c.before);
        EXPECT_TRUE(WriteProfileText(file_, "PATH", "ORIG", "new")) << c.before;
        EXPECT_EQ(Content(), c.after) << c.before;
    }
    // The program's own writes go to the file of the working directory.
    std::filesystem::remove(file_);
    WriteSettingText("PATH", "SAVEAS", "/out/DIALOG.INI");
    EXPECT_EQ(Content(), "[PATH]\r\nSAVEAS=/out/DIALOG.INI\r\n");
}

TEST_F(SettingsFileTest, failedOrRefusedWritesLeaveTheFileAsItWas) {
    EXPECT_FALSE(WriteProfileText("no/verbodex.ini", "PATH", "ORIG", "x"));
    EXPECT_FALSE(WriteProfileText(Directory().string(), "PATH", "ORIG", "x"));
    Put("[PATH]\nORIG=old\n");
    // A line break in the value would plant lines of its own in the file.
    EXPECT_FALSE(WriteProfileText(file_, "PATH", "ORIG", "x\r\n[OPTIONS]\r\nFONTHEIGHT=1"));
    EXPECT_FALSE(WriteProfileText(file_, "PATH", "OR=IG", "x"));
    EXPECT_EQ(Content(), "[PATH]\nORIG=old\n");
}

TEST_F(SettingsFileTest, namesThatWouldNotReadBackAreRefusedAndValuesReadBackAsGiven) {
    Put("[PATH]\nORIG=old\n");
    const struct {
        const char *section, *key;
    } refused[] = {
        {"PATH", "["},      {"PATH", " [KEY"}, {"PATH", ";note"}, {"PATH", "A=B"},
        {"PATH", "A\nB"},   {"PATH", ""},      {"PATH", "   "},   {"PA]TH", "ORIG"},
        {"PA\rTH", "ORIG"}, {"", "ORIG"},      {" \t", "ORIG"},
    };
    for (const auto& c : refused) {
        EXPECT_FALSE(WriteProfileText(file_, c.section, c.key, "v")) << c.section << "/" << c.key;
    }
    EXPECT_EQ(Content(), "[PATH]\nORIG=old\n");

    // Blanks at the ends and quotes around the whole survive the reading.
    const char* values[] = {" lead", "trail\t", "\"quoted\"", "'single'", "\"",
                            "'x\"",  "",        "a \"b\" c",  " \" "};
    for (const char* value : values) {
        EXPECT_TRUE(WriteProfileText(file_, "PATH", "TRANS", value)) << value;
        EXPECT_EQ(Text("PATH", "TRANS"), value);
        EXPECT_EQ(Text("PATH", "ORIG"), "old") << value;
    }
    // An ordinary value is written as it is.
    EXPECT_TRUE(WriteProfileText(file_, "PATH", "TRANS", "/a b/DIALOG.INI"));
    EXPECT_EQ(Content(), "[PATH]\nORIG=old\nTRANS=/a b/DIALOG.INI\r\n");
}

TEST_F(SettingsFileTest, theFileIsReplacedOnlyWhenTheNewOneIsWhole_andNeverWaitedOn) {
#ifdef _WIN32
    GTEST_SKIP() << "named pipes";
#else
    Put("[PATH]\r\nORIG=old\r\n");
    SetFileFaultHook(
        [](FileStep step, std::size_t&) { return step == FileStep::Write ? ENOSPC : 0; });
    EXPECT_FALSE(WriteSettingText("PATH", "ORIG", "new"));
    SetFileFaultHook(nullptr);
    EXPECT_EQ(Content(), "[PATH]\r\nORIG=old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."),
                            std::filesystem::directory_iterator()),
              1);
    // A named pipe in its place is neither waited on nor written.
    std::filesystem::remove(file_);
    ASSERT_EQ(::mkfifo(file_.c_str(), 0600), 0);
    EXPECT_EQ(Text("PATH", "ORIG", "default"), "default");
    EXPECT_FALSE(WriteSettingText("PATH", "ORIG", "new"));
#endif
}

} // namespace
