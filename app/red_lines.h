// F8 and Shift+F8: from one line an aid marked red to the next, so that the
// translator can visit the findings of a check one by one.
#pragma once

#include "app/search.h"

// Moves the caret of the pane the keys act on (PaneInUse) to the start of the
// next (or previous) line below (above) the selection's start that carries red,
// selects that line without its line break, scrolls it into view and brings the
// other pane to the corresponding line. No such line: a beep, and nothing
// moves; there is no wrap at either end.
void StepToRedLine(SearchDirection direction);
