// The lines of the file a pane holds.
#pragma once

#include <cstdint>

// The number of lines of the file in the pane. A text that ends with a line
// break leaves the pane an empty last line after it, which is no line of the
// file: without this, a file ending with a line break would count one line more
// than the same file without it.
std::int32_t FileLineCount(int pane);
