#include "common/generated_pair.h"

#include <map>
#include <random>

namespace {

constexpr std::size_t FileBytes = 1000000; // the size of BigPair's original
constexpr int StandardEntries = 300;

// Shares of the translation's gaps, in per mille.
constexpr unsigned MissingSectionsPerMille = 30;
constexpr unsigned MissingEntriesPerMille = 100;
constexpr unsigned TranslatedReferencesPerMille = 20;

std::string Word(std::mt19937& random, int minLength, int maxLength) {
    std::string word;
    const int length = minLength + static_cast<int>(random() % (maxLength - minLength + 1));
    for (int i = 0; i < length; ++i)
        word.push_back(static_cast<char>('a' + random() % 26));
    return word;
}

bool Roll(std::mt19937& random, unsigned perMille) { return random() % 1000 < perMille; }

void AddLine(std::string& file, const std::string& line) { file += line + "\r\n"; }

// Appends one line to both files, or to the original alone when it is missing
// from the translation.
void AddLine(Pair& pair, std::mt19937& random, const std::string& original,
             const std::string& translation, bool mayBeMissing) {
    pair.original += original + "\r\n";
    if (!mayBeMissing || random() % 10 != 0) pair.translation += translation + "\r\n";
}

Pair MakeLaggingPair(std::size_t originalBytes) {
    std::mt19937 random(1722);
    Pair p;
    p.original.reserve(originalBytes + 512);
    p.translation.reserve(originalBytes + 512);

    // The standard section: in the original only.
    AddLine(p.original, "[STANDARD]");
    for (int i = 0; i < StandardEntries; ++i) {
        AddLine(p.original, "#STD" + std::to_string(i) + "#=\"" + Word(random, 3, 12) + "\"");
    }
    p.sections = 1;
    p.missingSections = 1;

    int section = 0;
    constexpr std::size_t Reserve = 300; // room for the last line
    while (p.original.size() < originalBytes - Reserve) {
        const std::string header = "[SECTION" + std::to_string(section++) + "]";
        const bool sectionMissing = Roll(random, MissingSectionsPerMille);
        ++p.sections;
        if (sectionMissing) ++p.missingSections;
        auto add = [&](const std::string& original, const std::string& translation,
                       bool mayBeMissing) {
            AddLine(p.original, original);
            if (sectionMissing || (mayBeMissing && Roll(random, MissingEntriesPerMille))) return;
            AddLine(p.translation, translation);
        };
        add("", "", false);
        add(header, header, false);
        const int entries = 20 + static_cast<int>(random() % 181);
        for (int e = 0; e < entries && p.original.size() < originalBytes - Reserve; ++e) {
            const std::string key = "KEY" + std::to_string(e) + "=";
            const unsigned roll = random() % 20;
            if (roll < 5) {
                const std::string reference =
                    key + "#STD" + std::to_string(random() % StandardEntries) + "#";
                const bool translated = Roll(random, TranslatedReferencesPerMille);
                add(reference, translated ? key + "\"" + Word(random, 5, 20) + "\"" : reference,
                    true);
            } else if (roll == 5) {
                add("; " + Word(random, 5, 30), "; " + Word(random, 5, 30), false);
            } else {
                add(key + "\"" + Word(random, 5, 40) + "\"",
                    key + "\"" + Word(random, 5, 40) + "\"", true);
            }
        }
    }
    // The original ends at exactly the size asked for with a comment line; the
    // translation, lacking its gaps, is smaller, so that the merged translation
    // still fits its pane.
    const std::string last = ";" + std::string(originalBytes - p.original.size() - 3, '-');
    AddLine(p.original, last);
    AddLine(p.translation, last);
    return p;
}

} // namespace

const Pair& LaggingPair(std::size_t originalBytes) {
    static std::map<std::size_t, Pair> pairs;
    auto found = pairs.find(originalBytes);
    if (found == pairs.end())
        found = pairs.emplace(originalBytes, MakeLaggingPair(originalBytes)).first;
    return found->second;
}

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
