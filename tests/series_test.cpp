// "<<" and ">>": both panes step through a numbered series of menu or mask
// files, driven through the dispatcher as the translator clicks.
#include "app/paths.h"
#include "documents_fixture.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A menu pair whose colon fields differ, so that a check marks it red.
const char menuOriginal[] = "M0100      K1:DATEI :'&Datei\r\n";
const char menuTranslation[] = "M0100      K1:FILE  :'&File\r\n";

class SeriesTest : public DocumentsTest {
  protected:
    void WriteMenus(const std::string& original, const std::string& translation,
                    std::initializer_list<int> numbers) {
        for (int number : numbers) {
            WriteFile(Numbered(original, number), menuOriginal);
            WriteFile(Numbered(translation, number), menuTranslation);
        }
    }

    // "A" and 5 give "A005.MNU".
    static std::string Numbered(const std::string& stem, int number) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%03d", number);
        return stem + digits + ".MNU";
    }

    void Open(const std::string& original, const std::string& translation) {
        Load(LoadOriginalCommand, original);
        Load(LoadTranslationCommand, translation);
        ClearRecords();
    }

    void ClearRecords() {
        platform.sentCommands.clear();
        platform.postedCommands.clear();
        platform.messageBoxes.clear();
    }

    // The loads sent, in order.
    std::vector<std::uint32_t> Loads() {
        std::vector<std::uint32_t> loads;
        for (std::uint32_t command : platform.sentCommands) {
            if (command == MakeCommand(LoadOriginalCommand) ||
                command == MakeCommand(LoadTranslationCommand)) {
                loads.push_back(command);
            }
        }
        return loads;
    }

    std::string OriginalPath() {
        return PathText(appState.originalPath, appState.originalPathLength);
    }
    std::string TranslationPath() {
        return PathText(appState.translationPath, appState.translationPathLength);
    }
};

TEST_F(SeriesTest, next_loadsBothFilesOfTheNextNumberShowsItAndChecksOnce) {
    WriteMenus("A", "B", {5, 6});
    Open("A005.MNU", "B005.MNU");

    platform.Click(IdSeriesNext);

    EXPECT_EQ(OriginalPath(), "A006.MNU");
    EXPECT_EQ(TranslationPath(), "B006.MNU");
    EXPECT_EQ(platform.GetControlText(IdOriginalPathEdit), "A006.MNU");
    EXPECT_EQ(platform.GetControlText(IdSeriesNumber), "006");
    // Translation first, then the original, which decides the kind.
    EXPECT_EQ(Loads(), (std::vector<std::uint32_t>{MakeCommand(LoadTranslationCommand),
                                                   MakeCommand(LoadOriginalCommand)}));
    EXPECT_EQ(appState.fileKind, FileKind::Menu);
    // The check is posted, not run inside the step, and runs once.
    EXPECT_EQ(LineColours(TranslationPane), "K-");
    EXPECT_EQ(platform.postedCommands, std::vector<std::uint32_t>{MakeCommand(IdCheck)});
    platform.RunPostedCommands();
    EXPECT_EQ(LineColours(TranslationPane), "?-");
    EXPECT_EQ(appState.modified, 0);
}

