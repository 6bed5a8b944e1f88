#include "random_dialog_pair.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace {

using Random = std::mt19937_64;

template <typename T, std::size_t N> const T& Pick(Random& random, const T (&items)[N]) {
    return items[random() % N];
}

bool Chance(Random& random, int percent) { return static_cast<int>(random() % 100) < percent; }

// Few names, so that sections, keys and standard entries meet each other often.
// '[DLG1]' and '[DLG10]' share their start; the long names pass the 64
// characters a remembered header holds and differ only after them.
const std::string sectionNames[] = {
    "MAIN",
    "DLG1",
    "DLG10",
    "STANDARD",
    "AB",
    "A",
    std::string(70, 'X'),
    std::string(70, 'X') + "Y",
};
const char* const keys[] = {"A", "B", "K", "KEY", "BTN", "AB", "A=B", "A;B", "X\"Y", ""};
const char* const names[] = {"OK", "YES", "A", "NO", "OK#B"};
const char* const words[] = {"ok", "Okay", "x", "Ja", "two words", "a;b", "a=#OK#"};

std::string Word(Random& random) { return Pick(random, words); }

std::string Name(Random& random) { return Pick(random, names); }

// Joins pieces; a string literal followed by a temporary string would do, but
// GCC 12 takes that for an overlapping copy under -O2 (-Wrestrict).
std::string Cat(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (std::string_view piece : pieces)
        out.append(piece);
    return out;
}

// A line of about `length` characters with the given start, for lines around and
// beyond the line buffer's 320 characters.
std::string Padded(const std::string& start, std::size_t length, const std::string& end) {
    std::string line = start;
    if (line.size() + end.size() < length) line.append(length - line.size() - end.size(), 'v');
    return line + end;
}

std::size_t LongLength(Random& random) {
    const std::size_t lengths[] = {316, 318, 319, 320, 321, 322, 400};
    return Pick(random, lengths);
}

std::string Header(Random& random) {
    const std::string name = Pick(random, sectionNames);
    switch (random() % 12) {
    case 0:
        return "[" + name; // no "]"
    case 1:
        return "[" + name + "] ;note";
    case 2:
        return "[" + name + "]\"";
    case 3:
        return Padded("[" + name, LongLength(random), "]");
    default:
        return "[" + name + "]";
    }
}

std::string Value(Random& random, FileKind kind) {
    const bool quoted = kind == FileKind::DialogIni;
    switch (random() % 16) {
    case 0:
    case 1:
    case 2:
    case 3:
        return Cat({"#", Name(random), "#"});
    case 4:
        return "##";
    case 5:
        return Cat({"#", Name(random)}); // no closing "#"
    case 6:
        return "#";
    case 7:
        return Cat({"\"", Word(random)}); // unbalanced
    case 8:
        return "\"a;b\" ;note";
    case 9:
        return "\"x\" !=#OK#";
    case 10:
        return Cat({"\"x=#", Name(random), "#\""});
    case 11:
        return Cat({"#", Name(random), "# ;\""});
    case 12:
        return Padded(quoted ? "\"" : "", LongLength(random), quoted ? "\"" : "");
    case 13:
        return "";
    default:
        return quoted ? Cat({"\"", Word(random), "\""}) : Word(random);
    }
}

std::string Entry(Random& random, FileKind kind) {
    return std::string(Pick(random, keys)) + "=" + Value(random, kind);
}

std::string StandardEntry(Random& random, FileKind kind) {
    switch (random() % 9) {
    case 0:
        return "##=x"; // no name
    case 1:
        return "#AB=x"; // no closing "#"
    case 2:
        return Cat({"#", Name(random), "#"}); // no "="
    case 3:
        return "#=x";
    default:
        return Cat({"#", Name(random), "#=", Value(random, kind)});
    }
}

std::string OtherLine(Random& random) {
    const char* const others[] = {"", " ", ";c", "; comment", "!x", ";A=#OK#", "free text", "AB",
                                  "A=B", "A=#", "X=1", "=#A#", "=", "[A]", "[AB]", "\"",
                                  // 5 and 6 characters with their line end
                                  "X=ab", "[ABC]", "K=#A#", "#A#=", "[ABCD]", "K=#OK#"};
    return Pick(random, others);
}

std::string AnyLine(Random& random, FileKind kind) {
    switch (random() % 10) {
    case 0:
        return Header(random);
    case 1:
    case 2:
        return StandardEntry(random, kind);
    case 3:
    case 4:
        return OtherLine(random);
    default:
        return Entry(random, kind);
    }
}

using Section = std::vector<std::string>;

std::vector<Section> MakeSections(Random& random, FileKind kind) {
    std::vector<Section> sections;
    // Lines before the first header.
    Section preamble;
    if (Chance(random, 30)) {
        for (std::uint64_t i = random() % 3; i > 0; --i)
            preamble.push_back(AnyLine(random, kind));
    }
    sections.push_back(preamble);
    for (std::uint64_t count = random() % 5; count > 0; --count) {
        Section section{Header(random)};
        for (std::uint64_t i = random() % 6; i > 0; --i) {
            section.push_back(Chance(random, 75) ? Entry(random, kind) : AnyLine(random, kind));
        }
        sections.push_back(section);
    }
    // The standard section, first or last.
    if (Chance(random, 50)) {
        Section standard{"[STANDARD]"};
        for (std::uint64_t i = random() % 5; i > 0; --i)
            standard.push_back(StandardEntry(random, kind));
        const auto at = Chance(random, 50) ? sections.begin() + 1 : sections.end();
        sections.insert(at, standard);
    }
    return sections;
}

