// Placeholder until colouring is built.
#include "aids/intl_col.h"

void ColourPane(FileKind&, int) {}
