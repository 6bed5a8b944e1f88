// The open and save dialogs of the Qt platform, built from a FileDialogRequest.
#pragma once

#include "platform/platform.h"

#include <QFileDialog>
#include <QStringList>

#include <memory>
#include <string>

// The request's filters as the dialog lists them. Each shows its description
// unchanged ("INI-Dateien (*.ini)") but matches without regard to case, and
// "*.*" matches every file, with or without a dot in its name.
QStringList DialogNameFilters(const FileDialogRequest& request);

// A file dialog for the request, ready to run: the non-native dialog (it works
// offscreen too), its filters with entry `filterIndex` selected, the initial
// folder and name, and the overwrite prompt.
std::unique_ptr<QFileDialog> MakeFileDialog(const FileDialogRequest& request, bool save,
                                            QWidget* parent);

// Runs the dialog; on acceptance gives the chosen path in the local 8-bit
// encoding with native separators.
bool RunFileDialog(QFileDialog& dialog, std::string& chosen);
