// Raw exchange and copy of memory areas.
#pragma once

#include <cstdint>

// Exchanges the n bytes at a with the n bytes at b. n <= 0 does nothing.
void taupp(std::int32_t n, void* a, void* b);

// Copies n bytes from source to destination, correctly also when the two areas
// overlap. The addresses are passed as integers holding their values, as the
// callers that place a word into a line buffer compute them. n <= 0 does nothing.
void MoveBytes(std::int32_t n, std::uintptr_t source, std::uintptr_t destination);
// The same with ordinary pointers.
void MoveBytes(std::int32_t n, const void* source, void* destination);
