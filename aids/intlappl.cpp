// Placeholder until the merge is built.
#include "aids/intlappl.h"

void MergeEntries(FileKind&) {}
