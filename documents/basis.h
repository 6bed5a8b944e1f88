// The file dialogs: choosing the files to open and the name for Save As.
#pragma once

#include <cstdint>

// Pairs of description and pattern offered by both dialogs, in this order.
constexpr int FileFilterCount = 4;
extern const char* const FileFilterList[2 * FileFilterCount];
// Both dialogs start with "Alle Dateien (*.*)" selected (1-based).
constexpr int InitialFilterIndex = 4;

// Lets the user choose a file to open. The dialog starts in the folder of the
// remembered path (path(1:length), up to its last separator) with an empty name.
// Returns nonzero when a file was chosen; path and length then hold it. On cancel
// they keep their values. Where file names do not distinguish case the chosen
// path is given back in capitals. A chosen path too long for the path buffer is
// refused with a message, as if cancelled; `pathTooLong` (when given) tells so.
int OpenFileDialog(char* path, std::int32_t& length, const char* title, int titleLength,
                   bool* pathTooLong = nullptr);

// Lets the user choose a name to save under; the dialog starts with the remembered
// path as its name. Returns nonzero when a name was chosen. In every case length
// becomes the length of the text in path (after a cancel, the old length again).
// A chosen path too long for the path buffer is refused as in OpenFileDialog.
int SaveFileDialog(char* path, std::int32_t& length, const char* title, int titleLength,
                   int overwritePrompt, bool* pathTooLong = nullptr);
