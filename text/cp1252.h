// Windows-1252, the 8-bit code page of every document and of the settings file.
#pragma once

#include <string>

// Case pairs of the code page: a-z/A-Z, 0xE0-0xFE/0xC0-0xDE except the signs
// 0xF7/0xD7, and 0x9A/0x8A, 0x9C/0x8C, 0x9E/0x8E, 0xFF/0x9F. Every other byte,
// the sharp s among them, is its own upper and lower case.
unsigned char Cp1252Upper(unsigned char c);
unsigned char Cp1252Lower(unsigned char c);

// The exact mapping to Unicode. The five bytes the code page leaves unused
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to U+0081 etc., so a round trip through
// Unicode gives every byte back.
char32_t Cp1252ToUnicode(unsigned char c);
// The byte of a Unicode code point; -1 when the code page has none.
int UnicodeToCp1252(char32_t codePoint);

// A text of the code page as wide characters, one for each byte (every code
// point of the page lies in the Basic Multilingual Plane). Windows names files
// in UTF-16, so this is the name of a file whose 8-bit name the program holds.
std::wstring Cp1252ToWide(const std::string& text);
// The way back; false when a character has no byte in the code page (the text
// then holds '?' in its place).
bool WideToCp1252(const std::wstring& text, std::string& bytes);
