#include "platform/qt/qt_application.h"

#include "platform/qt/qt_translations.h"

#include <QApplication>

QtApplication::QtApplication(int& argc, char* argv[])
    : application_(std::make_unique<QApplication>(argc, argv)),
      translations_(std::make_unique<QtTranslations>(QLocale::system())) {}

QtApplication::~QtApplication() = default;

int QtApplication::Run() { return QApplication::exec(); }
