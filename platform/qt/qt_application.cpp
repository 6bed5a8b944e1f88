#include "platform/qt/qt_application.h"

#include "platform/qt/qt_translations.h"

#include <QApplication>
#include <QIcon>

QtApplication::QtApplication(int& argc, char* argv[])
    : application_(std::make_unique<QApplication>(argc, argv)),
      translations_(std::make_unique<QtTranslations>(QLocale::system())) {
    // The installed desktop entry and icon; the desktop matches the window to
    // them by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.verbodex.Verbodex"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.verbodex.Verbodex")));
}

QtApplication::~QtApplication() = default;

int QtApplication::Run() { return QApplication::exec(); }
