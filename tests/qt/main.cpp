// Test entry of the Qt platform's tests: one QApplication for all of them. They
// run offscreen unless QT_QPA_PLATFORM names another platform plugin, so that
// neither CI nor the test discovery at build time needs a display.
#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen plugin says on every window that it cannot raise it or pass on
// size hints; that is expected there and would only bury real warnings.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (defaultHandler != nullptr) defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(QuietOffscreenNotes);
    QApplication application(argc, argv);
    // Tests close windows; the application must outlive them.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
