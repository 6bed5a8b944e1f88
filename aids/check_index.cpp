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

CheckIndex::CheckIndex(std::int32_t count, FileKind kind) : lines_(TranslationPane, count) {
    const std::size_t size = static_cast<std::size_t>(lines_.Count());
    faults_.assign(size, PassedLineFault::None);
    references_.assign(size, false);
    unbalanced_.assign(size, false);
    keyRoom_.assign(size, 0);
    sectionEnds_.assign(size, lines_.Count());

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
                continue;
            }
            RememberedHeader form;
            RememberHeader(form, y, p);
            headers_[std::string(form.text, HeaderCapacity)].push_back(m);
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
        // Within the effective length, as the original's reference is read: a
        // "=#" in a trailing comment makes no reference.
        references_[i] = IsWellFormedReference(y, effective);
        keyRoom_[i] = effective;
    }
}

const std::vector<std::int32_t>* CheckIndex::HeadersOf(const RememberedHeader& header) const {
    const auto found = headers_.find(std::string(header.text, HeaderCapacity));
    return found == headers_.end() ? nullptr : &found->second;
}

std::int32_t CheckIndex::SectionEnd(std::int32_t header) const {
    return sectionEnds_[static_cast<std::size_t>(header)];
}

CheckIndex::KeySlot& CheckIndex::SlotOf(std::size_t hash, const char* x, int length) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        KeySlot& slot = slots_[i];
        if (slot.line < 0) return slot;
        if (slot.hash == hash && slot.length == length &&
            std::equal(x, x + length, lines_.Text(slot.line))) {
            return slot;
        }
    }
}

void CheckIndex::IndexKeysOf(std::int32_t header) {
    keysOf_ = header;
    const std::int32_t end = SectionEnd(header);
    std::size_t keys = 0;
    for (std::int32_t m = header + 1; m < end; ++m) {
        const std::int32_t room = keyRoom_[static_cast<std::size_t>(m)];
        keys += static_cast<std::size_t>(std::count(lines_.Text(m), lines_.Text(m) + room, '='));
    }
    std::size_t size = 16;
    while (size < 2 * keys)
        size *= 2;
    slots_.assign(size, KeySlot{0, -1, 0});
    for (std::int32_t m = header + 1; m < end; ++m) {
        const char* y = lines_.Text(m);
        const std::int32_t room = keyRoom_[static_cast<std::size_t>(m)];
        // Every start up to an "=" is a key an original reference may have: the
        // key runs to the first "=#" of the original's line, which need not be
        // its first "=". The first line of each key in the section is kept.
        std::size_t hash = HashSeed;
        for (int c = 0; c < room; ++c) {
            hash = HashStep(hash, y[c]);
            if (y[c] != '=') continue;
            KeySlot& slot = SlotOf(hash, y, c + 1);
            if (slot.line < 0) slot = KeySlot{hash, m, c + 1};
        }
    }
}

std::int32_t CheckIndex::FirstWithKey(std::int32_t header, const char* x, int e) {
    if (header != keysOf_) IndexKeysOf(header);
    std::size_t hash = HashSeed;
    for (int c = 0; c < e; ++c)
        hash = HashStep(hash, x[c]);
    return SlotOf(hash, x, e).line;
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