TEST_F(SeriesTest, stepsThatChangeNothingStillAskToSaveFirst) {
    struct Case {
        const char* name;
        std::string original;
        std::string translation;
        int command;
    };
    const Case cases[] = {
        {"below 000", "A000.MNU", "B000.MNU", IdSeriesPrevious},
        {"past 999", "A999.MNU", "B999.MNU", IdSeriesNext},
        {"past 9999", "M9999.MSK", "N9999.MSK", IdSeriesNext},
        {"dialog-text pair", "DIALOG.INI", "DIALOG.INI", IdSeriesNext},
        {"dialog-text pair backwards", "DIALOG.INI", "DIALOG.INI", IdSeriesPrevious},
        {"no number in the field", "MENU.MNU", "MENU.MNU", IdSeriesNext},
        {"field of letters and digits", "A0X5.MNU", "B005.MNU", IdSeriesNext},
        {"translation too short", "A005.MNU", "B.MNU", IdSeriesNext},
        {"original too short", "05.MNU", "B005.MNU", IdSeriesNext},
        {"mask field needs four characters", "005.MSK", "N0005.MSK", IdSeriesNext},
        // The number would be written over the folder's separator, and the
        // translation would move to the parent folder (en006.MNU).
        {"translation name shorter than the field", "de/MENU005.MNU", "en/M5.MNU", IdSeriesNext},
        {"translation name shorter than the mask field", "de/M0005.MSK", "en/N05.MSK",
         IdSeriesPrevious},
    };
    std::filesystem::create_directory("de");
    std::filesystem::create_directory("en");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(c.original, menuOriginal);
        WriteFile(c.translation, menuTranslation);
        Open(c.original, c.translation);
        platform.SetControlText(IdSeriesNumber, "old");
        Type("changed ");
        ClearRecords();
        platform.messageBoxAnswers.push_back(IDNO);

        platform.Click(c.command);

        ASSERT_EQ(platform.messageBoxes.size(), 1u);
        EXPECT_EQ(platform.messageBoxes[0].caption, "Verbodex");
        EXPECT_EQ(OriginalPath(), c.original);
        EXPECT_EQ(TranslationPath(), c.translation);
        EXPECT_TRUE(Loads().empty());
        EXPECT_TRUE(platform.postedCommands.empty());
        EXPECT_EQ(platform.GetControlText(IdSeriesNumber), "old");
        // After "No" the changed text stays in the pane but counts as not modified.
        EXPECT_EQ(PaneLines(TranslationPane)[0].rfind("changed ", 0), 0u);
        EXPECT_EQ(appState.modified, 0);
    }
}

TEST_F(SeriesTest, unsavedChangesDroppedWithNo_areNotAskedAboutAgainDuringTheReloads) {
    WriteMenus("A", "B", {5, 7});
    Open("A005.MNU", "B005.MNU");
    platform.Click(IdExistOriginal);
    Type("changed ");
    platform.messageBoxAnswers.push_back(IDNO);

    platform.Click(IdSeriesNext);

    EXPECT_EQ(OriginalPath(), "A007.MNU");
    EXPECT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(ReadFile("B005.MNU"), menuTranslation);
    EXPECT_EQ(PaneLines(TranslationPane)[0], "M0100      K1:FILE  :'&File");
    EXPECT_EQ(appState.modified, 0);
}