DialogFile Flatten(const std::vector<Section>& sections, bool endsWithLineEnd) {
    DialogFile file;
    for (const Section& section : sections)
        file.lines.insert(file.lines.end(), section.begin(), section.end());
    file.endsWithLineEnd = endsWithLineEnd;
    return file;
}

// The same key with another value, or another line altogether.
std::string Changed(Random& random, const std::string& line, FileKind kind) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos && Chance(random, 70)) {
        return line.substr(0, equals + 1) + Value(random, kind);
    }
    return AnyLine(random, kind);
}

DialogFile TranslationOf(Random& random, std::vector<Section> sections, FileKind kind) {
    std::vector<Section> out;
    for (Section& section : sections) {
        const bool standard = !section.empty() && section.front() == "[STANDARD]";
        if (Chance(random, standard ? 40 : 12)) continue; // the whole section is missing
        Section changed;
        for (std::size_t i = 0; i < section.size(); ++i) {
            const int roll = static_cast<int>(random() % 100);
            if (i > 0 && roll < 15) continue; // missing entry
            if (roll < 25) {
                changed.push_back(Changed(random, section[i], kind));
            } else {
                changed.push_back(section[i]);
            }
            if (Chance(random, 5)) changed.push_back(AnyLine(random, kind));
        }
        // Entries in another order.
        if (changed.size() > 2 && Chance(random, 20)) {
            const std::size_t a = 1 + random() % (changed.size() - 1);
            const std::size_t b = 1 + random() % (changed.size() - 1);
            std::swap(changed[a], changed[b]);
        }
        out.push_back(changed);
        if (Chance(random, 8)) out.push_back(out.back()); // doubled
    }
    // Sections in another order.
    if (out.size() > 1 && Chance(random, 20)) {
        std::swap(out[random() % out.size()], out[random() % out.size()]);
    }
    return Flatten(out, Chance(random, 70));
}

} // namespace

RandomDialogPair MakeRandomDialogPair(std::uint64_t seed) {
    Random random(seed);
    RandomDialogPair pair;
    const FileKind kinds[] = {FileKind::DialogIni, FileKind::DialogIni, FileKind::DialogCprIni,
                              FileKind::DialogCprIni, FileKind::DialogProgIni};
    pair.kind = Pick(random, kinds);
    const LineEnds lineEnds[] = {LineEnds::CrLf, LineEnds::Lf, LineEnds::Mixed};
    pair.lineEnds = Pick(random, lineEnds);

    const std::vector<Section> sections = MakeSections(random, pair.kind);
    pair.original = Flatten(sections, Chance(random, 70));
    const int shape = static_cast<int>(random() % 10);
    if (shape < 6) {
        pair.translation = TranslationOf(random, sections, pair.kind);
    } else if (shape < 8) {
        // A translation that stops part of the way, in a line without line end.
        pair.translation = TranslationOf(random, sections, pair.kind);
        std::vector<std::string>& lines = pair.translation.lines;
        if (!lines.empty()) lines.resize(1 + random() % lines.size());
        pair.translation.endsWithLineEnd = false;
    } else if (shape < 9) {
        pair.translation = Flatten(MakeSections(random, pair.kind), Chance(random, 70));
    } else {
        for (std::uint64_t i = random() % 3; i > 0; --i)
            pair.translation.lines.push_back(AnyLine(random, pair.kind));
        pair.translation.endsWithLineEnd = Chance(random, 50);
    }
    return pair;
}

std::string JoinLines(const DialogFile& file, LineEnds lineEnds) {
    std::string text;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        text += file.lines[i];
        if (i + 1 == file.lines.size() && !file.endsWithLineEnd) break;
        const bool lf = lineEnds == LineEnds::Lf || (lineEnds == LineEnds::Mixed && i % 2 == 1);
        text += lf ? "\n" : "\r\n";
    }
    return text;
}

namespace {

std::string Literal(const std::string& line) {
    std::string out = "\"";
    for (unsigned char c : line) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 32 || c > 126) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

void DescribeFile(std::string& out, const char* title, const DialogFile& file) {
    out +=
        std::string(title) + (file.endsWithLineEnd ? "" : " (last line without line end)") + ":\n";
    for (const std::string& line : file.lines)
        out += "  " + Literal(line) + "\n";
}

} // namespace

std::string DescribePair(const RandomDialogPair& pair) {
    const char* const lineEnds[] = {"CR LF", "LF", "mixed"};
    std::string out = "kind " + std::to_string(static_cast<int>(pair.kind)) + ", line ends " +
                      lineEnds[static_cast<int>(pair.lineEnds)] + "\n";
    DescribeFile(out, "original", pair.original);
    DescribeFile(out, "translation", pair.translation);
    return out;
}
