#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/dispatch.h"
#include "app/main_window.h"
#include "app/paths.h"
#include "app/settings.h"
#include "headless_fixture.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public HeadlessTest {
  protected:
    // A translation loaded from a file in the working directory and then edited.
    void EditLoadedTranslation() {
        WriteFile("DIALOG.INI", "[A]\r\nX=\"1\"\r\n");
        SetPath(appState.translationPath, appState.translationPathLength, "DIALOG.INI");
        platform.SendCommand(MakeCommand(LoadTranslationCommand));
        platform.PaneById(TranslationPane).SetSel(0, 0);
        platform.PaneById(TranslationPane).ReplaceSel("; edited\r", true);
        ASSERT_EQ(appState.modified, 1);
    }

    static void SetPath(char* path, std::int32_t& length, const char* text) {
        std::strcpy(path, text);
        length = static_cast<std::int32_t>(std::strlen(text));
    }

    bool SettingsFileExists() { return std::filesystem::exists("verbodex.ini"); }

    std::string Setting(const char* key) {
        char buffer[PathCapacity];
        ReadSettingText("PATH", key, "<none>", buffer, PathCapacity);
        return buffer;
    }
};

TEST_F(MainWindowTest, startWithoutSettings_usesDefaultsAndLeavesPanesEmptyWithoutMessages) {
    platform.Open();
    platform.RunPostedCommands();

    EXPECT_EQ(platform.fontName, "Courier");
    EXPECT_EQ(platform.fontHeight, 15);
    EXPECT_EQ(platform.GetControlText(IdOriginalPathEdit), DefaultRememberedPath());
    EXPECT_EQ(platform.GetControlText(IdTranslationPathEdit), DefaultRememberedPath());
    EXPECT_EQ(appState.translationPathLength, 2);
    EXPECT_EQ(platform.PaneById(OriginalPane).TextLength(), 0);
    EXPECT_EQ(platform.PaneById(TranslationPane).TextLength(), 0);
    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_EQ(appState.modified, 0);
    EXPECT_GT(appState.paneWidth, 0);
}

TEST_F(MainWindowTest, startWithOnlyAnOriginalPath_readsItAndDefaultsTheOthers) {
    // A translation path too long for the buffer would be cut to another name.
    WriteFile("verbodex.ini", "[PATH]\r\nORIG=C:\\X\\DIALOG.INI\r\nTRANS=" +
                                  std::string(PathCapacity, 'x') + "\r\n");
    platform.Open();

    EXPECT_STREQ(appState.originalPath, "C:\\X\\DIALOG.INI");
    EXPECT_EQ(appState.originalPathLength, 15);
    EXPECT_STREQ(appState.translationPath, DefaultRememberedPath());
    EXPECT_EQ(appState.saveAsPathLength, 2);
}

TEST_F(MainWindowTest, startLoadsOriginalThenTranslation_soTheTranslationDecidesTheKind) {
    WriteFile("orig.MNU", "x\r\n");
    WriteFile("DIALOG.INI", "[A]\r\n");
    WriteFile("verbodex.ini", "[PATH]\r\nORIG=orig.MNU\r\nTRANS=DIALOG.INI\r\n");
    platform.Open();
    platform.RunPostedCommands();

    EXPECT_EQ(appState.fileKind, FileKind::DialogIni);
    EXPECT_EQ(PaneLines(OriginalPane)[0], "x");
    EXPECT_EQ(PaneLines(TranslationPane)[0], "[A]");
}

TEST_F(MainWindowTest, rememberedPathOfOneCharacterIsNotLoaded) {
    WriteFile("verbodex.ini", "[PATH]\r\nORIG=a\r\nTRANS=b\r\n");
    WriteFile("a", "would be loaded\r\n");
    platform.Open();
    platform.RunPostedCommands();
    EXPECT_EQ(platform.PaneById(OriginalPane).TextLength(), 0);
}

TEST_F(MainWindowTest, fontComesFromTheSettings) {
    WriteFile("verbodex.ini", "[OPTIONS]\r\nFONTNAME=Mono\r\nFONTHEIGHT=20\r\n");
    platform.Open();
    EXPECT_EQ(platform.fontName, "Mono");
    EXPECT_EQ(platform.fontHeight, 20);
}

