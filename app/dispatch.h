// Routes every command of MainWindow, by its whole number (control id in the low
// 16 bits, notification code in the high 16 bits), to its operation, and the
// controls' notifications to theirs.
#pragma once

#include "platform/platform.h"

#include <cstdint>

// Runs the operation of a command. Returns true for a command of the table,
// false for any other (left to the default handling).
bool DispatchCommand(std::uint32_t command, CommandParameter parameter = 0);

// A notification is answered as handled whatever its code; only UDN_DELTAPOS of
// the up-down control acts.
bool DispatchNotification(const Notification& notification);
