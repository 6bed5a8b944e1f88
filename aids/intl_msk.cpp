#include "aids/intl_msk.h"

bool ReadMaskHeaderNumber(const char* field, int& value) {
    int number = 0;
    bool negative = false;
    bool signOrDigitSeen = false;
    for (int i = 0; i < MaskHeaderFieldWidth; ++i) {
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

bool ReadMaskWidth(const char* header, int& width) {
    int value = 0;
    if (!ReadMaskHeaderNumber(header, value) || value < 0) return false;
    width = value;
    return true;
}
