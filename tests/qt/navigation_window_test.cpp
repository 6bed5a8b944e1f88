// Moving through the pair in the real window, offscreen: the up-down arrows,
// the caret display fed by the window's input, the search buttons and the keys.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "panes/richedit.h"
#include "platform/qt/main_window_widget.h"
#include "platform/qt/qt_pane.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/updown_control.h"
#include "qt/qt_window_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Counts the beeps and notes every command; Save is only noted, so that no
// file is written and no message box waits for an answer.
class NotingQtPlatform : public QtPlatform {
  public:
    void Beep() override { ++beeps; }
    bool SendCommand(std::uint32_t command, CommandParameter parameter = 0) override {
        commands.push_back(command);
        if (command == MakeCommand(IdSave)) return true;
        return QtPlatform::SendCommand(command, parameter);
    }
    int CaretCommands() const {
        int count = 0;
        for (std::uint32_t command : commands)
            count += command == MakeCommand(CaretPositionCommand) ? 1 : 0;
        return count;
    }
    int beeps = 0;
    std::vector<std::uint32_t> commands;
};

class NavigationWindowTest : public QtWindowFixture {
  protected:
    // The fixture's working directory, with this platform instead of its own.
    void SetUp() override {
        QtWindowFixture::SetUp();
        SetPlatform(&platform);
        platform.SetWindowProcedures(MainWindowProcedures());
    }

    void TearDown() override {
        if (platform.Window() != nullptr) platform.Window()->hide();
        QtWindowFixture::TearDown();
    }

    // The window with window creation run (so the input hook is installed) and
    // the pair in its panes.
    void Open(const std::string& original, const std::string& translation, bool german = false) {
        platform.BuildMainWindow(german);
        platform.ShowMainWindow();
        QApplication::processEvents();
        RichEdit_SetText(OriginalPane, original.c_str());
        RichEdit_SetText(TranslationPane, translation.c_str());
        appState.modified = 0;
        platform.commands.clear();
    }

    QWidget* Widget(int id) { return platform.Control(id); }
    QtPane* Pane(int id) { return platform.PaneWidget(id); }
    QWidget* Focus() { return platform.Window()->focusWidget(); }
    std::string Label(int id) { return platform.GetControlText(id); }

    // A key event as the window system hands it to a widget; every event gets a
    // time of its own, as real ones have.
    void Key(QWidget* widget, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
             const QString& text = QString()) {
        QKeyEvent event(type, key, modifiers, text);
        event.setTimestamp(++time_);
        QApplication::sendEvent(widget, &event);
    }
    void Press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               const QString& text = QString()) {
        Key(widget, QEvent::KeyPress, key, modifiers, text);
        Key(widget, QEvent::KeyRelease, key, modifiers, text);
    }
    void Mouse(QWidget* widget, QEvent::Type type, QPoint at) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        event.setTimestamp(++time_);
        QApplication::sendEvent(widget, &event);
    }

    std::pair<std::int32_t, std::int32_t> Selection(int pane) {
        std::int32_t start = 0;
        std::int32_t end = 0;
        RichEdit_GetSel(pane, start, end);
        return {start, end};
    }

    NotingQtPlatform platform;

  private:
    quint64 time_ = 1000;
};

using Sel = std::pair<std::int32_t, std::int32_t>;

std::string NumberedLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

TEST_F(NavigationWindowTest, upDownArrows_scrollBothPanesAndLeaveTheFocusWhereItWas) {
    Open(NumberedLines(200), NumberedLines(200));
    RichEdit_ScrollToLine(OriginalPane, 10);
    RichEdit_ScrollToLine(TranslationPane, 0);
    for (int focus : {TranslationPane, IdSearchOriginalEdit}) {
        SCOPED_TRACE(focus);
        Widget(focus)->setFocus();
        const std::int32_t original = RichEdit_GetFirstVisibleLine(OriginalPane);
        QToolButton* lower = platform.UpDown(IdUpDown)->Arrow(false);
        // As a click of the mouse: press and release on the arrow.
        Mouse(lower, QEvent::MouseButtonPress, QPoint(2, 2));
        Mouse(lower, QEvent::MouseButtonRelease, QPoint(2, 2));
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), original + 1);
        platform.UpDown(IdUpDown)->Arrow(true)->click();
        platform.UpDown(IdUpDown)->Arrow(true)->click();
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), original - 1);
        EXPECT_EQ(Focus(), Widget(focus));
    }
    // The translation was at its top all along.
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 0);
}

