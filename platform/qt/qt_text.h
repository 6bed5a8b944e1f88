// Windows-1252 bytes to and from Qt strings, through the exact table of
// text/cp1252.h (never Latin-1: 0x80-0x9F hold the euro sign, quotes and dashes).
#pragma once

#include <QString>
#include <QStringView>

#include <string>

// The byte for one UTF-16 unit; '?' when the code page has no such character
// (a surrogate half among them, so that one unit stays one byte).
char EncodeCp1252(char16_t unit);
std::string EncodeCp1252(QStringView text);

// The characters of a NUL-terminated or counted byte text.
QString DecodeCp1252(const char* text);
QString DecodeCp1252(const std::string& text);

// A text for a pane: CR LF, a lone CR and a lone LF each become one '\n'.
QString DecodePaneText(const char* text);

// Replaces what the code page cannot hold by '?', NUL too (the text would end
// there once saved), and every kind of line break (CR LF, CR, LF, the Unicode
// line and paragraph separators) by '\n', so that typed or pasted text holds
// only characters that can be saved.
QString MakeStorable(const QString& text);
