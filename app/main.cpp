// Program entry: the Qt application, its platform and MainWindow.
#include "app/app_state.h"
#include "app/main_window.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char* argv[]) {
    QtApplication application(argc, argv);
    appState.instanceHandle = &application;
    QtPlatform platform;
    SetPlatform(&platform);
    platform.SetWindowProcedures(MainWindowProcedures());
    // Window creation runs as the window is built: settings, pane set-up, first
    // layout and the posted start-up loads, all before the window appears; the
    // loads run once the event loop starts.
    platform.BuildMainWindow();
    platform.ShowMainWindow();
    application.Run();
    SetPlatform(nullptr);
    // The exit code carries no meaning.
    return 0;
}
