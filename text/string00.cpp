#include "text/string00.h"

#include <cstring>

// Lengths below 0 are taken as 0 throughout, so that no rule reads or writes
// before a buffer.
static int NotNegative(int length) { return length < 0 ? 0 : length; }

void Assign(char* dest, int destLength, const char* source, int sourceLength) {
    destLength = NotNegative(destLength);
    sourceLength = NotNegative(sourceLength);
    const int copied = sourceLength < destLength ? sourceLength : destLength;
    // memmove: a string may be assigned a part of itself.
    if (copied > 0) std::memmove(dest, source, static_cast<std::size_t>(copied));
    if (destLength > copied) {
        std::memset(dest + copied, ' ', static_cast<std::size_t>(destLength - copied));
    }
}

bool FixedEqual(const char* a, int aLength, const char* b, int bLength) {
    aLength = NotNegative(aLength);
    bLength = NotNegative(bLength);
    const int common = aLength < bLength ? aLength : bLength;
    if (common > 0 && std::memcmp(a, b, static_cast<std::size_t>(common)) != 0) return false;
    const char* longer = aLength > bLength ? a : b;
    const int longerLength = aLength > bLength ? aLength : bLength;
    for (int i = common; i < longerLength; ++i) {
        if (longer[i] != ' ') return false;
    }
    return true;
}

bool SameStart(const char* a, int aLength, const char* b, int bLength, int k) {
    if (k <= 0) return true;
    if (aLength < k || bLength < k) return false;
    return std::memcmp(a, b, static_cast<std::size_t>(k)) == 0;
}

int Index(const char* s, int n, const char* p, int m) {
    n = NotNegative(n);
    m = NotNegative(m);
    if (m > n) return 0;
    if (m == 0) return 1;
    for (int start = 0; start + m <= n; ++start) {
        if (s[start] == p[0] && std::memcmp(s + start, p, static_cast<std::size_t>(m)) == 0) {
            return start + 1;
        }
    }
    return 0;
}

int IndexBack(const char* s, int n, const char* p, int m) {
    n = NotNegative(n);
    m = NotNegative(m);
    if (m > n) return 0;
    if (m == 0) return n + 1;
    for (int start = n - m; start >= 0; --start) {
        if (s[start] == p[0] && std::memcmp(s + start, p, static_cast<std::size_t>(m)) == 0) {
            return start + 1;
        }
    }
    return 0;
}

int IndexChar(const char* s, int n, char c) {
    if (n <= 0) return 0;
    const void* found = std::memchr(s, static_cast<unsigned char>(c), static_cast<std::size_t>(n));
    return found ? static_cast<int>(static_cast<const char*>(found) - s) + 1 : 0;
}

static bool InSet(char c, const char* set, int setLength) {
    return setLength > 0 &&
           std::memchr(set, static_cast<unsigned char>(c), static_cast<std::size_t>(setLength));
}

int ScanSet(const char* s, int n, const char* set, int setLength) {
    for (int i = 0; i < n; ++i) {
        if (InSet(s[i], set, setLength)) return i + 1;
    }
    return 0;
}

int ScanSetBack(const char* s, int n, const char* set, int setLength) {
    for (int i = n - 1; i >= 0; --i) {
        if (InSet(s[i], set, setLength)) return i + 1;
    }
    return 0;
}

bool ReadFixedNumber(const char* field, int width, int& value) {
    int number = 0;
    bool negative = false;
    bool signOrDigitSeen = false;
    for (int i = 0; i < width; ++i) {
        const char c = field[i];
        if (c == ' ') continue;
        if ((c == '+' || c == '-') && !signOrDigitSeen) {
            negative = c == '-';
        } else if (c >= '0' && c <= '9') {
            number = number * 10 + (c - '0');
        } else {
            return false;
        }
        signOrDigitSeen = true;
    }
    value = negative ? -number : number;
    return true;
}
