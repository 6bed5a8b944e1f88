// Menu files: line i of the translation belongs to line i of the original. Each
// line has an 11-character head of its own; from column 12 on, the colon field
// (from the first ":" to the first "'") must be the same in both files, and the
// text part (from that "'" on) is the translated text.
#pragma once

#include "app/app_state.h"

// The head: columns 1-11. Colons and quotes are looked for after it.
constexpr int MenuHeadLength = 11;

// A separator line: its head is eleven hyphens, or hyphen and blank
// alternating. A line of fewer than 11 characters is none.
bool IsMenuSeparator(const char* line, int length);

// "i-Check": marks lines without counterpart, separators that differ, and
// colon fields that are missing or differ. Only colours change.
void CheckMenu(FileKind& kind);

// "i-Merge": gives every translation line whose colon field is missing or
// differs the original's code part, keeping its own head and text part, and
// marks each changed line. The whole run undoes as one step.
void MergeMenu(FileKind& kind);
