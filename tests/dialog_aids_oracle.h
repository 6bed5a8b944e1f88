// The dialog-text aids "i-Check" and "i-Merge" as plain line-by-line searches,
// the way they were built first: every reference of the original searches the
// translation again from the last matched section header, every entry of the
// merge searches forward from its search start, and every standard entry to be
// pre-translated reads the whole original. Slow on large pairs, but each step is
// easy to follow, so the tests keep them as the reference the indexed aids are
// compared with.
#pragma once

#include "app/app_state.h"

#include <cstdint>

namespace oracle {

void CheckEntries(FileKind& kind);
void MergeEntries(FileKind& kind);
bool PretranslateStandardEntry(FileKind kind, char* line, std::int32_t& length);

} // namespace oracle
