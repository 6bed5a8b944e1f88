// "i-Merge" for dialog-text files.
#pragma once

#include "app/app_state.h"

#include <cstdint>

class PretranslationIndex;

void MergeEntries(FileKind& kind);

// Fills a missing standard entry '#NAME#=text' (a line as read from the
// original, in a buffer of the aids' line capacity, `length` characters) with
// the text the translator already wrote at a key whose original refers to that
// standard entry, as `index` finds it. Returns true when it rewrote the line (and
// its length); the rewritten line always ends with its line end.
bool PretranslateStandardEntry(const PretranslationIndex& index, char* line, std::int32_t& length);
