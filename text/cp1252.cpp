#include "text/cp1252.h"

#include <array>

// Bytes 0x80 to 0x9F are where the code page differs from Latin-1: the euro sign,
// quotes, dashes and a few letters. The five unused bytes keep their own values.
static constexpr char32_t highControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

static constexpr std::array<char32_t, 256> MakeToUnicode() {
    std::array<char32_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        table[byte] = (byte >= 0x80 && byte <= 0x9F) ? highControlRange[byte - 0x80]
                                                     : static_cast<char32_t>(byte);
    }
    return table;
}

static constexpr std::array<char32_t, 256> toUnicode = MakeToUnicode();

char32_t Cp1252ToUnicode(unsigned char c) { return toUnicode[c]; }

int UnicodeToCp1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    for (int i = 0; i < 32; ++i) {
        if (highControlRange[i] == codePoint) return 0x80 + i;
    }
    return -1;
}

unsigned char Cp1252Upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        return c;
    }
}

unsigned char Cp1252Lower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

std::wstring Cp1252ToWide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        wide[i] = static_cast<wchar_t>(Cp1252ToUnicode(static_cast<unsigned char>(text[i])));
    return wide;
}

bool WideToCp1252(const std::wstring& text, std::string& bytes) {
    bytes.assign(text.size(), '?');
    bool whole = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int byte = UnicodeToCp1252(static_cast<char32_t>(text[i]));
        if (byte < 0) {
            whole = false;
        } else {
            bytes[i] = static_cast<char>(byte);
        }
    }
    return whole;
}