TEST_F(NavigationWindowTest, caretDisplay_showsTheOldPlaceWhileAKeyIsDownAndTheNewOneAfter) {
    Open("first\r\nsecond\r\nthird", "eins\r\nzwei");
    QtPane* original = Pane(OriginalPane);
    original->setFocus();
    RichEdit_SetSel(OriginalPane, 9, 9);

    Key(original, QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    EXPECT_EQ(Label(IdCaretOriginal), "Z: 2   S: 4");
    EXPECT_EQ(Selection(OriginalPane), Sel(16, 16));
    Key(original, QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
    EXPECT_EQ(Label(IdCaretOriginal), "Z: 3   S: 4");
    EXPECT_EQ(Label(IdCaretTranslation), "Z:    S:");

    // A typed character: press (with its character) and release.
    QtPane* translation = Pane(TranslationPane);
    translation->setFocus();
    RichEdit_SetSel(TranslationPane, 0, 0);
    Key(translation, QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    EXPECT_EQ(Label(IdCaretTranslation), "Z: 1   S: 1");
    Key(translation, QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    EXPECT_EQ(Label(IdCaretTranslation), "Z: 1   S: 2");
}

TEST_F(NavigationWindowTest, caretDisplay_followsClicksIntoAPaneButNotOnButtonsOrTheWheel) {
    Open("first\r\nsecond\r\nthird", "eins\r\nzwei");
    QtPane* original = Pane(OriginalPane);
    RichEdit_SetSel(OriginalPane, 0, 0);
    // Into the second line, somewhere right of its text.
    const QRect second =
        original->cursorRect(QTextCursor(original->document()->findBlockByNumber(1)));
    const QPoint at(original->viewport()->width() - 5, second.center().y());
    Mouse(original->viewport(), QEvent::MouseButtonPress, at);
    EXPECT_EQ(Label(IdCaretOriginal), "Z: 1   S: 1");
    Mouse(original->viewport(), QEvent::MouseButtonRelease, at);
    EXPECT_EQ(Label(IdCaretOriginal), "Z: 2   S: 7");

    // A button, a search field and the wheel show nothing new.
    RichEdit_SetSel(OriginalPane, 0, 0);
    platform.commands.clear();
    for (int id : {IdCheck, IdSearchTranslationEdit}) {
        Mouse(Widget(id), QEvent::MouseButtonPress, QPoint(3, 3));
        Mouse(Widget(id), QEvent::MouseButtonRelease, QPoint(3, 3));
    }
    EXPECT_EQ(platform.CaretCommands(), 4);
    QWheelEvent wheel(at, original->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(original->viewport(), &wheel);
    EXPECT_EQ(platform.CaretCommands(), 4);
    EXPECT_EQ(Label(IdCaretOriginal), "Z: 2   S: 7");
    EXPECT_EQ(Label(IdCaretTranslation), "Z:    S:");
}

TEST_F(NavigationWindowTest, inputHook_seesEachInputOnceAndNothingOfOtherWindowsOrAfterClosing) {
    Open("abc", "def");
    // Escape is left by the pane to the window, which closes; the hook saw the
    // press once, for the pane, and is gone before the release.
    QWidget other;
    auto* button = new QPushButton(QStringLiteral("x"), &other);
    Press(button, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_EQ(platform.CaretCommands(), 0);

    Pane(TranslationPane)->setFocus();
    Key(Pane(TranslationPane), QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(platform.CaretCommands(), 1);
    EXPECT_TRUE(platform.Ended());
    EXPECT_EQ(appState.hookHandle, nullptr);
    Key(Pane(TranslationPane), QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(platform.CaretCommands(), 1);
}

TEST_F(NavigationWindowTest, searchButtons_selectTheOccurrenceGiveThePaneTheFocusAndBeepAtTheEnd) {
    Open("[A]\r\nK1=eins\r\nK2=zwei", "[A]\r\n;\r\nK1=one\r\nK2=two");
    auto* field = qobject_cast<QLineEdit*>(Widget(IdSearchTranslationEdit));
    field->setText(QStringLiteral("TWO"));
    auto* forward = qobject_cast<QPushButton*>(Widget(IdSearchTranslationForward));
    forward->click();
    EXPECT_EQ(Selection(TranslationPane), Sel(16, 19));
    EXPECT_EQ(Focus(), Pane(TranslationPane));
    EXPECT_EQ(platform.beeps, 0);
    forward->click();
    EXPECT_EQ(Selection(TranslationPane), Sel(16, 19));
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(NavigationWindowTest, keys_searchFocusSaveAndStepThroughRedLines) {
    Open("[A]\r\nK1=eins\r\nK2=zwei\r\nK3=drei", "[A]\r\nK1=one two\r\nK2=two\r\nK3=three");
    auto* field = qobject_cast<QLineEdit*>(Widget(IdSearchTranslationEdit));
    field->setText(QStringLiteral("two"));
    field->setFocus();

    // Enter and Shift+Enter in the field.
    Press(field, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(Selection(TranslationPane), Sel(11, 14));
    EXPECT_EQ(Focus(), Pane(TranslationPane));
    field->setFocus();
    Press(field, Qt::Key_Enter, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(Selection(TranslationPane), Sel(18, 21));
    field->setFocus();
    Press(field, Qt::Key_Return, Qt::ShiftModifier, QStringLiteral("\r"));
    EXPECT_EQ(Selection(TranslationPane), Sel(11, 14));
    // Enter there is no IDOK, and the field kept its text.
    EXPECT_EQ(field->text(), QStringLiteral("two"));

    // F3 and Shift+F3 in the pane.
    Press(Pane(TranslationPane), Qt::Key_F3);
    EXPECT_EQ(Selection(TranslationPane), Sel(18, 21));
    Press(Pane(TranslationPane), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(Selection(TranslationPane), Sel(11, 14));

    // Ctrl+F from the original pane: its field, text selected.
    auto* originalField = qobject_cast<QLineEdit*>(Widget(IdSearchOriginalEdit));
    originalField->setText(QStringLiteral("zwei"));
    Pane(OriginalPane)->setFocus();
    Press(Pane(OriginalPane), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(Focus(), originalField);
    EXPECT_EQ(originalField->selectedText(), QStringLiteral("zwei"));

    // Ctrl+S from wherever the focus is.
    platform.commands.clear();
    Press(originalField, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(std::count(platform.commands.begin(), platform.commands.end(), MakeCommand(IdSave)),
              1);
    EXPECT_EQ(originalField->text(), QStringLiteral("zwei"));

    // F8 and Shift+F8 through the red lines of the original.
    RichEdit_SetLineColor(OriginalPane, 1, ColourRed);
    RichEdit_SetLineColor(OriginalPane, 3, ColourRed);
    RichEdit_SetSel(OriginalPane, 0, 0);
    Pane(OriginalPane)->setFocus();
    Press(Pane(OriginalPane), Qt::Key_F8);
    EXPECT_EQ(Selection(OriginalPane), Sel(4, 11));
    Press(Pane(OriginalPane), Qt::Key_F8);
    EXPECT_EQ(Selection(OriginalPane), Sel(20, 27));
    EXPECT_EQ(platform.beeps, 0);
    Press(Pane(OriginalPane), Qt::Key_F8);
    EXPECT_EQ(platform.beeps, 1);
    Press(Pane(OriginalPane), Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(Selection(OriginalPane), Sel(4, 11));
    EXPECT_EQ(Focus(), Pane(OriginalPane));
}

TEST_F(NavigationWindowTest, arrowButtons_carryTheirHintInTheTemplatesLanguage) {
    Open("", "");
    EXPECT_EQ(Widget(IdScrollPageUp)->toolTip(), QStringLiteral("Both panes 15 lines up"));
    EXPECT_TRUE(Widget(IdSave)->toolTip().isEmpty());
    platform.BuildMainWindow(true);
    EXPECT_EQ(Widget(IdSeriesNext)->toolTip(), QString::fromUtf8("N\xC3\xA4"
                                                                 "chste Datei der Serie"));
    EXPECT_EQ(Widget(IdUpDown)->toolTip(),
              QStringLiteral("Beide Fenster eine Zeile nach oben oder unten"));
}

} // namespace
