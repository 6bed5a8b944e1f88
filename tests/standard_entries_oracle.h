// "#-#" as its steps read: every offered line counts its value by reading each
// later line of the translation again, and every accepted value reads every line
// below the new standard entry for the entries to turn into references. Slow on
// large files, but each step is easy to follow, so the tests keep it as the
// reference the indexed run is compared with.
#pragma once

#include "app/app_state.h"

namespace oracle {

void OfferStandardEntries(FileKind& kind);

} // namespace oracle
