// The whole editor offscreen, as a translator uses it: start-up on a settings
// file, the posted loads, editing, the aids and saving, with real files.
#include "app/control_ids.h"
#include "panes/richedit.h"
#include "platform/qt/qt_pane.h"
#include "qt_window_fixture.h"

#include <QAbstractButton>

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

class EndToEndTest : public QtWindowFixture {
  protected:
    // The example pair of one file name, copied into the working directory, and a
    // settings file that points at it.
    void UseExamplePair(const std::string& name) {
        for (const char* side : {"de", "en"}) {
            fs::create_directories(side);
            fs::copy_file(fs::path(VERBODEX_EXAMPLES) / side / name, fs::path(side) / name);
        }
        std::ofstream settings("verbodex.ini", std::ios::binary);
        settings << "[PATH]\r\nORIG=de/" << name << "\r\nTRANS=en/" << name << "\r\n";
    }

    void Click(int id) {
        auto* button = qobject_cast<QAbstractButton*>(platform.Control(id));
        ASSERT_NE(button, nullptr) << "control " << id;
        button->click();
        QApplication::processEvents();
    }

    // Types text into the translation pane with key events, as the translator does.
    void Type(const QString& text) {
        QtPane* pane = platform.PaneWidget(TranslationPane);
        pane->setFocus();
        for (QChar c : text) {
            const bool lineBreak = c == QLatin1Char('\r');
            QKeyEvent press(QEvent::KeyPress, lineBreak ? Qt::Key_Return : 0, Qt::NoModifier,
                            QString(c));
            QApplication::sendEvent(pane, &press);
        }
    }

    Colour LineColour(int pane, int line) {
        return platform.GetPane(pane)->CharColour(RichEdit_LineIndex(pane, line));
    }

    int CountLinesOfColour(int pane, Colour colour) {
        int count = 0;
        for (int line = 0; line < RichEdit_GetLineCount(pane); ++line) {
            if (RichEdit_LineIndex(pane, line + 1) > RichEdit_LineIndex(pane, line) &&
                LineColour(pane, line) == colour) {
                ++count;
            }
        }
        return count;
    }
};

TEST_F(EndToEndTest, startLoadsThePairColouredThenEditAndSaveKeepsABackup) {
    UseExamplePair("DIALOG.INI");
    const std::string before = ReadAll("en/DIALOG.INI");
    Open();

    EXPECT_EQ(appState.fileKind, FileKind::DialogIni);
    EXPECT_EQ(appState.modified, 0);
    EXPECT_TRUE(platform.IsControlEnabled(IdMerge));
    EXPECT_GT(CountLinesOfColour(OriginalPane, ColourBlue), 0);
    EXPECT_GT(CountLinesOfColour(TranslationPane, ColourBlue), 0);

    platform.PaneWidget(TranslationPane)->SetSel(0, 0);
    Type(QStringLiteral("; \u00dcberarbeitet\r"));
    EXPECT_EQ(appState.modified, 1);
    Click(IdSave);

    EXPECT_EQ(appState.modified, 0);
    EXPECT_EQ(ReadAll("en/DIALOG.INI"), "; \xDC"
                                        "berarbeitet\r\n" +
                                            before);
    EXPECT_EQ(ReadAll("en/DIALOG.bak"), before);
}

TEST_F(EndToEndTest, checkMarksTheExamplePairAndLeavesItUnchanged) {
    UseExamplePair("DIALOGCPR.INI");
    Open();
    ASSERT_EQ(appState.fileKind, FileKind::DialogCprIni);

    Click(IdCheck);

    EXPECT_GT(CountLinesOfColour(OriginalPane, ColourRed), 0);
    EXPECT_GT(CountLinesOfColour(TranslationPane, ColourRed), 0);
    EXPECT_EQ(appState.modified, 0);
    EXPECT_FALSE(platform.GetPane(TranslationPane)->CanUndo());
}

TEST_F(EndToEndTest, mergeCarriesMissingEntriesOverUndoesAsOneStepAndAsksOnClose) {
    UseExamplePair("DIALOGPROG.INI");
    Open();
    ASSERT_EQ(appState.fileKind, FileKind::DialogProgIni);
    const int linesBefore = RichEdit_GetLineCount(TranslationPane);

    Click(IdMerge);

    EXPECT_GT(RichEdit_GetLineCount(TranslationPane), linesBefore);
    EXPECT_GT(CountLinesOfColour(TranslationPane, ColourMagenta), 0);
    EXPECT_EQ(appState.modified, 1);

    AnswerNextMessageBox(QMessageBox::Cancel);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(shownText, QString::fromUtf8("Text wurde ge\xC3\xA4ndert. Speichern?"));
    EXPECT_FALSE(platform.Ended());

    platform.GetPane(TranslationPane)->Undo();
    EXPECT_EQ(RichEdit_GetLineCount(TranslationPane), linesBefore);
}

TEST_F(EndToEndTest, menuMergeTakesTheCodePartOverAndUndoesAsOneStep) {
    UseExamplePair("MENU003.MNU");
    // A second line to take over, so that the undo has two changes to take back.
    std::string before = ReadAll("en/MENU003.MNU");
    before.replace(before.find("EXT_OPT"), 7, "EXT_OPX");
    std::ofstream("en/MENU003.MNU", std::ios::binary) << before;
    Open();
    ASSERT_EQ(appState.fileKind, FileKind::Menu);
    ASSERT_TRUE(platform.IsControlEnabled(IdMerge));

    Click(IdMerge);

    char line[LineCapacity];
    const int n = RichEdit_GetTextLine(TranslationPane, 2, line, LineCapacity);
    EXPECT_EQ(std::string(line, n), "M0302      K2:EXT_SICH  :'Daten&sicherung ...\r");
    EXPECT_EQ(LineColour(TranslationPane, 2), ColourMagenta);
    EXPECT_EQ(LineColour(TranslationPane, 1), ColourMagenta);
    EXPECT_EQ(CountLinesOfColour(TranslationPane, ColourMagenta), 2);
    EXPECT_EQ(appState.modified, 1);

    platform.GetPane(TranslationPane)->Undo();
    EXPECT_FALSE(platform.GetPane(TranslationPane)->CanUndo());
    char text[1024];
    const int length = RichEdit_GetText(TranslationPane, text, sizeof text);
    EXPECT_EQ(std::string(text, length), before);
}

} // namespace
