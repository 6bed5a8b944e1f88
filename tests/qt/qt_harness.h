// A real MainWindow on the Qt platform for tests: built in the English version,
// set as the platform, shown, and gone again at the end. The notifications of
// the translation pane are recorded instead of dispatched, so that no message
// box opens; every other command is recorded and dispatched.
#pragma once

#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "platform/qt/main_window_widget.h"
#include "platform/qt/qt_pane.h"
#include "platform/qt/qt_platform.h"

#include <QApplication>

#include <cstdint>
#include <vector>

class RecordingQtPlatform : public QtPlatform {
  public:
    bool SendCommand(std::uint32_t command, CommandParameter parameter = 0) override {
        if ((command & 0xFFFF) == TranslationPane && (command >> 16) != 0) {
            codes.push_back(static_cast<std::uint16_t>(command >> 16));
            return true;
        }
        commands.push_back(command);
        return QtPlatform::SendCommand(command, parameter);
    }
    std::vector<std::uint16_t> codes;
    std::vector<std::uint32_t> commands;
};

class QtPaneHarness {
  public:
    QtPaneHarness() {
        ResetAppState();
        SetPlatform(&platform_);
        // The program's commands, without its window creation.
        platform_.SetWindowProcedures(CommandProcedures());
        platform_.BuildMainWindow(false);
        // The pane font window creation gives the panes when there are no settings.
        platform_.SetPaneFont("Courier", 15);
        platform_.Window()->show();
        QApplication::processEvents();
    }
    ~QtPaneHarness() {
        platform_.Window()->hide();
        SetPlatform(nullptr);
        ResetAppState();
    }
    Pane& pane() { return *platform_.PaneWidget(TranslationPane); }
    QtPane& widget() { return *platform_.PaneWidget(TranslationPane); }
    int id() const { return TranslationPane; }
    std::vector<std::uint16_t>& notifications() { return platform_.codes; }
    RecordingQtPlatform& platform() { return platform_; }

  private:
    RecordingQtPlatform platform_;
};
