#include "platform/qt/qt_application.h"

#include <QApplication>

QtApplication::QtApplication(int& argc, char* argv[])
    : application_(std::make_unique<QApplication>(argc, argv)) {}

QtApplication::~QtApplication() = default;

int QtApplication::Run() { return QApplication::exec(); }
