// The settings reader and writer on any file: a key that the writer reports as
// written reads back as it was given, a repeated write changes nothing, every
// other key of the file reads as before, and a refused write leaves the file as
// it was.
//
// Input: the file's content, then the section, the key and the value to write,
// separated by PartSeparator.
#include "app/settings.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int Capacity = 8192;
constexpr std::size_t MostNames = 12;
// What a missing key reads as; no file holds it.
constexpr const char* Missing = "\x01missing\x01";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// How the file format compares names: without the blanks around them and
// without regard to ASCII case.
std::string NameKey(const std::string& name) { return Lower(Trimmed(name)); }

// Candidate section and key names: whatever stands in brackets or before an
// "=" on some line of the file. Only candidates; the reader decides. Each is
// taken up to a NUL, as the reader takes it.
void Candidates(const std::string& content, std::set<std::string>& sections,
                std::set<std::string>& keys) {
    std::size_t start = 0;
    while (start <= content.size()) {
        std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string::npos) end = content.size();
        const std::string line = Trimmed(std::string_view(content).substr(start, end - start));
        if (!line.empty() && line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (sections.size() < MostNames) {
                sections.insert(
                    line.substr(1, (close == std::string::npos ? line.size() : close) - 1).c_str());
            }
        } else if (const std::size_t equals = line.find('='); equals != std::string::npos) {
            if (keys.size() < MostNames) keys.insert(line.substr(0, equals).c_str());
        }
        start = end + 1;
    }
}

std::string Read(const std::string& file, const std::string& section, const std::string& key) {
    std::vector<char> buffer(Capacity);
    const int count =
        ReadProfileText(file, section.c_str(), key.c_str(), Missing, buffer.data(), Capacity);
    return std::string(buffer.data(), static_cast<std::size_t>(count));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> parts = SplitInput(data, size, 4);
    const std::string& content = parts[0];
    // The writer takes NUL-terminated texts.
    const std::string section = parts[1].c_str();
    const std::string key = parts[2].c_str();
    const std::string value = parts[3].c_str();
    if (value.size() + 1 >= static_cast<std::size_t>(Capacity)) return 0;

    const std::string file = ScratchFolder() + "/verbodex.ini";
    WriteBytes(file, content);

    std::set<std::string> sections = {section};
    std::set<std::string> keys = {key};
    Candidates(content, sections, keys);
    std::vector<std::pair<std::pair<std::string, std::string>, std::string>> before;
    for (const std::string& s : sections) {
        for (const std::string& k : keys) {
            if (NameKey(s) == NameKey(section) && NameKey(k) == NameKey(key)) continue;
            before.push_back({{s, k}, Read(file, s, k)});
        }
    }

    const bool written = WriteProfileText(file, section.c_str(), key.c_str(), value.c_str());
    const std::string after = ReadBytes(file);
    if (!written) {
        if (after != content) Finding("a refused write changed the file");
        return 0;
    }
    if (Read(file, section, key) != value) Finding("the written value does not read back");
    for (const auto& [names, was] : before) {
        if (Read(file, names.first, names.second) != was) {
            Finding("another key changed: [" + names.first + "] " + names.second);
        }
    }
    if (!WriteProfileText(file, section.c_str(), key.c_str(), value.c_str()) ||
        ReadBytes(file) != after) {
        Finding("writing the same key again changed the file");
    }
    // The file is replaced by renaming: no temporary file may be left beside it.
    if (std::distance(std::filesystem::directory_iterator(ScratchFolder()),
                      std::filesystem::directory_iterator()) != 1) {
        Finding("a file was left beside the settings file");
    }
    return 0;
}
