// Case conversion of fixed-length strings by the Windows-1252 case pairs.
#pragma once

#include <cstdint>

// Puts s(1:n) into capitals; a negative n leaves s unchanged.
void KleGro(char* s, std::int16_t n);

// Converts s(1:n) in place: mode 0 to capitals, any other mode to small letters.
// The conversion of s(1:n-1) ends at the first NUL inside it; the last character
// s(n) is converted on its own, so it changes even behind such a NUL. Nothing
// after position n is touched; n <= 0 does nothing.
void GroKleGro(char* s, std::int32_t n, int mode);
