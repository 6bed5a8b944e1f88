// Placement of the panes and controls of MainWindow whenever its size changes.
#pragma once

#include "platform/platform.h"

// The window refuses to become smaller than this.
constexpr int MinTrackWidth = 530;
constexpr int MinTrackHeight = 300;

// Moves and sizes the panes, the button column, the caret labels and the
// translation-side group for the current window size and arrangement.
bool LayoutMainWindow();

// Converts a rectangle from screen to MainWindow client coordinates: first the
// top-left corner, and only if that worked the bottom-right one. Returns 1 when
// both worked, else 0.
int RectToClient(Rect& rect);
