// The Qt pane under what only the real widget meets: keys, pastes, input
// methods, the selection bar and the drawing of the colours.
#include "panes/richedit.h"
#include "qt/qt_harness.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTextBlock>

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

class QtPaneTest : public ::testing::Test {
  protected:
    QtPane& pane() { return harness_.widget(); }
    std::vector<std::uint16_t>& notifications() { return harness_.notifications(); }

    void Key(int key, const QString& text = QString(),
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&pane(), &press);
    }
    void Type(const QString& text) {
        for (QChar c : text)
            Key(0, QString(c));
    }
    void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        pane().paste();
    }
    std::string Text() {
        std::string text(static_cast<std::size_t>(pane().TextLength()) * 2 + 1, '\0');
        text.resize(static_cast<std::size_t>(
            pane().GetText(text.data(), static_cast<std::int32_t>(text.size()))));
        return text;
    }
    void Caret(std::int32_t at) { pane().SetSel(at, at); }

    QtPaneHarness harness_;
};

TEST_F(QtPaneTest, inputPastTheLimit_isRefusedAndReportedEachTime) {
    pane().SetTextLimit(5);
    pane().SetText("abcd");
    Caret(4);
    notifications().clear();

    Type("x");
    EXPECT_EQ(Text(), "abcdx");
    Type("y");
    Key(Qt::Key_Return, "\r");
    Paste("pasted");
    QInputMethodEvent composed;
    composed.setCommitString("z");
    QApplication::sendEvent(&pane(), &composed);
    EXPECT_EQ(Text(), "abcdx");
    EXPECT_EQ(notifications(), std::vector<std::uint16_t>(4, EN_MAXTEXT));

    // Typing over a selection does not lengthen the text and goes through.
    pane().SetSel(0, 1);
    Type("A");
    EXPECT_EQ(Text(), "Abcdx");
}

TEST_F(QtPaneTest, typedAndPastedText_holdsOnlyWhatTheCodePageCanSave) {
    Type(QString::fromUtf8("\xE2\x82\xAC\xC5\x82\xC3\xA4")); // euro sign, l with stroke, a umlaut
    EXPECT_EQ(Text(), "\x80?\xE4");
    Paste(QString::fromUtf8("\xF0\x9F\x98\x80|a\r\nb\rc")); // one character beyond 16 bits
    EXPECT_EQ(Text(), "\x80?\xE4?|a\r\nb\r\nc");
    EXPECT_EQ(pane().LineCount(), 3);
    // A NUL would end the text at the next load.
    Paste(QStringView(u"x\0y", 3).toString());
    QInputMethodEvent composed;
    composed.setCommitString(QStringView(u"\0", 1).toString());
    QApplication::sendEvent(&pane(), &composed);
    EXPECT_EQ(Text(), "\x80?\xE4?|a\r\nb\r\ncx?y?");
}

TEST_F(QtPaneTest, cutAndPaste_keepTheTextAsItWas) {
    // A no-break space stays one, and line breaks stay line breaks.
    pane().SetText("a\xA0"
                   "b\r\nc");
    pane().SetSel(0, -1);
    pane().cut();
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringView(u"a\u00A0b\nc").toString());
    pane().paste();
    EXPECT_EQ(Text(), "a\xA0"
                      "b\r\nc");
}

TEST_F(QtPaneTest, shiftEnter_breaksTheLineLikeEnter) {
    pane().SetText("ab");
    Caret(1);
    Key(Qt::Key_Return, "\r", Qt::ShiftModifier);
    Key(Qt::Key_Enter, "\r");
    EXPECT_EQ(Text(), "a\r\n\r\nb");
}

