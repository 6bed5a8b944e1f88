// How paths look on the system the program runs on.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// The remembered path used when the settings file has none: the current folder,
// written the native way.
const char* DefaultRememberedPath();
// The native separator between folders.
char PathSeparator();
// Whether a character is a separator between folders: on Windows both '\\' and
// '/' are.
bool IsPathSeparator(char c);
// Whether file names that differ only in letter case name different files. Where
// they do, a chosen path keeps its case and name endings are compared without
// regard to case.
bool FileNamesAreCaseSensitive();

// Whether the path begins with a drive letter and ':' (only on Windows).
bool HasDrive(const std::string& path);
// Where the last name of a path begins: after its last separator, or on Windows
// after a drive ("C:NAME"); 0 for a bare name.
std::size_t NameStart(const std::string& path);
// The folder a path's last name lies in: "." for a bare name; a root (/ or
// C:\ ) keeps its separator, and a drive alone (C:) stands for its current
// folder.
std::string FolderOf(const std::string& path);

// The text of a path buffer: its first `length` characters (never beyond the
// buffer), ended early by a NUL among them.
std::string PathText(const char* path, int length);

// Whether the path's last name is one Windows keeps for a device (CON, PRN,
// AUX, NUL, COM1 to COM9, LPT1 to LPT9, whatever the case and the extension:
// NUL.INI is the null device there). Reading CON would wait for the console.
// Always false elsewhere, where devices are no regular files to the system.
bool NamesADevice(const std::string& path);

// The file a path of the program names. Paths are 8-bit Windows-1252 text; on
// Windows, which names files in UTF-16, they are converted with that code page
// (not with the system's, which may be another one), so that a name holding
// characters such as the euro sign names the file the translator chose.
// Elsewhere the bytes are the name.
std::filesystem::path NativePath(const std::string& path);
// The way back: the program's text of a name the system gave (a folder's
// listing); false when the name holds characters outside the code page, which
// no path of the program can name.
bool ProgramPath(const std::filesystem::path& native, std::string& path);
// std::fopen by the native name.
std::FILE* OpenNativeFile(const std::string& path, const char* mode);
