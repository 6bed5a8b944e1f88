#include "app/app_state.h"
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
        std::memset(path, ' ', sizeof path);
        std::memcpy(path, text, std::strlen(text));
        length = static_cast<std::int32_t>(std::strlen(text));
    }
};

const char OpenTitle[] = "Originaldatei \xF6"
                         "ffnen";

TEST_F(BasisTest, openDialog_startsInTheRememberedFolderWithAnEmptyNameAndAllFiles) {
    Remember("/data/de/DIALOG.INI");
    OpenFileDialog(path, length, OpenTitle, 20);

    ASSERT_EQ(platform.openFileRequests.size(), 1u);
    const FileDialogRequest& request = platform.openFileRequests[0];
    EXPECT_EQ(request.initialDirectory, "/data/de/");
    EXPECT_EQ(request.initialName, "");
    EXPECT_EQ(request.title, OpenTitle);
    EXPECT_TRUE(request.pathMustExist);
    EXPECT_FALSE(request.overwritePrompt);
    ASSERT_EQ(request.filterCount, 4);
    EXPECT_EQ(request.filterIndex, 4);
    EXPECT_STREQ(request.filters[2 * (request.filterIndex - 1)], "Alle Dateien (*.*)");
    EXPECT_STREQ(request.filters[4], "Men\xFC"
                                     "dateien (*.mnu)");
    EXPECT_STREQ(request.filters[5], "*.mnu");
}

TEST_F(BasisTest, openDialog_withoutAFolderInThePath_letsThePlatformChoose) {
    for (const char* remembered : {"DIALOG.INI", ""}) {
        Remember(remembered);
        OpenFileDialog(path, length, OpenTitle, 20);
        EXPECT_EQ(platform.openFileRequests.back().initialDirectory, "") << remembered;
    }
    length = -1;
    OpenFileDialog(path, length, OpenTitle, 20);
    EXPECT_EQ(platform.openFileRequests.back().initialDirectory, "");
    EXPECT_EQ(length, -1);
}

TEST_F(BasisTest, openDialog_givesBackTheChosenPathEndedByNul) {
    Remember("/old/place/a.ini");
    platform.openFileAnswers.push_back(std::string("/data/en/dialog.ini"));

    ASSERT_NE(OpenFileDialog(path, length, OpenTitle, 20), 0);
    EXPECT_EQ(length, 19);
    EXPECT_EQ(path[19], '\0');
    // Where case tells files apart, capitals would name another file.
    EXPECT_STREQ(path, FileNamesAreCaseSensitive() ? "/data/en/dialog.ini" : "/DATA/EN/DIALOG.INI");
}

TEST_F(BasisTest, cancelledDialogs_leaveTheRememberedPathAsItWas) {
    Remember("/data/de/DIALOG.INI");
    EXPECT_EQ(OpenFileDialog(path, length, OpenTitle, 20), 0);
    EXPECT_STREQ(path, "/data/de/DIALOG.INI");
    EXPECT_EQ(length, 19);

    EXPECT_EQ(SaveFileDialog(path, length, "x", 1, 1), 0);
    EXPECT_STREQ(path, "/data/de/DIALOG.INI");
    EXPECT_EQ(length, 19);
}

TEST_F(BasisTest, saveDialog_offersTheRememberedPathAndKeepsTheCaseTyped) {
    Remember("/out/dialog.ini");
    platform.saveFileAnswers.push_back(std::string("/out/dialog.ini"));

    ASSERT_NE(SaveFileDialog(path, length, "t", 1, 1), 0);
    const FileDialogRequest& request = platform.saveFileRequests[0];
    EXPECT_EQ(request.initialName, "/out/dialog.ini");
    EXPECT_EQ(request.initialDirectory, "");
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_EQ(request.filterIndex, 4);
    EXPECT_STREQ(path, "/out/dialog.ini");
    EXPECT_EQ(length, 15);

    length = -1;
    SaveFileDialog(path, length, "t", 1, 0);
    EXPECT_EQ(platform.saveFileRequests[1].initialName, "");
    EXPECT_FALSE(platform.saveFileRequests[1].overwritePrompt);
    EXPECT_EQ(length, 0);
}

TEST_F(BasisTest, aChosenPathTooLongForThePathBuffer_isRefusedNotCut) {
    const std::string tooLong = "/" + std::string(PathCapacity, 'a');
    Remember("/keep/me.ini");
    platform.openFileAnswers.push_back(tooLong);
    platform.saveFileAnswers.push_back(tooLong);

    EXPECT_EQ(OpenFileDialog(path, length, OpenTitle, 20), 0);
    EXPECT_EQ(SaveFileDialog(path, length, "t", 1, 1), 0);

    EXPECT_STREQ(path, "/keep/me.ini");
    EXPECT_EQ(length, 12);
    ASSERT_EQ(platform.messageBoxes.size(), 2u);
    EXPECT_EQ(platform.messageBoxes[0].caption, "Error");
    EXPECT_NE(platform.messageBoxes[0].text.find("zu lang"), std::string::npos);
}

TEST_F(BasisTest, ftnfco_copiesOverAnExistingTargetAndReportsEveryFailureAsThree) {
    WriteFile("source.ini", "new");
    WriteFile("target.bak", "old and longer");
    std::int16_t status = -1;
    ftnfco(status, "source.ini", 10, "target.bak", 10);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadFile("target.bak"), "new");

    struct Case {
        const char* source;
        int sourceLength;
        const char* target;
        int targetLength;
    };
    const Case failures[] = {
        {"missing.ini", 11, "copy.ini", 8},
        {"source.ini", 10, "no/such/folder/copy.ini", 23},
        {"source.ini", 10, "/dev/full", 9},
        {"source.ini", 0, "copy.ini", 8},
        {".", 1, "copy.ini", 8},
    };
    for (const Case& c : failures) {
        status = -1;
        ftnfco(status, c.source, c.sourceLength, c.target, c.targetLength);
        EXPECT_EQ(status, 3) << c.source << " -> " << c.target;
    }
    EXPECT_FALSE(std::filesystem::exists("copy.ini"));
}

TEST_F(BasisTest, ftnfco_takesNamesByTheirLengthsNotByWhatFollows) {
    WriteFile("a.ini", "text");
    std::int16_t status = -1;
    ftnfco(status, "a.iniXYZ   ", 5, "b.ini.old", 5);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadFile("b.ini"), "text");
    EXPECT_FALSE(std::filesystem::exists("b.ini.old"));
}

} // namespace
