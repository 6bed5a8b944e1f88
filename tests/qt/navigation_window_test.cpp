// Moving through the pair in the real window, offscreen: the up-down arrows,
// the caret display fed by the window's input, the search buttons and the keys.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "panes/richedit.h"
#include "platform/qt/qt_pane.h"
#include "platform/qt/updown_control.h"
#include "qt/qt_window_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlock>
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
        return command == MakeCommand(IdSave) || QtPlatform::SendCommand(command, parameter);
    }
    long Sent(std::uint32_t command) const {
        return std::count(commands.begin(), commands.end(), command);
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
    void Open(const std::string& original, const std::string& translation) {
        platform.BuildMainWindow(false);
        platform.ShowMainWindow();
        QApplication::processEvents();
        RichEdit_SetText(OriginalPane, original.c_str());
        RichEdit_SetText(TranslationPane, translation.c_str());
        appState.modified = 0;
    }

    QWidget* Widget(int id) { return platform.Control(id); }
    QWidget* Focus() { return platform.Window()->focusWidget(); }
    std::string Label(int id) { return platform.GetControlText(id); }
    std::pair<std::int32_t, std::int32_t> Selection(int pane) {
        std::int32_t start = 0;
        std::int32_t end = 0;
        RichEdit_GetSel(pane, start, end);
        return {start, end};
    }

    // Input as the window system hands it to a widget, each event with a time
    // of its own, as real ones have.
    void Key(QWidget* widget, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = {},
             const QString& text = QString()) {
        QKeyEvent event(type, key, modifiers, text);
        event.setTimestamp(++time_);
        QApplication::sendEvent(widget, &event);
    }
    void Press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = {}) {
        Key(widget, QEvent::KeyPress, key, modifiers);
        Key(widget, QEvent::KeyRelease, key, modifiers);
    }
    void Mouse(QWidget* widget, QEvent::Type type, QPoint at) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        event.setTimestamp(++time_);
        QApplication::sendEvent(widget, &event);
    }

    NotingQtPlatform platform;

  private:
    quint64 time_ = 1000;
};

using Sel = std::pair<std::int32_t, std::int32_t>;

TEST_F(NavigationWindowTest, upDownArrows_scrollBothPanesAndLeaveTheFocusWhereItWas) {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text.append("line\r\n");
    Open(text, text);
    RichEdit_ScrollToLine(OriginalPane, 10);
    for (int focus : {TranslationPane, IdSearchOriginalEdit}) {
        Widget(focus)->setFocus();
        const std::int32_t top = RichEdit_GetFirstVisibleLine(OriginalPane);
        QToolButton* lower = platform.UpDown(IdUpDown)->Arrow(false);
        Mouse(lower, QEvent::MouseButtonPress, QPoint(2, 2));
        Mouse(lower, QEvent::MouseButtonRelease, QPoint(2, 2));
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), top + 1);
        platform.UpDown(IdUpDown)->Arrow(true)->click();
        platform.UpDown(IdUpDown)->Arrow(true)->click();
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), top - 1);
        EXPECT_EQ(Focus(), Widget(focus)) << focus;
    }
    // The translation was at its top all along.
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 0);
}

