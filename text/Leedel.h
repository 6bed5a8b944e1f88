// Removal of blanks and NULs from a fixed-length string.
#pragma once

#include <cstdint>

// Moves every character of s(1:n) that is neither a blank nor a NUL to the front,
// keeping their order, fills the rest of s(1:n) with blanks and returns how many
// characters were kept. n <= 0 changes nothing and returns 0.
std::int16_t Leedel(char* s, std::int16_t n);
