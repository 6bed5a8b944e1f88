// Template 103, StandardEntryDialog: the modal dialog in which "#-#" offers a
// value that occurs several times, with the name proposed for its standard
// entry, in an English and a German version.
#pragma once

#include "resources/window_template.h"

// Its controls. The buttons end the dialog with their ids.
constexpr int IdEntryYes = 6;    // IDYES, the default button
constexpr int IdEntryCancel = 2; // IDCANCEL, also Esc
constexpr int IdEntryNo = 7;     // IDNO
constexpr int IdEntryNext = 8;
constexpr int IdEntryMessage = 1015; // the value and how often it was found
constexpr int IdEntryName = 1000;    // the name, upper case

const WindowTemplate& StandardEntryDialogTemplate();

// What the message says after the value and its count: '"OK"   3x gefunden.'.
extern const char* const FoundTimesText;
