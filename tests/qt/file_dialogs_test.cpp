#include "documents/basis.h"
#include "platform/qt/file_dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>
#include <string>

namespace {

FileDialogRequest ProgramRequest() {
    FileDialogRequest request;
    request.title = "\xDC"
                    "bersetzungsdatei \xF6"
                    "ffnen";
    request.filters = FileFilterList;
    request.filterCount = FileFilterCount;
    request.filterIndex = InitialFilterIndex;
    return request;
}

// Whether a file name passes a dialog filter when names are compared with
// regard to case, as on a file system that tells case apart.
bool Passes(const QString& filter, const QString& name) {
    const QString patterns = filter.mid(filter.lastIndexOf(QLatin1Char('(')) + 1).chopped(1);
    for (const QString& pattern : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QRegularExpression expression(
            QRegularExpression::wildcardToRegularExpression(pattern));
        if (expression.match(name).hasMatch()) return true;
    }
    return false;
}

TEST(FileDialogs, filters_showTheirDescriptionsAndMatchWithoutRegardToCase) {
    auto dialog = MakeFileDialog(ProgramRequest(), false, nullptr);
    auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("INI-Dateien (*.ini)"));
    EXPECT_EQ(combo->itemText(2), QString::fromUtf8("Men\xC3\xBC"
                                                    "dateien (*.mnu)"));
    // The dialog starts with "Alle Dateien (*.*)".
    EXPECT_EQ(combo->currentIndex(), 3);
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("\xC3\x9C"
                                                       "bersetzungsdatei \xC3\xB6"
                                                       "ffnen"));

    const QStringList filters = DialogNameFilters(ProgramRequest());
    struct Case {
        int filter;
        const char* name;
        bool passes;
    };
    const Case cases[] = {
        {0, "DIALOG.INI", true},    {0, "dialog.ini", true},   {0, "Dialog.Ini", true},
        {0, "MASK0001.MSK", false}, {1, "mask0001.MSK", true}, {2, "MENU.mnu", true},
        {3, "README", true},        {3, "x.y", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Passes(filters.at(c.filter), QString::fromLatin1(c.name)), c.passes)
            << c.filter << " " << c.name;
    }
}

TEST(FileDialogs, saveDialog_offersTheRememberedPathAndGivesTheChoiceBack) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    FileDialogRequest request = ProgramRequest();
    request.overwritePrompt = true;
    request.initialName = QDir::toNativeSeparators(folder.filePath("dialog.ini")).toStdString();
    auto dialog = MakeFileDialog(request, true, nullptr);
    EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));

    QTimer::singleShot(0, dialog.get(), &QDialog::accept);
    std::string chosen;
    ASSERT_TRUE(RunFileDialog(*dialog, chosen));
    EXPECT_EQ(QDir(QFileInfo(QString::fromStdString(chosen)).absolutePath()).canonicalPath(),
              QDir(folder.path()).canonicalPath());
    EXPECT_EQ(QFileInfo(QString::fromStdString(chosen)).fileName(), QStringLiteral("dialog.ini"));
}

TEST(FileDialogs, nameInAMissingFolder_isNotAccepted) {
    QTemporaryDir folder;
    FileDialogRequest request = ProgramRequest();
    request.initialDirectory = folder.path().toStdString();
    auto dialog = MakeFileDialog(request, false, nullptr);
    EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(folder.path()).canonicalPath());

    bool stayedOpen = false;
    QTimer::singleShot(0, dialog.get(), [&] {
        dialog->selectFile(folder.filePath("missing/DIALOG.INI"));
        // accept() is protected in QFileDialog; the dialog's own override runs.
        static_cast<QDialog*>(dialog.get())->accept();
        stayedOpen = dialog->isVisible();
        dialog->reject();
    });
    std::string chosen = "unchanged";
    EXPECT_FALSE(RunFileDialog(*dialog, chosen));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(chosen, "unchanged");
}

} // namespace
