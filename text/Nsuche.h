// Substring search with 16-bit lengths and results.
#pragma once

#include <cstdint>

// 1-based position of the first occurrence of p(1:m) in s(1:n); 0 when it does
// not occur, when the pattern is longer, or when n or m is 0 or less.
std::int16_t nsuche(const char* s, std::int16_t n, const char* p, std::int16_t m);

// The same for the last occurrence.
std::int16_t nsuche_H(const char* s, std::int16_t n, const char* p, std::int16_t m);
