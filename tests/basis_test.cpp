#include "app/paths.h"
#include "documents/Ftnfco.h"
#include "documents/basis.h"
#include "headless_fixture.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

class BasisTest : public HeadlessTest {
  protected:
    char path[PathCapacity] = {};
    std::int32_t length = 0;

    void Remember(const char* text) {
        std::strcpy(path, text);
        length = static_cast<std::int32_t>(std::strlen(text));
    }
};

// A chosen path too long for the path buffer is refused, not cut.
const std::string tooLong = "/" + std::string(PathCapacity, 'a');

TEST_F(BasisTest, openDialog_startsInTheRememberedFolderAndGivesBackTheChosenPath) {
    const std::string title = "Originaldatei \xF6"
                              "ffnen";
    Remember("/data/de/DIALOG.INI");
    platform.openFileAnswers.push_back(std::string("/data/en/dialog.ini"));
    ASSERT_NE(OpenFileDialog(path, length, title.c_str(), 20), 0);

    const FileDialogRequest& request = platform.openFileRequests[0];
    EXPECT_EQ(request.initialDirectory, "/data/de/");
    EXPECT_EQ(request.initialName, "");
    EXPECT_EQ(request.title, title);
    ASSERT_EQ(request.filterCount, 4);
    EXPECT_STREQ(request.filters[2 * (request.filterIndex - 1)], "Alle Dateien (*.*)");
    // Where case tells files apart, capitals would name another file.
    EXPECT_STREQ(path, FileNamesAreCaseSensitive() ? "/data/en/dialog.ini" : "/DATA/EN/DIALOG.INI");
    EXPECT_EQ(length, 19);

    for (std::int32_t remembered : {-1, 0}) {
        Remember("DIALOG.INI");
        length = remembered;
        EXPECT_EQ(OpenFileDialog(path, length, "t", 1), 0);
        EXPECT_EQ(platform.openFileRequests.back().initialDirectory, "");
        EXPECT_EQ(length, remembered);
    }

    Remember("/keep/me.ini");
    platform.openFileAnswers.push_back(tooLong);
    EXPECT_EQ(OpenFileDialog(path, length, "t", 1), 0);
    EXPECT_STREQ(path, "/keep/me.ini");
    EXPECT_EQ(length, 12);
    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes[0].caption, "Error");
}

TEST_F(BasisTest, saveDialog_offersTheRememberedPathAndKeepsItUnlessANameFits) {
    Remember("/out/dialog.ini");
    platform.saveFileAnswers.push_back(tooLong);
    for (int cancelOrTooLong = 0; cancelOrTooLong < 2; ++cancelOrTooLong) {
        EXPECT_EQ(SaveFileDialog(path, length, "t", 1, 1), 0);
        EXPECT_STREQ(path, "/out/dialog.ini");
        EXPECT_EQ(length, 15);
    }
    EXPECT_EQ(platform.saveFileRequests[1].initialName, "/out/dialog.ini");
    EXPECT_TRUE(platform.saveFileRequests[1].overwritePrompt);
    EXPECT_EQ(platform.messageBoxes.size(), 1u);

    platform.saveFileAnswers.push_back(std::string("/out/New.ini"));
    EXPECT_NE(SaveFileDialog(path, length, "t", 1, 1), 0);
    EXPECT_STREQ(path, "/out/New.ini");
    EXPECT_EQ(length, 12);
}

TEST_F(BasisTest, ftnfco_replacesTheTargetAndReportsEveryFailureAsThree) {
    WriteFile("source.ini", "new");
    WriteFile("target.bak", "old and longer");
    std::int16_t status = -1;
    // Names count by their lengths, not by what follows them.
    ftnfco(status, "source.iniXYZ", 10, "target.bak.old", 10);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadFile("target.bak"), "new");

    const std::pair<const char*, const char*> failures[] = {
        {"missing.ini", "copy.ini"},
        {"source.ini", "no/folder/copy.ini"},
#ifndef _WIN32 // Windows has no device that refuses every write.
        {"source.ini", "/dev/full"},
#endif
        {"", "copy.ini"},
        {".", "copy.ini"},
    };
    for (const auto& [source, target] : failures) {
        status = -1;
        ftnfco(status, source, static_cast<int>(std::strlen(source)), target,
               static_cast<int>(std::strlen(target)));
        EXPECT_EQ(status, 3) << source << " -> " << target;
    }
    EXPECT_FALSE(std::filesystem::exists("copy.ini"));
}

} // namespace