TEST_F(QtPaneTest, editsByKey_carryTheColoursWithTheTextAndAreReported) {
    pane().SetText("ab\r\ncd\r\nef");
    pane().SetChangeNotification(true);
    notifications().clear();
    RichEdit_SetLineColor(TranslationPane, 0, ColourRed);
    RichEdit_SetLineColor(TranslationPane, 1, ColourBlue);

    // Backspace at the start of line 1 joins the red and the blue line.
    Caret(3);
    Key(Qt::Key_Backspace);
    ASSERT_EQ(Text(), "abcd\r\nef");
    const Colour joined[] = {ColourRed, ColourRed, ColourBlue, ColourBlue, ColourBlue};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(pane().CharColour(i), joined[i]) << i;

    // A typed character takes the colour before it; the next line keeps black.
    Caret(2);
    Type("x");
    EXPECT_EQ(pane().CharColour(2), ColourRed);
    EXPECT_EQ(pane().CharColour(3), ColourBlue);
    EXPECT_EQ(pane().CharColour(7), ColourBlack);

    // Ctrl+Z takes back the typing and keeps the colours.
    Key(Qt::Key_Z, QString(), Qt::ControlModifier);
    EXPECT_EQ(Text(), "abcd\r\nef");
    EXPECT_EQ(pane().CharColour(1), ColourRed);
    EXPECT_EQ(pane().CharColour(2), ColourBlue);
    // Backspace, the typing and Ctrl+Z: three changes, no colour among them.
    EXPECT_EQ(notifications(), std::vector<std::uint16_t>(3, EN_CHANGE));
}

// The colour of every character of the pane.
std::vector<Colour> Colours(QtPane& pane) {
    std::vector<Colour> colours;
    for (std::int32_t i = 0; i < pane.TextLength(); ++i)
        colours.push_back(pane.CharColour(i));
    return colours;
}

TEST_F(QtPaneTest, undoAndRedoByKey_giveDeletedLinesAndTypingTheirColoursBack) {
    pane().SetText("keep\r\nred\r\nblue\r\nend");
    RichEdit_SetLineColor(TranslationPane, 1, ColourRed);
    RichEdit_SetLineColor(TranslationPane, 2, ColourBlue);
    const std::vector<Colour> coloured = Colours(pane());

    // The translator deletes the red and the blue line, takes it back, does it
    // again and takes it back again.
    pane().SetSel(pane().LineIndex(1), pane().LineIndex(3));
    Key(Qt::Key_Delete);
    ASSERT_EQ(Text(), "keep\r\nend");
    Key(Qt::Key_Z, QString(), Qt::ControlModifier);
    EXPECT_EQ(Text(), "keep\r\nred\r\nblue\r\nend");
    EXPECT_EQ(Colours(pane()), coloured);
    Key(Qt::Key_Y, QString(), Qt::ControlModifier);
    EXPECT_EQ(Text(), "keep\r\nend");
    EXPECT_EQ(Colours(pane()), std::vector<Colour>(8, ColourBlack));
    // The context menu's Undo.
    std::unique_ptr<QMenu> menu(pane().createStandardContextMenu());
    QAction* undo = menu->findChild<QAction*>(QStringLiteral("edit-undo"));
    ASSERT_NE(undo, nullptr);
    undo->trigger();
    EXPECT_EQ(Colours(pane()), coloured);

    // Typing that is taken back comes back by redo in the colour it had then;
    // the characters it did not touch keep the colour given after it.
    Caret(pane().LineIndex(1) + 3);
    Type("dish");
    RichEdit_SetLineColor(TranslationPane, 1, ColourMagenta);
    Key(Qt::Key_Z, QString(), Qt::ControlModifier);
    EXPECT_EQ(Text(), "keep\r\nred\r\nblue\r\nend");
    EXPECT_EQ(pane().CharColour(5), ColourMagenta);
    EXPECT_EQ(pane().CharColour(9), ColourBlue);
    Key(Qt::Key_Z, QString(), Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Text(), "keep\r\nreddish\r\nblue\r\nend");
    for (std::int32_t i = 5; i < 13; ++i)
        EXPECT_EQ(pane().CharColour(i), ColourMagenta) << i;
}

TEST_F(QtPaneTest, mergeUndoneAndRedone_givesEveryLineItsColourBack) {
    RichEdit_SetText(OriginalPane, "[KUNDE]\r\nNAME=Name\r\nORT=Ort\r\n\r\n"
                                   "[STANDARD]\r\nJA=Ja\r\nNEIN=Nein\r\n");
    RichEdit_SetText(TranslationPane, "; translated\r\n[KUNDE]\r\nNAME=Name\r\n\r\n"
                                      "[STANDARD]\r\nJA=Yes\r\n");
    appState.fileKind = FileKind::DialogIni;
    RecordingQtPlatform& platform = harness_.platform();
    platform.SendCommand(MakeCommand(IdColour));
    const std::string before = Text();
    const std::vector<Colour> colouredBefore = Colours(pane());
    ASSERT_EQ(pane().CharColour(pane().LineIndex(1)), ColourBlue);

    platform.SendCommand(MakeCommand(IdMerge));
    const std::string merged = Text();
    const std::vector<Colour> colouredMerged = Colours(pane());
    ASSERT_NE(merged, before);
    ASSERT_EQ(pane().CharColour(pane().LineIndex(3)), ColourMagenta);

    pane().SetChangeNotification(true);
    notifications().clear();
    Key(Qt::Key_Z, QString(), Qt::ControlModifier);
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(Colours(pane()), colouredBefore);
    Key(Qt::Key_Y, QString(), Qt::ControlModifier);
    EXPECT_EQ(Text(), merged);
    EXPECT_EQ(Colours(pane()), colouredMerged);
    // Each is one change of the text; bringing the colours back adds none.
    EXPECT_EQ(notifications(), std::vector<std::uint16_t>(2, EN_CHANGE));
}

