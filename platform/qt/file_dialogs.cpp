#include "platform/qt/file_dialogs.h"

#include "platform/qt/qt_text.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A dialog that refuses a name in a folder that does not exist, when the
// request asks for an existing folder.
class CheckedFileDialog : public QFileDialog {
  public:
    CheckedFileDialog(QWidget* parent, const QString& title, bool pathMustExist)
        : QFileDialog(parent, title), pathMustExist_(pathMustExist) {}

    void accept() override {
        const QStringList files = selectedFiles();
        if (pathMustExist_ && !files.isEmpty() && !QFileInfo(files.first()).isDir() &&
            !QFileInfo(files.first()).absoluteDir().exists()) {
            QApplication::beep();
            return;
        }
        QFileDialog::accept();
    }

  private:
    bool pathMustExist_;
};

// "*.ini" becomes "*.[iI][nN][iI]", so that it also finds "DIALOG.INI" where the
// file system tells letter case apart; "*.*" becomes "*".
QString CaseInsensitivePattern(const QString& pattern) {
    if (pattern == QLatin1String("*.*")) return QStringLiteral("*");
    QString out;
    for (QChar c : pattern) {
        const QChar lower = c.toLower();
        const QChar upper = c.toUpper();
        if (lower != upper) {
            out += QLatin1Char('[');
            out += lower;
            out += upper;
            out += QLatin1Char(']');
        } else {
            out += c;
        }
    }
    return out;
}

QString DecodePath(const std::string& path) { return QFile::decodeName(path.c_str()); }

} // namespace

QStringList DialogNameFilters(const FileDialogRequest& request) {
    QStringList filters;
    for (int i = 0; i < request.filterCount && request.filters != nullptr; ++i) {
        const QString description = DecodeCp1252(request.filters[2 * i]);
        const QStringList patterns =
            DecodeCp1252(request.filters[2 * i + 1]).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        QStringList matching;
        for (const QString& pattern : patterns)
            matching << CaseInsensitivePattern(pattern.trimmed());
        // The dialog matches the patterns in the last parentheses and, with the
        // details hidden, shows what stands before them: the description.
        filters << description + QStringLiteral(" (") + matching.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

std::unique_ptr<QFileDialog> MakeFileDialog(const FileDialogRequest& request, bool save,
                                            QWidget* parent) {
    auto dialog = std::make_unique<CheckedFileDialog>(parent, DecodeCp1252(request.title),
                                                      request.pathMustExist);
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setOption(QFileDialog::HideNameFilterDetails, true);
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A typed name need not exist yet: opening it fails later, quietly.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);

    const QStringList filters = DialogNameFilters(request);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        const int index = request.filterIndex >= 1 && request.filterIndex <= filters.size()
                              ? request.filterIndex - 1
                              : 0;
        dialog->selectNameFilter(filters.at(index));
    }

    if (!request.initialDirectory.empty())
        dialog->setDirectory(DecodePath(request.initialDirectory));
    if (!request.initialName.empty()) {
        const QString name = DecodePath(request.initialName);
        if (name.endsWith(QLatin1Char('/')) || name.endsWith(QDir::separator())) {
            dialog->setDirectory(name);
        } else {
            const QFileInfo info(name);
            if (name.contains(QLatin1Char('/')) || name.contains(QDir::separator())) {
                dialog->setDirectory(info.absolutePath());
            }
            dialog->selectFile(info.fileName());
        }
    }
    return dialog;
}

bool RunFileDialog(QFileDialog& dialog, std::string& chosen) {
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return false;
    chosen = QFile::encodeName(QDir::toNativeSeparators(files.first())).toStdString();
    return true;
}
