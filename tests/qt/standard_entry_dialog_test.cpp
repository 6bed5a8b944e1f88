// StandardEntryDialog in the real window, offscreen: what it shows, its default
// button and focus, Esc, the upper-case field and the tab order; and "#-#" on
// the example DIALOG.INI pair in the German window.
#include "aids/standard_entry_dialog.h"
#include "app/control_ids.h"
#include "platform/pane.h"
#include "platform/qt/modal_dialog.h"
#include "qt_window_fixture.h"
#include "resources/standard_entry_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <fstream>
#include <functional>

namespace fs = std::filesystem;

namespace {

class StandardEntryDialogTest : public QtWindowFixture {
  protected:
    // Runs `act` on the dialog once it is up (the timer fires inside its loop).
    void WhenShown(std::function<void(ModalDialog&)> act) {
        auto* timer = new QTimer(platform.Window());
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, act] {
            auto* dialog = dynamic_cast<ModalDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            timer->stop();
            timer->deleteLater();
            act(*dialog);
        });
        timer->start();
    }

    static void Key(QWidget* widget, int key, const QString& text = QString(),
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(widget, &release);
    }

    static QWidget* Focused(ModalDialog& dialog) { return dialog.focusWidget(); }
};

TEST_F(StandardEntryDialogTest, showsTheValueWithYesAsFocusedDefaultAndEnterTakesTheName) {
    Open(true);
    QString title;
    QString message;
    QString field;
    bool yesFocusedAndDefault = false;
    bool centred = false;
    WhenShown([&](ModalDialog& dialog) {
        title = dialog.windowTitle();
        message = qobject_cast<QLabel*>(dialog.Control(IdEntryMessage))->text();
        field = qobject_cast<QLineEdit*>(dialog.Control(IdEntryName))->text();
        auto* yes = qobject_cast<QPushButton*>(dialog.Control(IdEntryYes));
        yesFocusedAndDefault = Focused(dialog) == yes && yes->isDefault();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // Within the few pixels of a frame the window system adds.
        centred = (dialog.frameGeometry().center() - screen.center()).manhattanLength() <= 8;
        EXPECT_EQ(dialog.parentWidget(), platform.Window());
        Key(Focused(dialog), Qt::Key_Return);
    });
    std::string name;
    const int answer = ShowStandardEntryDialog("\"Gr\xF6\xDF"
                                               "e in %\"   2x gefunden.",
                                               "Gr\xF6\xDF"
                                               "e in %",
                                               name);
    EXPECT_EQ(title, QString::fromUtf8("Mehrfacheintrag \xC3\xBC"
                                       "bernehmen?"));
    EXPECT_EQ(message, QString::fromUtf8("\"Gr\xC3\xB6\xC3\x9F"
                                         "e in %\"   2x gefunden."));
    EXPECT_EQ(field, QStringLiteral("#GROESSE_IN_PROZ#"));
    EXPECT_TRUE(yesFocusedAndDefault);
    EXPECT_TRUE(centred);
    EXPECT_EQ(answer, IdEntryYes);
    EXPECT_EQ(name, "#GROESSE_IN_PROZ#");
}

TEST_F(StandardEntryDialogTest, escapeCancelsAndAnEmptyNameIsRefused) {
    Open();
    bool stayedOpen = false;
    WhenShown([&](ModalDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Insert standard entry"));
        qobject_cast<QLineEdit*>(dialog.Control(IdEntryName))->clear();
        qobject_cast<QPushButton*>(dialog.Control(IdEntryYes))->click();
        stayedOpen = dialog.isVisible();
        Key(Focused(dialog), Qt::Key_Escape);
    });
    std::string name = "unchanged";
    EXPECT_EQ(ShowStandardEntryDialog("\"OK\"   2x gefunden.", "OK", name), IdEntryCancel);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(name, "unchanged");
}