TEST_F(NavigationWindowTest, caretDisplay_showsTheOldPlaceWhileKeyOrButtonIsDownAndTheNewAfter) {
    Open("first\r\nsecond\r\nthird", "eins\r\nzwei");
    QtPane* original = platform.PaneWidget(OriginalPane);
    original->setFocus();
    RichEdit_SetSel(OriginalPane, 9, 9);
    Key(original, QEvent::KeyPress, Qt::Key_Down);
    EXPECT_EQ(Label(IdCaretOriginal), "Z: 2   S: 4");
    EXPECT_EQ(Selection(OriginalPane), Sel(16, 16));
    Key(original, QEvent::KeyRelease, Qt::Key_Down);
    EXPECT_EQ(Label(IdCaretOriginal), "Z: 3   S: 4");

    // A click right of the second line's end, into the pane's viewport.
    const QRect second =
        original->cursorRect(QTextCursor(original->document()->findBlockByNumber(1)));
    const QPoint at(original->viewport()->width() - 5, second.center().y());
    Mouse(original->viewport(), QEvent::MouseButtonPress, at);
    EXPECT_EQ(Label(IdCaretOriginal), "Z: 3   S: 4");
    Mouse(original->viewport(), QEvent::MouseButtonRelease, at);
    EXPECT_EQ(Label(IdCaretOriginal), "Z: 2   S: 7");

    // Clicks on a button or a search field and the wheel show nothing new.
    RichEdit_SetSel(OriginalPane, 0, 0);
    platform.commands.clear();
    for (int id : {IdCheck, IdSearchTranslationEdit}) {
        Mouse(Widget(id), QEvent::MouseButtonPress, QPoint(3, 3));
        Mouse(Widget(id), QEvent::MouseButtonRelease, QPoint(3, 3));
    }
    QWheelEvent wheel(at, original->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(original->viewport(), &wheel);
    EXPECT_EQ(platform.Sent(MakeCommand(CaretPositionCommand)), 4);
    EXPECT_EQ(Label(IdCaretOriginal), "Z: 2   S: 7");
    EXPECT_EQ(Label(IdCaretTranslation), "Z:    S:");
}

TEST_F(NavigationWindowTest, inputHook_seesEachInputOnceAndNothingOfOtherWindowsOrAfterClosing) {
    Open("abc", "def");
    QWidget other;
    Press(new QPushButton(QStringLiteral("x"), &other), Qt::Key_Space);
    EXPECT_EQ(platform.Sent(MakeCommand(CaretPositionCommand)), 0);
    // The pane leaves Escape to the window, which closes: the hook saw the press
    // once, and is gone before the release.
    QWidget* pane = Widget(TranslationPane);
    pane->setFocus();
    Key(pane, QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_TRUE(platform.Ended());
    Key(pane, QEvent::KeyRelease, Qt::Key_Escape);
    EXPECT_EQ(platform.Sent(MakeCommand(CaretPositionCommand)), 1);
}

TEST_F(NavigationWindowTest, searchAndKeys_selectGiveThePaneTheFocusBeepAndStepThroughRedLines) {
    Open("[A]\r\nK1=eins\r\nK2=zwei\r\nK3=drei", "[A]\r\nK1=one two\r\nK2=two\r\nK3=three");
    QtPane* translation = platform.PaneWidget(TranslationPane);
    auto* field = qobject_cast<QLineEdit*>(Widget(IdSearchTranslationEdit));
    field->setText(QStringLiteral("TWO"));
    struct Step {
        QWidget* widget; // gets the focus and the key; nullptr: click ">"
        int key;
        Qt::KeyboardModifiers modifiers;
        Sel selection;
        int beeps;
    } steps[] = {
        {nullptr, 0, {}, {11, 14}, 0},
        {field, Qt::Key_Return, {}, {18, 21}, 0},
        {field, Qt::Key_Enter, {}, {18, 21}, 1},
        {field, Qt::Key_Return, Qt::ShiftModifier, {11, 14}, 1},
        {translation, Qt::Key_F3, {}, {18, 21}, 1},
        {translation, Qt::Key_F3, Qt::ShiftModifier, {11, 14}, 1},
    };
    for (const Step& step : steps) {
        const int beeps = platform.beeps;
        if (step.widget == nullptr) {
            qobject_cast<QPushButton*>(Widget(IdSearchTranslationForward))->click();
        } else {
            step.widget->setFocus();
            Press(step.widget, step.key, step.modifiers);
        }
        EXPECT_EQ(Selection(TranslationPane), step.selection) << step.key;
        EXPECT_EQ(platform.beeps, step.beeps) << step.key;
        // Found, the searched pane has the focus; not found, it stays.
        EXPECT_EQ(Focus(), platform.beeps > beeps ? step.widget : translation) << step.key;
    }
    EXPECT_EQ(platform.Sent(MakeCommand(IDOK)), 0);

    // Ctrl+F from the original pane: its field, the text selected; Ctrl+S
    // there saves and types nothing.
    auto* originalField = qobject_cast<QLineEdit*>(Widget(IdSearchOriginalEdit));
    originalField->setText(QStringLiteral("zwei"));
    QWidget* original = Widget(OriginalPane);
    original->setFocus();
    Press(original, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(Focus(), originalField);
    EXPECT_EQ(originalField->selectedText(), QStringLiteral("zwei"));
    Press(originalField, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(platform.Sent(MakeCommand(IdSave)), 1);
    EXPECT_EQ(originalField->text(), QStringLiteral("zwei"));

    // F8 and Shift+F8 through the red lines of the original.
    RichEdit_SetLineColor(OriginalPane, 1, ColourRed);
    RichEdit_SetLineColor(OriginalPane, 3, ColourRed);
    original->setFocus();
    Press(original, Qt::Key_F8);
    Press(original, Qt::Key_F8);
    EXPECT_EQ(Selection(OriginalPane), Sel(20, 27));
    Press(original, Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(Selection(OriginalPane), Sel(4, 11));
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(Focus(), original);
}

TEST_F(NavigationWindowTest, arrowButtons_carryTheirHintInTheTemplatesLanguage) {
    platform.BuildMainWindow(true);
    EXPECT_EQ(Widget(IdSeriesNext)->toolTip(), QString::fromUtf8("N\xC3\xA4"
                                                                 "chste Datei der Serie"));
}

} // namespace
