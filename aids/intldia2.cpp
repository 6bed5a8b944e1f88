// Placeholder until the check is built.
#include "aids/intldia2.h"

void CheckEntries(FileKind&) {}