TEST_F(StandardEntryDialogTest, nameFieldHoldsOnlyCapitals) {
    Open();
    QString typed;
    WhenShown([&](ModalDialog& dialog) {
        auto* edit = qobject_cast<QLineEdit*>(dialog.Control(IdEntryName));
        edit->setFocus();
        edit->selectAll();
        for (QChar c : QString::fromUtf8("#gr\xC3\xB6\xC3\x9F"
                                         "e"))
            Key(edit, 0, QString(c));
        edit->insert(QString::fromUtf8("_\xC3\xBF\xC5\x93\xE2\x82\xAC\xC5\x82#"));
        typed = edit->text();
        Key(edit, Qt::Key_Return);
    });
    std::string name;
    EXPECT_EQ(ShowStandardEntryDialog("\"x\"   2x gefunden.", "x", name), IdEntryYes);
    // The sharp s and the euro sign have no capital; a character the code page
    // lacks becomes '?'.
    EXPECT_EQ(typed, QString::fromUtf8("#GR\xC3\x96\xC3\x9F"
                                       "E_\xC5\xB8\xC5\x92\xE2\x82\xAC?#"));
    EXPECT_EQ(name, "#GR\xD6\xDF"
                    "E_\x9F\x8C\x80?#");
}

TEST_F(StandardEntryDialogTest, tabGoesYesCancelNoNameNext) {
    Open();
    std::vector<int> order;
    WhenShown([&](ModalDialog& dialog) {
        for (int i = 0; i < 6; ++i) {
            for (int id : {IdEntryYes, IdEntryCancel, IdEntryNo, IdEntryName, IdEntryNext}) {
                if (dialog.Control(id) == Focused(dialog)) order.push_back(id);
            }
            Key(Focused(dialog), Qt::Key_Tab);
        }
        dialog.End(IdEntryNext);
    });
    std::string name;
    EXPECT_EQ(ShowStandardEntryDialog("m", "v", name), IdEntryNext);
    EXPECT_EQ(order, (std::vector<int>{IdEntryYes, IdEntryCancel, IdEntryNo, IdEntryName,
                                       IdEntryNext, IdEntryYes}));
}

TEST_F(StandardEntryDialogTest, standardEntriesButtonGathersTheRepeatedTextOfTheExample) {
    for (const char* side : {"de", "en"}) {
        fs::create_directories(side);
        fs::copy_file(fs::path(VERBODEX_EXAMPLES) / side / "DIALOG.INI",
                      fs::path(side) / "DIALOG.INI");
    }
    std::ofstream("verbodex.ini", std::ios::binary)
        << "[PATH]\r\nORIG=de/DIALOG.INI\r\nTRANS=en/DIALOG.INI\r\n";
    Open(true);
    ASSERT_TRUE(platform.IsControlEnabled(IdStandardEntries));
    const std::string loaded = platform.GetControlText(TranslationPane);
    QString message;
    WhenShown([&](ModalDialog& dialog) {
        message = qobject_cast<QLabel*>(dialog.Control(IdEntryMessage))->text();
        Key(Focused(dialog), Qt::Key_Return);
    });
    qobject_cast<QAbstractButton*>(platform.Control(IdStandardEntries))->click();

    EXPECT_EQ(message, QStringLiteral("\"Close\"   2x gefunden."));
    const std::string text = platform.GetControlText(TranslationPane);
    EXPECT_EQ(text.substr(0, 31), "[STANDARD]\r\n#CLOSE#=\"Close\"\r\n\r\n");
    EXPECT_NE(text.find("BTN_SCHLIESSEN=#CLOSE#\r\n\r\n[UEBERSICHT]"), std::string::npos);
    EXPECT_EQ(appState.modified, 1);

    // One undo takes the header, the entry and its references back together.
    platform.GetPane(TranslationPane)->Undo();
    EXPECT_EQ(platform.GetControlText(TranslationPane), loaded);
    EXPECT_FALSE(platform.GetPane(TranslationPane)->CanUndo());
}

} // namespace
