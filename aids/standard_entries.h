// "#-#" for dialog-text files: gathers a text that several entries of the
// translation hold into one standard entry below [STANDARD], and turns each of
// those entries into a reference to it, as the translator accepts value by value.
#pragma once

#include "app/app_state.h"

#include <cstdint>
#include <string>
#include <string_view>

void OfferStandardEntries(FileKind& kind);

// The message of the dialog: the value in double quotes, a blank, the count
// right-aligned in three characters (wider when it has more digits) and
// "x gefunden.".
std::string FoundMessage(std::string_view value, std::int32_t count);

// The new standard entry, without its line end: '#OK#="OK"' (DialogIni) or
// '#OK#=OK' (DialogCprIni).
std::string StandardEntryLine(FileKind kind, std::string_view name, std::string_view value);

// What an entry (its text without the line end) that holds the value becomes:
// its key with its "=", the name, and in DialogIni whatever followed the value's
// closing quote (a trailing comment), without trailing blanks. 'KEY="OK"' becomes
// 'KEY=#OK#'.
std::string ReferenceLine(FileKind kind, std::string_view entry, std::string_view name);

// Whether line 0 (as read, with its line end) opens the standard section: its
// first 10 characters are "[STANDARD]".
bool IsStandardHeader(const char* line, int n);

// What the run inserts at line 0 when the translation has no standard section:
// the header and an empty line.
extern const char* const StandardSectionText;
