// What the pre-translation of standard entries looks up, found once per merge
// instead of by a walk through the whole original for every missing standard
// entry: the original's lines that refer to each standard entry, and, in the
// translation as the merge is changing it, where each section opens and ends and
// the first entry of each key in it.
//
// A standard entry '#NAME#=...' is referred to by every original line of more
// than 5 characters that is an entry (not a header, standard entry or comment)
// whose text after its first "=" is the reference '#NAME#' itself, read as the
// check reads references, with only blanks (and, in DialogIni, a trailing
// comment) after it; a text that only mentions the name does not refer to it.
// Such a line has its key in the section the original
// names last before it (a header of any length counts). Its text in the
// translation is that of the first entry with the same key after the first
// translation header that opens the same section, up to the next header (a line
// that starts with "[" and holds "]" or is longer than 5 characters); in both
// panes, other lines of 5 characters or fewer are passed over.
//
// The index is built from both panes as they stand at the first pre-translation
// of a merge. The merge then inserts lines, always at its search start, which
// never moves back; it reports each insertion, so that the index follows the
// translation without reading it again.
#pragma once

#include "aids/pane_lines.h"
#include "app/app_state.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class PretranslationIndex {
  public:
    explicit PretranslationIndex(FileKind kind);

    // The translation's text for the standard entry named `name` (its start up
    // to its "="): the first referring original line, in order, whose
    // counterpart in the translation is an entry that is not itself a reference.
    // Gives that counterpart's line as read and the length of its key; false when
    // no referring line has one.
    bool FindTranslatedText(std::string_view name, std::string_view& counterpart,
                            int& keyLength) const;

    // The merge inserted `text`, whole lines each ending with its line end,
    // before translation line `at`, when the translation had `linesBefore`
    // lines.
    void Inserted(std::int32_t at, std::int32_t linesBefore, std::string_view text);
    // The merge gave the translation's last line a line end, to insert the text
    // it has just reported after it.
    void LastLineGotLineEnd();

  private:
    // A translation line in order: base lines (as the index found them) and
    // inserted lines get orders that sort as the lines stand in the pane.
    struct TranslationLine {
        std::uint64_t order;
        std::string_view text; // as read with the line capacity
    };
    // Indices into lines_ in the order of the lines, kept apart for base and
    // inserted lines (each list grows in order).
    struct InOrder {
        std::vector<std::int32_t> base;
        std::vector<std::int32_t> inserted;
    };
    // The first translation headers that open a section, base and inserted.
    struct Opening {
        std::int32_t base = -1;
        std::int32_t inserted = -1;
    };
    struct Referrer {
        const Opening* section; // nullptr: before any header
        std::string_view key;   // up to its first "="
    };

    void AddTranslationLine(std::int32_t index, bool inserted);
    // The first line of `lines` after `order`, -1 for none.
    std::int32_t FirstAfter(const InOrder& lines, std::uint64_t order) const;
    std::int32_t Earlier(std::int32_t a, std::int32_t b) const;
    // The counterpart of a referring line, -1 for none.
    std::int32_t CounterpartOf(const Referrer& referrer) const;

    PaneLines original_;
    PaneLines translation_;
    std::int32_t baseLines_;
    std::int32_t linesAfterAll_ = 0; // lines after every inserted one
    std::uint64_t insertions_ = 0;
    std::deque<std::string> insertedTexts_; // what inserted lines point into
    std::vector<TranslationLine> lines_;
    std::unordered_map<std::string, Opening> openings_; // by remembered header
    InOrder sectionEnds_;
    std::unordered_map<std::string_view, InOrder> keys_;
    std::vector<Referrer> referrers_;
    // For each standard entry name of the original, its referring lines.
    std::unordered_map<std::string_view, std::vector<std::int32_t>> referring_;
};
