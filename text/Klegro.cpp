#include "text/Klegro.h"

#include "text/cp1252.h"

static unsigned char ConvertCase(unsigned char c, int mode) {
    return mode == 0 ? Cp1252Upper(c) : Cp1252Lower(c);
}

void GroKleGro(char* s, std::int32_t n, int mode) {
    if (n <= 0) return;
    // The last character is set aside, so that the run over s(1:n-1) can stop at
    // a NUL without losing it and without running past position n.
    const unsigned char last = static_cast<unsigned char>(s[n - 1]);
    for (std::int32_t i = 0; i < n - 1 && s[i] != '\0'; ++i) {
        s[i] = static_cast<char>(ConvertCase(static_cast<unsigned char>(s[i]), mode));
    }
    s[n - 1] = static_cast<char>(ConvertCase(last, mode));
}

void KleGro(char* s, std::int16_t n) {
    if (n < 0) return;
    GroKleGro(s, static_cast<std::int32_t>(n), 0);
}
