#include "text/Leedel.h"

std::int16_t Leedel(char* s, std::int16_t n) {
    if (n <= 0) return 0;
    std::int16_t count = 0;
    for (std::int16_t i = 0; i < n; ++i) {
        if (s[i] != ' ' && s[i] != '\0') s[count++] = s[i];
    }
    for (std::int16_t i = count; i < n; ++i)
        s[i] = ' ';
    return count;
}
