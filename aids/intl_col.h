// Structural colouring of one pane by the kind of file it holds.
#pragma once

#include "app/app_state.h"

void ColourPane(FileKind& kind, int pane);
