// The settings file: a sectioned key=value text file, "verbodex.ini" in the
// working directory at the time of each access. Section and key names are
// compared without regard to case; the first match wins. A missing file,
// section or key gives the default; write failures are ignored.
#pragma once

#include <string>

// The settings file of the current working directory.
std::string SettingsFilePath();

// Reads a text into buffer (NUL-terminated, cut to capacity - 1 characters).
// Returns the number of characters placed in the buffer.
int ReadSettingText(const char* section, const char* key, const char* defaultValue, char* buffer,
                    int capacity);
// Reads an integer (leading decimal digits of the value, optional sign).
int ReadSettingInt(const char* section, const char* key, int defaultValue);
// Writes a key, replacing it in place or adding it, creating the section and the
// file as needed; every other line of the file stays as it was, and the file is
// replaced only once its new content is whole. A value with blanks at an end or
// in quotes is written in quotes, so that it reads back as it was given. False
// when the write failed, or when it was refused because it would not read back:
// a line break anywhere, an empty name, a key with "=" or beginning with "[" or
// ";", a section name with "]".
bool WriteSettingText(const char* section, const char* key, const char* value);

// The same, on a named file.
int ReadProfileText(const std::string& file, const char* section, const char* key,
                    const char* defaultValue, char* buffer, int capacity);
int ReadProfileInt(const std::string& file, const char* section, const char* key, int defaultValue);
bool WriteProfileText(const std::string& file, const char* section, const char* key,
                      const char* value);
