// Structural colouring of one pane by the kind of file it holds ("i-Color", and
// every load).
#pragma once

#include "app/app_state.h"

// How the lines of a kind of file are coloured.
enum class LineColouring {
    None,       // every line black
    DialogText, // section headers blue, comments dark green
    Mask,       // the header blue, the trailing block from its "&" line dark green
    Menu,       // separator lines blue
};

void ColourPane(FileKind& kind, int pane);