TEST_F(MainWindowTest, commandTable_routesByTheWholeNumber) {
    platform.Open();
    EXPECT_FALSE(DispatchCommand(MakeCommand(IDOK)));
    EXPECT_FALSE(DispatchCommand(MakeCommand(IdSearchOriginalEdit, EN_CHANGE)));
    EXPECT_FALSE(DispatchCommand(MakeCommand(OriginalPane, EN_CHANGE)));
    EXPECT_FALSE(DispatchCommand(MakeCommand(IdExistOriginal)));

    EXPECT_TRUE(DispatchCommand(MakeCommand(TranslationPane, EN_CHANGE)));
    EXPECT_EQ(appState.modified, 1);

    platform.Click(IdAutoSave);
    EXPECT_EQ(appState.autoSave, 1);
    platform.Click(IdAutoSave);
    EXPECT_EQ(appState.autoSave, 0);
}

TEST_F(MainWindowTest, fullTranslationPane_saysSoEachTimeInputIsRefused) {
    platform.Open();
    Pane& pane = platform.PaneById(TranslationPane);
    pane.SetTextLimit(5);
    pane.SetText("abcde");
    pane.SetSel(5, 5);
    pane.ReplaceSel("f", true);
    pane.ReplaceSel("g", true);

    ASSERT_EQ(platform.messageBoxes.size(), 2u);
    EXPECT_EQ(platform.messageBoxes[0].text, "Textbox voll!");
    EXPECT_EQ(platform.messageBoxes[0].caption, "Error (EN_MAXTEXT)");
    EXPECT_EQ(platform.messageBoxes[0].flags, MB_ICONHAND);
}

TEST_F(MainWindowTest, closeWithoutChanges_asksNothingAndStoresThePaths) {
    platform.Open();
    platform.SendCommand(MakeCommand(IDCANCEL));

    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_TRUE(platform.ended);
    EXPECT_EQ(Setting("ORIG"), DefaultRememberedPath());
    EXPECT_EQ(Setting("TRANS"), DefaultRememberedPath());
    EXPECT_EQ(Setting("SAVEAS"), DefaultRememberedPath());
}

TEST_F(MainWindowTest, closeWithChanges_cancelKeepsTheWindowAndWritesNoSettings) {
    platform.Open();
    EditLoadedTranslation();
    platform.messageBoxAnswers.push_back(IDCANCEL);
    platform.SendCommand(MakeCommand(IDCANCEL));

    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes[0].text, "Text wurde ge\xE4ndert. Speichern?");
    EXPECT_EQ(platform.messageBoxes[0].caption, "Verbodex");
    EXPECT_EQ(platform.messageBoxes[0].flags, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_FALSE(platform.ended);
    EXPECT_FALSE(SettingsFileExists());
    EXPECT_EQ(ReadFile("DIALOG.INI"), "[A]\r\nX=\"1\"\r\n");
}

TEST_F(MainWindowTest, closeWithChanges_noClosesWithoutSavingButStoresThePaths) {
    platform.Open();
    EditLoadedTranslation();
    platform.messageBoxAnswers.push_back(IDNO);
    platform.SendCommand(MakeCommand(IDCANCEL));

    EXPECT_TRUE(platform.ended);
    EXPECT_EQ(ReadFile("DIALOG.INI"), "[A]\r\nX=\"1\"\r\n");
    EXPECT_EQ(Setting("TRANS"), "DIALOG.INI");
}

TEST_F(MainWindowTest, closeWithChanges_yesSavesThenCloses) {
    platform.Open();
    EditLoadedTranslation();
    platform.messageBoxAnswers.push_back(IDYES);
    platform.SendCommand(MakeCommand(IDCANCEL));

    EXPECT_TRUE(platform.ended);
    EXPECT_EQ(ReadFile("DIALOG.INI"), "; edited\r\n[A]\r\nX=\"1\"\r\n");
}

TEST_F(MainWindowTest, closeWithChanges_autoSaveSavesWithoutAsking) {
    platform.Open();
    EditLoadedTranslation();
    platform.Click(IdAutoSave);
    platform.SendCommand(MakeCommand(IDCANCEL));

    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_TRUE(platform.ended);
    EXPECT_EQ(ReadFile("DIALOG.INI"), "; edited\r\n[A]\r\nX=\"1\"\r\n");
}

TEST_F(MainWindowTest, closeAfterAFailedSave_keepsTheWindowOpenSoNothingIsLost) {
    platform.Open();
    EditLoadedTranslation();
    // The folder of the translation disappears: the save cannot open its file.
    SetPath(appState.translationPath, appState.translationPathLength, "gone/DIALOG.INI");
    platform.messageBoxAnswers.push_back(IDYES);
    platform.SendCommand(MakeCommand(IDCANCEL));

    EXPECT_FALSE(platform.ended);
    EXPECT_EQ(appState.modified, 1);
    EXPECT_FALSE(SettingsFileExists());
}

} // namespace
