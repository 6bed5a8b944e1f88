// Qt's own texts follow the locale: under a German one the buttons of the
// program's message boxes and the file dialogs speak German.
#include "platform/qt/qt_translations.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace {

struct ButtonTexts {
    QString yes, no, cancel;
};

ButtonTexts MessageBoxButtons() {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
            box.button(QMessageBox::Cancel)->text()};
}

// The label above the file list of Qt's own file dialog.
QString FileDialogLookIn() {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    return label != nullptr ? label->text() : QString();
}

TEST(QtTranslations, germanLocale_givesMessageBoxesAndFileDialogsGermanTexts) {
    {
        QtTranslations german(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(german.Loaded()) << "is qt6-translations-l10n installed?";
        const ButtonTexts buttons = MessageBoxButtons();
        EXPECT_EQ(buttons.yes, QStringLiteral("&Ja"));
        EXPECT_EQ(buttons.no, QStringLiteral("&Nein"));
        EXPECT_EQ(buttons.cancel, QStringLiteral("Abbrechen"));
        EXPECT_EQ(FileDialogLookIn(), QStringLiteral("Suchen in:"));
    }
    // Removed again, and English where Qt has no translation to load.
    QtTranslations english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(MessageBoxButtons().yes, QStringLiteral("&Yes"));
    EXPECT_EQ(FileDialogLookIn(), QStringLiteral("Look in:"));
}

} // namespace
