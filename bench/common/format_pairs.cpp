#include "common/format_pairs.h"

#include <cstdio>
#include <random>

namespace {

constexpr std::size_t FileBytes = 1000000;
constexpr std::size_t Reserve = 200; // room for the last line

std::string Text(std::mt19937& random, int minLength, int maxLength) {
    std::string text;
    const int length = minLength + static_cast<int>(random() % (maxLength - minLength + 1));
    for (int i = 0; i < length; ++i)
        text.push_back(random() % 6 == 0 ? ' ' : static_cast<char>('a' + random() % 26));
    // The last character is not a blank, so that the line is as long as it looks.
    text.back() = 'x';
    return text;
}

void AddMaskLines(std::string& file, std::mt19937& random) {
    file = " 60  10   3\r\n";
    while (file.size() < FileBytes * 9 / 10)
        file += Text(random, 10, 70) + "\r\n";
    file += "&FELDER\r\n";
    for (int field = 1; file.size() < FileBytes - Reserve; ++field) {
        file += 'F';
        file += std::to_string(field);
        file += " 02 20 08 ";
        file += Text(random, 5, 40);
        file += "\r\n";
    }
}

std::string MenuLine(int line, const std::string& name, const std::string& text) {
    char head[32];
    std::snprintf(head, sizeof head, "M%05d     ", line % 100000);
    char code[32];
    std::snprintf(code, sizeof code, "K2:%-10s:'", name.c_str());
    return std::string(head) + code + text + "\r\n";
}

} // namespace

const Pair& BigMaskPair() {
    static const Pair pair = [] {
        std::mt19937 random(1903);
        Pair p;
        AddMaskLines(p.original, random);
        AddMaskLines(p.translation, random);
        return p;
    }();
    return pair;
}

const Pair& BigMenuPair() {
    static const Pair pair = [] {
        std::mt19937 random(2711);
        Pair p;
        for (int line = 0;
             p.original.size() < FileBytes - Reserve && p.translation.size() < FileBytes - Reserve;
             ++line) {
            if (line % 25 == 24) {
                p.original += "-----------\r\n";
                p.translation += "-----------\r\n";
                continue;
            }
            const std::string name = "ITEM" + std::to_string(line % 100000);
            p.original += MenuLine(line, name, Text(random, 5, 40));
            p.translation +=
                MenuLine(line, line % 10 == 0 ? name + "X" : name, Text(random, 5, 40));
        }
        return p;
    }();
    return pair;
}
