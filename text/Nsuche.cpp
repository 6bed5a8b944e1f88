#include "text/Nsuche.h"

#include "text/string00.h"

// A search with nothing to search in, or for nothing, finds nothing here (unlike
// Index, where an empty pattern is found at position 1).
std::int16_t nsuche(const char* s, std::int16_t n, const char* p, std::int16_t m) {
    if (n <= 0 || m <= 0) return 0;
    return static_cast<std::int16_t>(Index(s, n, p, m));
}

std::int16_t nsuche_H(const char* s, std::int16_t n, const char* p, std::int16_t m) {
    if (n <= 0 || m <= 0) return 0;
    return static_cast<std::int16_t>(IndexBack(s, n, p, m));
}
