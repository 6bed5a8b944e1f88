// The caret position display below each pane: "Z: " and the caret's line, then
// "   S: " and its column, both counted from 1.
#pragma once

#include "platform/platform.h"

#include <cstdint>

// CaretPositionCommand: `window` is the window an input was meant for. For one of
// the two panes its display is rewritten; anything else changes nothing (keys
// and clicks on buttons and edit fields).
void ShowCaretPosition(CommandParameter window);

// The input hook of MainWindow, installed at window creation: every key and
// mouse-button message for MainWindow or one of its controls sends
// CaretPositionCommand with that window, before the input is carried out. So
// the display shows where the caret was while a key or button is down, and the
// release that follows shows where it is now.
void CaretMessageHook(Handle window, std::uint32_t message);