TEST_F(SeriesTest, existBoxes_skipNumbersMissingOnTheirSideUpToThePairThatExists) {
    struct Case {
        const char* name;
        bool existOriginal;
        bool existTranslation;
        std::vector<int> originals;
        std::vector<int> translations;
        int command;
        int from;
        int endsAt;
        int loadPairs;
        bool checks;
    };
    const Case cases[] = {
        {"original side", true, false, {6, 9}, {6, 7, 8, 9}, IdSeriesNext, 6, 9, 3, true},
        {"translation side", false, true, {6, 7, 8, 9}, {6, 9}, IdSeriesNext, 6, 9, 3, true},
        {"both sides, missing in turn",
         true,
         true,
         {6, 8, 9},
         {6, 7, 9},
         IdSeriesNext,
         6,
         9,
         3,
         true},
        {"backwards", true, false, {9, 6}, {9, 8, 7, 6}, IdSeriesPrevious, 9, 6, 3, true},
        // The box of the other side does not skip.
        {"wrong box", false, true, {6, 9}, {6, 7, 8, 9}, IdSeriesNext, 6, 7, 1, false},
        {"no box", false, false, {6, 9}, {6, 9}, IdSeriesNext, 6, 7, 1, false},
        // The bounds end the skipping: 001 going down, 999 going up, both loaded.
        {"down to 001", true, true, {5}, {5}, IdSeriesPrevious, 5, 1, 4, false},
        {"up to 999", true, true, {996}, {996}, IdSeriesNext, 996, 999, 3, false},
        {"starting at 002", true, true, {2, 1}, {2}, IdSeriesPrevious, 2, 1, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Each case's series in a folder of its own.
        std::filesystem::create_directory(c.name);
        const std::string a = std::string(c.name) + "/A";
        const std::string b = std::string(c.name) + "/B";
        for (int n : c.originals)
            WriteFile(Numbered(a, n), menuOriginal);
        for (int n : c.translations)
            WriteFile(Numbered(b, n), menuTranslation);
        Open(Numbered(a, c.from), Numbered(b, c.from));
        platform.SetChecked(IdExistOriginal, c.existOriginal);
        platform.SetChecked(IdExistTranslation, c.existTranslation);

        platform.Click(c.command);

        EXPECT_EQ(OriginalPath(), Numbered(a, c.endsAt));
        EXPECT_EQ(TranslationPath(), Numbered(b, c.endsAt));
        EXPECT_EQ(platform.GetControlText(IdSeriesNumber), Numbered("", c.endsAt).substr(0, 3));
        // Every number on the way was loaded, and its empty pane shown.
        EXPECT_EQ(Loads().size(), 2u * static_cast<std::size_t>(c.loadPairs));
        EXPECT_EQ(platform.postedCommands.size(), c.checks ? 1u : 0u);
        EXPECT_TRUE(platform.messageBoxes.empty());
        platform.RunPostedCommands();
    }
}

TEST_F(SeriesTest, masks_stepInFourDigitsAndFrom999OnOncePerClickWithoutSkippingOrCheck) {
    const char mask[] = " 20  10   3\r\nbody\r\n";
    for (const char* name : {"M0123.MSK", "M0124.MSK", "N0123.MSK", "N0124.MSK", "M0999.MSK",
                             "N0999.MSK", "M1000.MSK", "N1000.MSK", "M1002.MSK", "N1002.MSK"}) {
        WriteFile(name, mask);
    }
    Open("M0123.MSK", "N0123.MSK");
    platform.Click(IdSeriesNext);
    EXPECT_EQ(OriginalPath(), "M0124.MSK");
    EXPECT_EQ(TranslationPath(), "N0124.MSK");
    EXPECT_EQ(platform.GetControlText(IdSeriesNumber), "0124");
    EXPECT_EQ(platform.postedCommands, std::vector<std::uint32_t>{MakeCommand(IdCheck)});

    platform.SetChecked(IdExistOriginal, true);
    platform.SetChecked(IdExistTranslation, true);
    // Both files of 0999 exist, and yet it is not checked.
    Open("M0998.MSK", "N0998.MSK");
    for (const char* expected : {"M0999.MSK", "M1000.MSK", "M1001.MSK", "M1002.MSK"}) {
        ClearRecords();
        platform.Click(IdSeriesNext);
        EXPECT_EQ(OriginalPath(), expected);
        EXPECT_EQ(Loads().size(), 2u);
        EXPECT_TRUE(platform.postedCommands.empty());
    }
}

TEST_F(SeriesTest, endingsAndTheTranslationsNameFollowTheLoadersRules) {
    // Where file names distinguish case, a lower-case name is a series too. The
    // translation receives the number at the same place from its end, whatever
    // its ending.
    WriteFile("a001.mnu", menuOriginal);
    WriteFile("a002.mnu", menuOriginal);
    WriteFile("T001.TXT", "x\r\n");
    WriteFile("T002.TXT", "y\r\n");
    Open("a001.mnu", "T001.TXT");

    platform.Click(IdSeriesNext);

    const bool steps = FileNamesAreCaseSensitive();
    EXPECT_EQ(OriginalPath(), steps ? "a002.mnu" : "a001.mnu");
    EXPECT_EQ(TranslationPath(), steps ? "T002.TXT" : "T001.TXT");
    if (steps) {
        EXPECT_EQ(PaneLines(TranslationPane)[0], "y");
    }
}

} // namespace
