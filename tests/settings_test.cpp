#include "app/settings.h"

#include <atomic>
#include <climits>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        dir_ = fs::temp_directory_path() /
               ("verbodex_settings_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
        fs::create_directories(dir_);
        file_ = (dir_ / "verbodex.ini").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Put(const std::string& content) { std::ofstream(file_, std::ios::binary) << content; }
    std::string Content() const {
        std::ifstream in(file_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string Text(const char* section, const char* key, const char* defaultValue = "?",
                     int capacity = 260) {
        char buffer[260];
        const int count = ReadProfileText(file_, section, key, defaultValue, buffer, capacity);
        EXPECT_EQ(std::string(buffer).size(), static_cast<std::size_t>(count));
        return buffer;
    }

    fs::path dir_;
    std::string file_;
};

TEST_F(SettingsFileTest, missingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(Text("OPTIONS", "FONTNAME", "Courier"), "Courier");
    EXPECT_EQ(ReadProfileInt(file_, "OPTIONS", "FONTHEIGHT", 15), 15);
    Put("[PATH]\r\nORIG=C:\\X\\DIALOG.INI\r\n");
    EXPECT_EQ(Text("PATH", "ORIG", ".\\"), "C:\\X\\DIALOG.INI");
    EXPECT_EQ(Text("PATH", "TRANS", ".\\"), ".\\");
    EXPECT_EQ(ReadProfileInt(file_, "OPTIONS", "FONTHEIGHT", 15), 15);
}

TEST_F(SettingsFileTest, namesMatchWithoutCaseAndTheFirstMatchWins) {
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
        EXPECT_EQ(ReadProfileInt(file_, "N", key, 77), expected) << key;
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
}

TEST_F(SettingsFileTest, failedOrRefusedWritesLeaveTheFileAsItWas) {
    EXPECT_FALSE(WriteProfileText((dir_ / "no" / "verbodex.ini").string(), "PATH", "ORIG", "x"));
    EXPECT_FALSE(WriteProfileText(dir_.string(), "PATH", "ORIG", "x"));
    Put("[PATH]\nORIG=old\n");
    // A line break in the value would plant lines of its own in the file.
    EXPECT_FALSE(WriteProfileText(file_, "PATH", "ORIG", "x\r\n[OPTIONS]\r\nFONTHEIGHT=1"));
    EXPECT_FALSE(WriteProfileText(file_, "PATH", "OR=IG", "x"));
    EXPECT_EQ(Content(), "[PATH]\nORIG=old\n");
}

TEST_F(SettingsFileTest, settingsFileFollowsTheWorkingDirectory) {
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    WriteSettingText("PATH", "SAVEAS", "/out/DIALOG.INI");
    char buffer[260];
    const int count = ReadSettingText("PATH", "SAVEAS", "./", buffer, sizeof buffer);
    fs::current_path(before);
    EXPECT_EQ(count, 15);
    EXPECT_EQ(Content(), "[PATH]\r\nSAVEAS=/out/DIALOG.INI\r\n");
}

} // namespace
