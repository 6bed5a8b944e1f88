// The real MainWindow, offscreen: built from its template, driven through its
// own widgets, closed through the program.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "panes/richedit.h"
#include "platform/qt/main_window_widget.h"
#include "platform/qt/qt_pane.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/updown_control.h"
#include "qt/qt_harness.h"
#include "qt/qt_window_fixture.h"
#include "resources/window_template.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

using QtWindowTest = QtWindowFixture;

TEST_F(QtWindowTest, everyControlOfTheTemplate_hasItsKindCaptionAndState) {
    // The window as the template builds it, before the program's window creation.
    platform.SetWindowProcedures(CommandProcedures());
    const WindowTemplate& form = MainWindowTemplate();
    for (bool german : {false, true}) {
        platform.BuildMainWindow(german);
        EXPECT_EQ(platform.Window()->windowTitle(), QStringLiteral("KALVEX - Verbodex V1.22"));
        for (int i = 0; i < form.controlCount; ++i) {
            const ResolvedControl control = ResolveControl(form.controls[i], german);
            if (control.id == -1) continue;
            QWidget* widget = platform.Control(control.id);
            ASSERT_NE(widget, nullptr) << control.id;
            const bool kindFits = [&] {
                switch (control.kind) {
                case ControlKind::Edit:
                    return qobject_cast<QLineEdit*>(widget) != nullptr;
                case ControlKind::PushButton:
                    return qobject_cast<QPushButton*>(widget) != nullptr;
                case ControlKind::CheckBox:
                    return qobject_cast<QCheckBox*>(widget) != nullptr;
                case ControlKind::Static:
                    return qobject_cast<QLabel*>(widget) != nullptr;
                case ControlKind::RichEdit:
                    return qobject_cast<QtPane*>(widget) != nullptr;
                case ControlKind::UpDown:
                    return widget == platform.UpDown(control.id);
                }
                return false;
            }();
            EXPECT_TRUE(kindFits) << control.id;
            if (control.kind != ControlKind::RichEdit && control.kind != ControlKind::UpDown) {
                EXPECT_EQ(platform.GetControlText(control.id), control.caption) << control.id;
            }
            EXPECT_EQ(platform.IsControlVisible(control.id), control.visible) << control.id;
            EXPECT_EQ(platform.IsControlEnabled(control.id), control.enabled) << control.id;
            EXPECT_FALSE(platform.IsChecked(control.id)) << control.id;
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                EXPECT_EQ(edit->isReadOnly(), control.readOnly) << control.id;
            }
        }
        EXPECT_TRUE(platform.PaneWidget(OriginalPane)->isReadOnly());
        EXPECT_FALSE(platform.PaneWidget(TranslationPane)->isReadOnly());
    }
    // The German label shows its umlaut.
    EXPECT_EQ(qobject_cast<QLabel*>(platform.Control(IdTranslationLabel))->text(),
              QString::fromUtf8("\xC3\x9C"
                                "bersetzung"));
}

TEST_F(QtWindowTest, controlsArePlacedInBaseUnitsOf6By13AndTheWindowOpensLargerThanItsTemplate) {
    platform.BuildMainWindow(false);
    EXPECT_EQ(platform.BaseUnitX(), 6);
    EXPECT_EQ(platform.BaseUnitY(), 13);
    // "i-Color" at 7, 37 units, 52 x 14; "/\\" 16 units wide is 24 pixels.
    EXPECT_EQ(platform.Control(IdColour)->geometry(), QRect(11, 60, 78, 23));
    EXPECT_EQ(platform.Control(IdScrollUp)->width(), 24);
    // The client area of the opening size, inside the nominal frame.
    EXPECT_EQ(platform.Window()->size(), QSize(828, 388));
    const Rect window = platform.GetWindowRect();
    EXPECT_EQ(window.Width(), MainWindowOpeningWidth);
    EXPECT_EQ(window.Height(), MainWindowOpeningHeight);
}

