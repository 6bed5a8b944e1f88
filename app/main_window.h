// Creation and closing of MainWindow, and the guard for unsaved changes.
#pragma once

#include "platform/platform.h"

// The procedures of MainWindow's messages, which the program hands the platform
// at start: window creation, the command table, notifications, the layout and
// the minimum size.
WindowProcedures MainWindowProcedures();
// The same without window creation, for running the program's commands on a
// window that the caller sets up itself (the batch tool, benchmarks).
WindowProcedures CommandProcedures();

// Window creation: settings read, panes set up, first layout, remembered paths
// shown, the two start-up loads posted, the input hook installed. Returns true.
bool InitMainWindow();

// The set-up both panes receive at window creation: change notification and text
// limit of the translation, the read-only background, the selection bars.
void ConfigurePanes();

// Asks about unsaved changes of the translation before an operation replaces or
// drops them. Returns true when the operation may go on.
bool AskToSave();

// Closing (the window's close box, Alt+F4, Escape).
void CloseMainWindow();