TEST_F(QtPaneTest, readOnlyPane_refusesKeysAndInputMethodsButMovesItsCaret) {
    pane().SetReadOnly(true);
    pane().SetText("abc");
    Caret(0);
    Type("x");
    Key(Qt::Key_Right);
    // Nor does it take text from an input method.
    EXPECT_FALSE(pane().inputMethodQuery(Qt::ImEnabled).toBool());
    QInputMethodEvent composed;
    composed.setCommitString("X");
    QApplication::sendEvent(&pane(), &composed);
    EXPECT_EQ(Text(), "abc");
    std::int32_t start = 0;
    std::int32_t end = 0;
    pane().GetSel(start, end);
    EXPECT_EQ(start, 1);
}

TEST_F(QtPaneTest, selectionBarClick_selectsTheWholeLine) {
    pane().ShowSelectionBar();
    pane().SetText("one\r\ntwo\r\nthree");
    QApplication::processEvents();
    const QTextBlock line1 = pane().document()->findBlockByNumber(1);
    QTextCursor at(line1);
    const int y = pane().cursorRect(at).center().y();
    QWidget* bar =
        pane().childAt(pane().contentsRect().left() + 2, pane().contentsRect().top() + y);
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(bar, pane().viewport());

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, y), bar->mapToGlobal(QPointF(2, y)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &press);
    std::int32_t start = 0;
    std::int32_t end = 0;
    pane().GetSel(start, end);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 8);
}

TEST_F(QtPaneTest, selectionWhileDrawingIsOff_reachesTheWidgetWhenDrawingResumes) {
    pane().SetText("abc\r\ndef");
    pane().SetSel(0, 0);
    pane().SetRedraw(false);
    pane().SetSel(5, 6);
    std::int32_t start = 0;
    std::int32_t end = 0;
    pane().GetSel(start, end);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 6);
    pane().ReplaceSel("X", true);
    EXPECT_EQ(Text(), "abc\r\ndXf");
    EXPECT_EQ(pane().LineFromChar(-1), 1);

    pane().SetRedraw(true);
    EXPECT_EQ(pane().textCursor().position(), 6);

    // Input while drawing is off acts where the program last selected.
    pane().SetRedraw(false);
    pane().SetSel(0, 1);
    Type("Z");
    EXPECT_EQ(Text(), "Zbc\r\ndXf");
    pane().SetRedraw(true);
}

// Pixels of the visible text that are clearly of one colour.
int PixelsOf(QtPane& pane, QColor colour) {
    const QImage image = pane.viewport()->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) < 40 &&
                std::abs(pixel.green() - colour.green()) < 40 &&
                std::abs(pixel.blue() - colour.blue()) < 40) {
                ++count;
            }
        }
    }
    return count;
}

TEST_F(QtPaneTest, colours_areDrawnAndSwitchingDrawingOnShowsThem) {
    pane().SetText("XXXXXXXX\r\nXXXXXXXX");
    EXPECT_EQ(PixelsOf(pane(), Qt::red), 0);

    RichEdit_SetRedraw(TranslationPane, false);
    RichEdit_SetLineColor(TranslationPane, 1, ColourRed);
    EXPECT_FALSE(pane().IsRedrawOn());
    RichEdit_SetRedraw(TranslationPane, true);
    EXPECT_GT(PixelsOf(pane(), Qt::red), 20);

    RichEdit_SetAllTextColor(TranslationPane, ColourBlack);
    EXPECT_EQ(PixelsOf(pane(), Qt::red), 0);
}

} // namespace
