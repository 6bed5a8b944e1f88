// Routes every command of MainWindow, by its whole number (control id in the low
// 16 bits, notification code in the high 16 bits), to its operation.
#pragma once

#include <cstdint>

// Runs the operation of a command. Returns true for a command of the table,
// false for any other (left to the default handling).
bool DispatchCommand(std::uint32_t command);
