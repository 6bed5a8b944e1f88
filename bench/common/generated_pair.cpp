#include "common/generated_pair.h"

#include <random>

namespace {

constexpr std::size_t FileBytes = 1000000;
constexpr int StandardEntries = 300;

std::string Word(std::mt19937& random, int minLength, int maxLength) {
    std::string word;
    const int length = minLength + static_cast<int>(random() % (maxLength - minLength + 1));
    for (int i = 0; i < length; ++i)
        word.push_back(static_cast<char>('a' + random() % 26));
    return word;
}

// Appends one line to both files, or to the original alone when it is missing
// from the translation.
void AddLine(Pair& pair, std::mt19937& random, const std::string& original,
             const std::string& translation, bool mayBeMissing) {
    pair.original += original + "\r\n";
    if (!mayBeMissing || random() % 10 != 0) pair.translation += translation + "\r\n";
}

} // namespace

const Pair& BigPair() {
    static const Pair pair = [] {
        std::mt19937 random(1722);
        Pair p;
        p.original.reserve(FileBytes + 512);
        p.translation.reserve(FileBytes + 512);
        AddLine(p, random, "[STANDARD]", "[STANDARD]", false);
        for (int i = 0; i < StandardEntries; ++i) {
            const std::string name = "#STD" + std::to_string(i) + "#=\"";
            AddLine(p, random, name + Word(random, 3, 12) + "\"", name + Word(random, 3, 12) + "\"",
                    true);
        }
        int section = 0;
        constexpr std::size_t Reserve = 300; // room for the last line
        while (p.original.size() < FileBytes - Reserve) {
            const std::string header = "[SECTION" + std::to_string(section++) + "]";
            AddLine(p, random, "", "", false);
            AddLine(p, random, header, header, false);
            const int entries = 20 + static_cast<int>(random() % 181);
            for (int e = 0; e < entries && p.original.size() < FileBytes - Reserve; ++e) {
                const std::string key = "KEY" + std::to_string(e) + "=";
                const unsigned roll = random() % 20;
                if (roll < 5) {
                    const std::string reference =
                        key + "#STD" + std::to_string(random() % StandardEntries) + "#";
                    AddLine(p, random, reference, reference, true);
                } else if (roll == 5) {
                    AddLine(p, random, "; " + Word(random, 5, 30), "; " + Word(random, 5, 30),
                            false);
                } else {
                    AddLine(p, random, key + "\"" + Word(random, 5, 40) + "\"",
                            key + "\"" + Word(random, 5, 40) + "\"", true);
                }
            }
        }
        // The original ends at exactly 1,000,000 bytes with a comment line; the
        // translation, lacking its 10%, is smaller, so that the merged
        // translation still fits its pane.
        const std::string last = ";" + std::string(FileBytes - p.original.size() - 3, '-');
        AddLine(p, random, last, last, false);
        return p;
    }();
    return pair;
}

const std::string& BigText() {
    constexpr std::size_t PaneBytes = 1000000;
    static const std::string text = [] {
        std::mt19937 random(42);
        std::string out;
        out.reserve(PaneBytes);
        int entry = 0;
        while (out.size() < PaneBytes) {
            std::string line = "KEY" + std::to_string(entry++) + "=\"";
            std::size_t length = 20 + random() % 41;
            while (line.size() < length - 1)
                line.push_back(static_cast<char>('a' + random() % 26));
            line += "\"\r\n";
            if (out.size() + line.size() > PaneBytes)
                line = std::string(PaneBytes - out.size(), 'x');
            out += line;
        }
        return out;
    }();
    return text;
}