TEST_F(QtWindowTest, escapeWithoutChanges_endsTheWindowAndStoresThePaths) {
    Open();
    // Without settings both path fields show the current folder.
    EXPECT_EQ(platform.GetControlText(IdTranslationPathEdit), "./");
    EXPECT_TRUE(platform.Window()->isVisible());
    PressKey(Qt::Key_Escape);
    EXPECT_TRUE(platform.Ended());
    EXPECT_FALSE(platform.Window()->isVisible());
    char path[PathCapacity];
    EXPECT_EQ(ReadSettingText("PATH", "TRANS", "<none>", path, PathCapacity), 2);
    EXPECT_STREQ(path, "./");
}

TEST_F(QtWindowTest, closeBoxWithUnsavedChanges_asksAndCancelKeepsTheWindow) {
    Open();
    appState.modified = 1;
    AnswerNextMessageBox(QMessageBox::Cancel);
    platform.Window()->close();
    EXPECT_EQ(shownTitle, QStringLiteral("Verbodex"));
    EXPECT_EQ(shownText, QString::fromUtf8("Text wurde ge\xC3\xA4ndert. Speichern?"));
    EXPECT_EQ(shownIcon, QMessageBox::Question);
    EXPECT_EQ(shownButtons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_FALSE(platform.Ended());
    EXPECT_TRUE(platform.Window()->isVisible());
    EXPECT_FALSE(std::filesystem::exists("verbodex.ini"));

    // "No" closes without saving.
    AnswerNextMessageBox(QMessageBox::No);
    platform.Window()->close();
    EXPECT_TRUE(platform.Ended());
    EXPECT_FALSE(platform.Window()->isVisible());
}

TEST_F(QtWindowTest, translationPaneInput_reachesTheProgramAsChangesAndAFullPane) {
    Open();
    QtPane* translation = platform.PaneWidget(TranslationPane);
    translation->setFocus();
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(translation, &typed);
    EXPECT_EQ(appState.modified, 1);

    translation->SetTextLimit(1);
    AnswerNextMessageBox(QMessageBox::Ok);
    QApplication::sendEvent(translation, &typed);
    EXPECT_EQ(shownText, QStringLiteral("Textbox voll!"));
    EXPECT_EQ(shownTitle, QStringLiteral("Error (EN_MAXTEXT)"));
    EXPECT_EQ(shownIcon, QMessageBox::Critical);
    EXPECT_EQ(translation->TextLength(), 1);
}

TEST_F(QtWindowTest, messageBox_showsIconAndButtonsOfItsFlagsAndGivesTheAnswer) {
    platform.BuildMainWindow(false);
    struct Case {
        unsigned flags;
        QMessageBox::StandardButton press;
        int answer;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };
    const Case cases[] = {
        {MB_ICONHAND, QMessageBox::Ok, IDOK, QMessageBox::Critical, QMessageBox::Ok},
        {MB_ICONWARNING, QMessageBox::Ok, IDOK, QMessageBox::Warning, QMessageBox::Ok},
        {MB_YESNOCANCEL | MB_ICONQUESTION, QMessageBox::Yes, IDYES, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
        {MB_YESNOCANCEL | MB_ICONQUESTION, QMessageBox::No, IDNO, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
        {MB_YESNOCANCEL, QMessageBox::Cancel, IDCANCEL, QMessageBox::NoIcon,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
    };
    for (const Case& c : cases) {
        AnswerNextMessageBox(c.press);
        EXPECT_EQ(platform.MessageBox("Textbox voll!", "Error (EN_MAXTEXT)", c.flags), c.answer);
        EXPECT_EQ(shownIcon, c.icon) << c.flags;
        EXPECT_EQ(shownButtons, c.buttons) << c.flags;
        EXPECT_EQ(shownTitle, QStringLiteral("Error (EN_MAXTEXT)"));
    }
}

TEST_F(QtWindowTest, arrangementCheckBox_restacksThePanesAtOnce) {
    Open();
    QtPane* original = platform.PaneWidget(OriginalPane);
    QtPane* translation = platform.PaneWidget(TranslationPane);
    ASSERT_EQ(original->y(), translation->y());

    qobject_cast<QCheckBox*>(platform.Control(IdStackedLayout))->click();
    EXPECT_EQ(appState.stackedLayout, 1);
    EXPECT_EQ(original->x(), translation->x());
    EXPECT_GT(translation->y(), original->y() + original->height());

    qobject_cast<QCheckBox*>(platform.Control(IdStackedLayout))->click();
    EXPECT_EQ(original->y(), translation->y());
}

TEST_F(QtWindowTest, resizing_laysThePanesOutForTheNewSize) {
    Open();
    QtPane* translation = platform.PaneWidget(TranslationPane);
    platform.Window()->resize(900, 600);
    QApplication::processEvents();
    const Rect window = platform.GetWindowRect();
    const int W = window.Width() - 10;
    const int midW = platform.Control(IdScrollUp)->width() + 10;
    EXPECT_EQ(platform.PaneWidget(OriginalPane)->width(), (W - midW) / 2);
    EXPECT_EQ(appState.paneWidth, (W - midW) / 2);

    // Whatever frame the window system draws (offscreen none), every control lies
    // inside the client area, and the panes reach down to the caret labels at its
    // bottom.
    const QRect client = platform.Window()->rect();
    for (QWidget* control :
         platform.Window()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(client.contains(control->geometry())) << control->geometry().right();
    }
    const int clientBottom = client.bottom();
    EXPECT_GE(translation->geometry().bottom(), clientBottom - 30);
    for (int id : {IdCaretOriginal, IdCaretTranslation}) {
        const QRect label = platform.Control(id)->geometry();
        EXPECT_GT(label.top(), translation->geometry().bottom()) << id;
        EXPECT_LE(label.bottom(), clientBottom) << id;
        EXPECT_GE(label.bottom(), clientBottom - 10) << id;
    }

    // The layout hides the translation side's controls while it moves them; the
    // focus stays where it was.
    for (int id : {TranslationPane, IdSearchTranslationEdit}) {
        platform.Control(id)->setFocus();
        LayoutMainWindow();
        EXPECT_EQ(platform.Window()->focusWidget(), platform.Control(id)) << id;
    }

    // The window refuses to become smaller than 530 x 300 with the nominal frame
    // of 6 x 30 pixels.
    EXPECT_EQ(platform.Window()->minimumSize(), QSize(524, 270));
}

TEST_F(QtWindowTest, paneScrollBars_followTheTemplateOfEachLanguage) {
    std::string longText;
    for (int i = 0; i < 300; ++i)
        longText += "line " + std::to_string(i) + std::string(200, 'x') + "\r\n";
    for (const bool german : {false, true}) {
        // The texts set below count as changes; the loads the new window posts
        // would ask to save them.
        appState.modified = 0;
        Open(german);
        for (const int id : {OriginalPane, TranslationPane}) {
            SCOPED_TRACE(std::string(german ? "German " : "English ") + std::to_string(id));
            QtPane* pane = platform.PaneWidget(id);
            QScrollBar* vertical = pane->verticalScrollBar();
            QScrollBar* horizontal = pane->horizontalScrollBar();
            // The vertical bar that is kept stays shown, disabled, while there is
            // nothing to scroll; the others appear when they are needed.
            const bool keeps = id == TranslationPane || german;
            EXPECT_EQ(pane->lineWrapMode(), QPlainTextEdit::NoWrap);
            for (const std::string& text : {std::string("short"), longText, std::string()}) {
                pane->SetText(text.c_str());
                QApplication::processEvents();
                const bool scrolls = !text.empty() && text != "short";
                EXPECT_EQ(vertical->isVisible(), scrolls || keeps) << text.size();
                if (vertical->isVisible()) {
                    EXPECT_EQ(vertical->isEnabled(), scrolls) << text.size();
                }
                EXPECT_EQ(horizontal->isVisible(), scrolls) << text.size();
            }
            // Without word wrap a long line runs on to the right, and the view
            // follows the caret there.
            pane->SetText(longText.c_str());
            QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
            QApplication::sendEvent(pane, &end);
            EXPECT_EQ(pane->LineCount(), 301);
            EXPECT_GT(horizontal->value(), 0);
        }
    }
}

TEST_F(QtWindowTest, paneFont_positiveHeightIsTheCellHeightNegativeTheCharacterHeight) {
    platform.BuildMainWindow(false);
    QtPane* pane = platform.PaneWidget(TranslationPane);
    platform.SetPaneFont("Courier New", 15);
    const int cell = QFontMetrics(pane->font()).height();
    EXPECT_LE(cell, 15);
    EXPECT_GT(cell, 10);
    platform.SetPaneFont("Courier New", -15);
    EXPECT_EQ(pane->font().pixelSize(), 15);
    // Heights no screen could show, as a settings file may hold them.
    platform.SetPaneFont("Courier New", std::numeric_limits<int>::min());
    EXPECT_EQ(pane->font().pixelSize(), 1000);
    platform.SetPaneFont("Courier New", std::numeric_limits<int>::max());
    EXPECT_LE(QFontMetrics(pane->font()).height(), 1000);
}

TEST(QtWindowKeys, enterOnAFocusedPushButton_pressesItAndElsewhereIsIdOk) {
    QtPaneHarness harness;
    RecordingQtPlatform& platform = harness.platform();
    const auto enterOn = [&](int id) {
        QWidget* widget = platform.Control(id);
        widget->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(platform.Window()->focusWidget(), widget) << id;
        platform.commands.clear();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        return platform.commands;
    };
    using Sent = std::vector<std::uint32_t>;
    EXPECT_EQ(enterOn(IdScrollDown), Sent{MakeCommand(IdScrollDown)});
    EXPECT_EQ(enterOn(IdOriginalPathEdit), Sent{MakeCommand(IDOK)});
}

TEST_F(QtWindowTest, postedCommands_runAfterTheCurrentOneInOrder) {
    Open();
    platform.SetChecked(IdAutoSave, true);
    platform.PostCommand(MakeCommand(IdAutoSave));
    platform.SetChecked(IdStackedLayout, true);
    platform.PostCommand(MakeCommand(IdStackedLayout));
    EXPECT_EQ(appState.autoSave, 0);
    EXPECT_EQ(appState.stackedLayout, 0);
    QApplication::processEvents();
    EXPECT_EQ(appState.autoSave, 1);
    EXPECT_EQ(appState.stackedLayout, 1);
}

// Not a check: writes a picture of the German window at the size it opens at,
// with the example pair loaded and checked, to the file VERBODEX_SCREENSHOT
// names.
TEST_F(QtWindowTest, screenshot) {
    const char* target = std::getenv("VERBODEX_SCREENSHOT");
    if (target == nullptr) GTEST_SKIP() << "VERBODEX_SCREENSHOT is not set";
    const std::string examples = VERBODEX_EXAMPLES;
    std::ofstream("verbodex.ini") << "[PATH]\r\nORIG=" << examples
                                  << "/de/DIALOG.INI\r\nTRANS=" << examples << "/en/DIALOG.INI\r\n";
    Open(true);
    platform.SendCommand(MakeCommand(IdCheck));
    QApplication::processEvents();
    ASSERT_TRUE(platform.Window()->grab().save(QString::fromLocal8Bit(target), "PNG"));
}

} // namespace

namespace {

TEST_F(QtWindowTest, upDownArrowsAndCaretCommand_reachTheProgramWithTheirParameters) {
    Open();
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    RichEdit_SetText(OriginalPane, text.c_str());
    RichEdit_SetText(TranslationPane, text.c_str());
    RichEdit_ScrollToLine(OriginalPane, 10);
    RichEdit_ScrollToLine(TranslationPane, 0);

    platform.UpDown(IdUpDown)->Arrow(false)->click();
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), 11);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 1);
    platform.UpDown(IdUpDown)->Arrow(true)->click();
    platform.UpDown(IdUpDown)->Arrow(true)->click();
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), 9);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 0);

    const std::int32_t index = RichEdit_LineIndex(TranslationPane, 11) + 3;
    RichEdit_SetSel(TranslationPane, index, index);
    platform.SendCommand(
        MakeCommand(CaretPositionCommand),
        reinterpret_cast<CommandParameter>(platform.ControlHandle(TranslationPane)));
    EXPECT_EQ(platform.GetControlText(IdCaretTranslation), "Z: 12   S: 4");
    EXPECT_EQ(platform.GetControlText(IdCaretOriginal), "Z:    S:");
}

} // namespace
