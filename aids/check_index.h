// What "i-Check" looks up in the translation, found once per run instead of by a
// search from the last matched section header for every reference of the
// original: where each section opens, where it ends, the first entry of each key
// in it, and the fault a search finds on each line it passes.
//
// The translation's sections, as the check sees them: a line of more than 3
// characters that starts with "[" ends the section before it; when it has a "]"
// it opens a section, named by its remembered form (RememberedHeader), so that
// two headers open the same section exactly when those forms agree.
#pragma once

#include "aids/entry_line.h"
#include "aids/pane_lines.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// What a search that passes a translation line marks it with.
enum class PassedLineFault : std::uint8_t {
    None,
    HeaderWithoutBracket,
    MalformedStandardEntry,
    UnbalancedQuotes, // DialogIni only
};

class CheckIndex {
  public:
    // Reads and indexes lines 0 to count - 1 of TranslationPane.
    CheckIndex(std::int32_t count, FileKind kind);

    // The lines of the headers that open the remembered section, in order;
    // nullptr when no header of the translation does.
    const std::vector<std::int32_t>* HeadersOf(const RememberedHeader& header) const;
    // The first line after `header` that ends its section (a line of more than 3
    // characters starting with "["), or the line count when none does.
    std::int32_t SectionEnd(std::int32_t header) const;
    // The first line of the section that `header` opens whose first e
    // characters are x(1:e), within its effective length (DialogIni: up to a
    // trailing comment); -1 when there is none. Only lines of more than 3
    // characters that are entries or other lines take part. The keys of a
    // section are indexed when it is first asked about, and only the section
    // asked about last is kept: the check asks about sections in the order they
    // stand, since its search start never moves back.
    std::int32_t FirstWithKey(std::int32_t header, const char* x, int e);

    PassedLineFault FaultOf(std::int32_t line) const;
    bool IsReference(std::int32_t line) const;
    bool HasUnbalancedQuotes(std::int32_t line) const;

  private:
    // A line's start up to one of its "=" (`length` characters of `line`), in an
    // open-addressing table of the keys of one section; line -1: a free slot.
    struct KeySlot {
        std::size_t hash;
        std::int32_t line;
        std::int32_t length;
    };

    void IndexKeysOf(std::int32_t header);
    // The slot that holds x(1:length), or the free slot where it would go.
    KeySlot& SlotOf(std::size_t hash, const char* x, int length);

    PaneLines lines_;
    std::vector<PassedLineFault> faults_;
    std::vector<bool> references_;
    std::vector<bool> unbalanced_;
    // For each entry or other line, the length within which its keys lie; 0
    // for every other line.
    std::vector<std::int32_t> keyRoom_;
    std::vector<std::int32_t> sectionEnds_; // for each header, the first ending line after it
    std::unordered_map<std::string, std::vector<std::int32_t>> headers_;
    std::int32_t keysOf_ = -1; // the header whose section the slots hold
    std::vector<KeySlot> slots_;
};
