// The caret position display below each pane: "Z: " and the caret's line, then
// "   S: " and its column, both counted from 1.
#pragma once

#include "platform/platform.h"

// CaretPositionCommand: `window` is the window an input was meant for. For one of
// the two panes its display is rewritten; anything else changes nothing (keys
// and clicks on buttons and edit fields).
void ShowCaretPosition(CommandParameter window);
