#include "aids/check_index.h"

#include "app/control_ids.h"

#include <algorithm>

namespace {

// The hash of a line's start grows by one character at a time (FNV-1a), so that
// the starts up to every "=" of a line are hashed in one pass over it.
constexpr std::size_t HashSeed = 14695981039346656037ull;

std::size_t HashStep(std::size_t hash, char c) {
    return (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
}

// Lines of this many characters or fewer are passed over by every search.
constexpr int ShortLine = 3;

} // namespace

std::size_t CheckIndex::Mix(std::size_t startHash, std::int32_t header) {
    return startHash ^ (static_cast<std::size_t>(header) * 0x9E3779B97F4A7C15ull);
}

CheckIndex::CheckIndex(std::int32_t count, FileKind kind) : lines_(TranslationPane, count) {
    const std::size_t size = static_cast<std::size_t>(lines_.Count());
    faults_.assign(size, PassedLineFault::None);
    references_.assign(size, false);
    unbalanced_.assign(size, false);
    sectionEnds_.assign(size, lines_.Count());

    std::int32_t openedBy = -1;   // the header of the section the line is in
    std::int32_t lastEnding = -1; // the last line that ended a section
    for (std::int32_t m = 0; m < lines_.Count(); ++m) {
        const char* y = lines_.Text(m);
        const int t = lines_.Length(m);
        if (t <= ShortLine) continue;
        const std::size_t i = static_cast<std::size_t>(m);
        switch (ClassifyLine(y, t)) {
        case LineClass::SectionHeader: {
            if (lastEnding >= 0) sectionEnds_[static_cast<std::size_t>(lastEnding)] = m;
            lastEnding = m;
            const int p = HeaderEnd(y, t);
            if (p == 0) {
                faults_[i] = PassedLineFault::HeaderWithoutBracket;
                openedBy = -1;
                continue;
            }
            RememberedHeader form;
            RememberHeader(form, y, p);
            headers_[std::string(form.text, HeaderCapacity)].push_back(m);
            openedBy = m;
            continue;
        }
        case LineClass::StandardEntry:
            if (!IsWellFormedStandardEntry(y, t))
                faults_[i] = PassedLineFault::MalformedStandardEntry;
            continue;
        case LineClass::Comment:
            continue;
        default:
            break;
        }
        int effective = t;
        if (kind == FileKind::DialogIni) {
            const QuoteScan scan = ScanQuotes(y, t);
            effective = scan.effectiveLength;
            if (scan.unbalanced) {
                faults_[i] = PassedLineFault::UnbalancedQuotes;
                unbalanced_[i] = true;
            }
        }
        references_[i] = IsWellFormedReference(y, t);
        if (openedBy < 0) continue;
        // Every start up to an "=" is a key an original reference may have: the
        // key runs to the first "=#" of the original's line, which need not be
        // its first "=". The first line of each key in a section is kept.
        std::size_t hash = HashSeed;
        for (int c = 0; c < effective; ++c) {
            hash = HashStep(hash, y[c]);
            if (y[c] != '=') continue;
            const std::string_view start(y, static_cast<std::size_t>(c) + 1);
            keys_.try_emplace(KeyInSection{openedBy, start, Mix(hash, openedBy)}, m);
        }
    }
}

const std::vector<std::int32_t>* CheckIndex::HeadersOf(const RememberedHeader& header) const {
    const auto found = headers_.find(std::string(header.text, HeaderCapacity));
    return found == headers_.end() ? nullptr : &found->second;
}

std::int32_t CheckIndex::SectionEnd(std::int32_t header) const {
    return sectionEnds_[static_cast<std::size_t>(header)];
}

std::int32_t CheckIndex::FirstWithKey(std::int32_t header, const char* x, int e) const {
    std::size_t hash = HashSeed;
    for (int c = 0; c < e; ++c)
        hash = HashStep(hash, x[c]);
    const KeyInSection key{header, std::string_view(x, static_cast<std::size_t>(e)),
                           Mix(hash, header)};
    const auto found = keys_.find(key);
    return found == keys_.end() ? -1 : found->second;
}

PassedLineFault CheckIndex::FaultOf(std::int32_t line) const {
    return faults_[static_cast<std::size_t>(line)];
}

bool CheckIndex::IsReference(std::int32_t line) const {
    return references_[static_cast<std::size_t>(line)];
}

bool CheckIndex::HasUnbalancedQuotes(std::int32_t line) const {
    return unbalanced_[static_cast<std::size_t>(line)];
}
