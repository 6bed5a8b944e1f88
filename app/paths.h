// How paths look on the system the program runs on.
#pragma once

#include <string>

// The remembered path used when the settings file has none: the current folder,
// written the native way.
const char* DefaultRememberedPath();
// The native separator between folders.
char PathSeparator();
// Whether file names that differ only in letter case name different files. Where
// they do, a chosen path keeps its case and name endings are compared without
// regard to case.
bool FileNamesAreCaseSensitive();

// The text of a path buffer: its first `length` characters (never beyond the
// buffer), ended early by a NUL among them.
std::string PathText(const char* path, int length);
