#include "aids/pretranslation_index.h"

#include "aids/entry_line.h"
#include "app/control_ids.h"
#include "panes/richedit.h"
#include "text/string00.h"

#include <algorithm>

namespace {

// Lines of this many characters or fewer are passed over, in both panes, but
// for section headers.
constexpr int ShortLine = 5;

// Whether a line counts as a section header: one that starts with "[" does when
// it holds "]" (a short header such as '[AB]' opens its section as a long one
// does) or when it is longer than a short line.
bool IsNoticedHeader(const char* line, int n) {
    return n > 0 && line[0] == '[' && (n > ShortLine || HeaderEnd(line, n) > 0);
}

bool IsStandardOrComment(char first) { return first == '#' || first == ';' || first == '!'; }

// Base line i sorts between the lines inserted before it and those inserted
// after it: an odd high half for base lines, an even one (the base line the
// insertion went before) with the insertion's number for inserted lines.
std::uint64_t BaseOrder(std::int32_t line) {
    return (2 * static_cast<std::uint64_t>(line) + 1) << 32;
}

std::uint64_t InsertedOrder(std::int32_t before, std::uint64_t insertion) {
    return (2 * static_cast<std::uint64_t>(before)) << 32 | insertion;
}

// The name '#NAME#' that line x(1:n) refers to, when the text after its first
// "=" is that reference and nothing more: the name runs from the "#" after the
// "=" to the next "#", both found within the effective length as the check
// reads references (DialogIni: before a trailing comment), and only blanks
// follow it there. Empty for any other line.
std::string_view ReferencedName(FileKind kind, const char* x, int n) {
    const int e = KeyLength(x, n); // 1-based: x[e] stands right after the "="
    const int effective = kind == FileKind::DialogIni ? ScanQuotes(x, n).effectiveLength : n;
    if (e == 0 || e >= effective || x[e] != '#' || !IsReferenceClosed(x, effective, e)) return {};
    const int length = 1 + IndexChar(x + e + 1, effective - e - 1, '#'); // both "#" included
    if (TrimmedLength(x, LineCapacity, effective) != e + length) return {};
    return std::string_view(x + e, static_cast<std::size_t>(length));
}

std::string FormOf(const char* line, int p) {
    RememberedHeader form;
    RememberHeader(form, line, p);
    return std::string(form.text, HeaderCapacity);
}

} // namespace

PretranslationIndex::PretranslationIndex(FileKind kind)
    : original_(OriginalPane, RichEdit_GetLineCount(OriginalPane)),
      translation_(TranslationPane, RichEdit_GetLineCount(TranslationPane)),
      baseLines_(translation_.Count()) {
    lines_.reserve(static_cast<std::size_t>(baseLines_));
    for (std::int32_t m = 0; m < baseLines_; ++m) {
        lines_.push_back(TranslationLine{
            BaseOrder(m), std::string_view(translation_.Text(m),
                                           static_cast<std::size_t>(translation_.Length(m)))});
        AddTranslationLine(m, false);
    }

    // The standard entry names of the original.
    for (std::int32_t k = 0; k < original_.Count(); ++k) {
        const char* a = original_.Text(k);
        const int n = original_.Length(k);
        if (n == 0 || a[0] != '#') continue;
        const int w = KeyLength(a, n) - 1;
        if (w < 1 || w + 1 >= LineCapacity) continue;
        referring_.try_emplace(std::string_view(a, static_cast<std::size_t>(w)));
    }

    // The lines that may refer to them, each with the section it is in.
    const Opening* section = nullptr;
    for (std::int32_t k = 0; k < original_.Count(); ++k) {
        const char* x = original_.Text(k);
        const int nx = original_.Length(k);
        if (IsNoticedHeader(x, nx)) {
            const int p = HeaderEnd(x, nx);
            if (p > 0) section = &openings_[FormOf(x, p)];
            continue;
        }
        if (nx <= ShortLine) continue;
        if (IsStandardOrComment(x[0])) continue;
        const std::string_view name = ReferencedName(kind, x, nx);
        if (name.empty()) continue;
        const auto referred = referring_.find(name);
        if (referred == referring_.end()) continue;
        const int e = KeyLength(x, nx);
        referred->second.push_back(static_cast<std::int32_t>(referrers_.size()));
        referrers_.push_back(Referrer{section, std::string_view(x, static_cast<std::size_t>(e))});
    }
}

void PretranslationIndex::AddTranslationLine(std::int32_t index, bool inserted) {
    const std::string_view y = lines_[static_cast<std::size_t>(index)].text;
    const int ny = static_cast<int>(y.size());
    auto add = [&](InOrder& lines) { (inserted ? lines.inserted : lines.base).push_back(index); };
    if (IsNoticedHeader(y.data(), ny)) {
        add(sectionEnds_);
        const int p = HeaderEnd(y.data(), ny);
        if (p == 0) return;
        Opening& opening = openings_[FormOf(y.data(), p)];
        std::int32_t& first = inserted ? opening.inserted : opening.base;
        if (first < 0) first = index;
        return;
    }
    if (ny <= ShortLine || IsStandardOrComment(y[0])) return;
    const int e = KeyLength(y.data(), ny);
    if (e > 0) add(keys_[y.substr(0, static_cast<std::size_t>(e))]);
}

void PretranslationIndex::Inserted(std::int32_t at, std::int32_t linesBefore,
                                   std::string_view text) {
    // The base line the insertion goes before: all lines inserted so far stand
    // before the merge's search start, but for the empty last line an insertion
    // after the last line left behind it.
    const std::int32_t before = at - (linesBefore - baseLines_ - linesAfterAll_);
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\r', start);
        end = end == std::string_view::npos ? text.size() : end + 1;
        // The line as a read with the line capacity gives it.
        const std::string_view line =
            text.substr(start, std::min<std::size_t>(end - start, LineCapacity));
        start = end;
        const std::string& kept = insertedTexts_.emplace_back(line);
        lines_.push_back(TranslationLine{InsertedOrder(before, ++insertions_), kept});
        AddTranslationLine(static_cast<std::int32_t>(lines_.size()) - 1, true);
    }
}

void PretranslationIndex::LastLineGotLineEnd() {
    const std::int32_t last = baseLines_ - 1;
    // The insertion ended in a line break: the empty line after it is the new
    // last line, and the merge inserts before it from now on.
    linesAfterAll_ = 1;
    TranslationLine& line = lines_[static_cast<std::size_t>(last)];
    const std::size_t n = line.text.size();
    if (n >= LineCapacity) return; // a read of it is cut before the line end either way
    const std::string& kept = insertedTexts_.emplace_back(std::string(line.text) + '\r');
    line.text = kept;
    // A line that was too short to count may count now; one that counted (a
    // header of any length among them) keeps its place in every list and only
    // reads longer.
    if (n == static_cast<std::size_t>(ShortLine) &&
        !IsNoticedHeader(kept.data(), static_cast<int>(n))) {
        AddTranslationLine(last, false);
    }
}

std::int32_t PretranslationIndex::FirstAfter(const InOrder& lines, std::uint64_t order) const {
    auto later = [this](std::uint64_t o, std::int32_t index) {
        return o < lines_[static_cast<std::size_t>(index)].order;
    };
    const auto base = std::upper_bound(lines.base.begin(), lines.base.end(), order, later);
    const auto inserted =
        std::upper_bound(lines.inserted.begin(), lines.inserted.end(), order, later);
    return Earlier(base == lines.base.end() ? -1 : *base,
                   inserted == lines.inserted.end() ? -1 : *inserted);
}

std::int32_t PretranslationIndex::Earlier(std::int32_t a, std::int32_t b) const {
    if (a < 0) return b;
    if (b < 0) return a;
    return lines_[static_cast<std::size_t>(a)].order < lines_[static_cast<std::size_t>(b)].order
               ? a
               : b;
}

std::int32_t PretranslationIndex::CounterpartOf(const Referrer& referrer) const {
    if (referrer.section == nullptr) return -1;
    const std::int32_t opening = Earlier(referrer.section->base, referrer.section->inserted);
    if (opening < 0) return -1;
    const auto key = keys_.find(referrer.key);
    if (key == keys_.end()) return -1;
    const std::uint64_t order = lines_[static_cast<std::size_t>(opening)].order;
    const std::int32_t entry = FirstAfter(key->second, order);
    if (entry < 0) return -1;
    const std::int32_t end = FirstAfter(sectionEnds_, order);
    if (end >= 0 && lines_[static_cast<std::size_t>(end)].order <
                        lines_[static_cast<std::size_t>(entry)].order) {
        return -1; // the section ended without the key
    }
    return entry;
}

bool PretranslationIndex::FindTranslatedText(std::string_view name, std::string_view& counterpart,
                                             int& keyLength) const {
    const auto referring = referring_.find(name);
    if (referring == referring_.end()) return false;
    for (std::int32_t r : referring->second) {
        const Referrer& referrer = referrers_[static_cast<std::size_t>(r)];
        const std::int32_t entry = CounterpartOf(referrer);
        if (entry < 0) continue;
        const std::string_view y = lines_[static_cast<std::size_t>(entry)].text;
        const std::size_t e = referrer.key.size();
        // A counterpart that is itself a reference holds no text: taken over, the
        // standard entry would refer to itself (or to another one) and its text
        // would be lost. The original's text is better than that.
        if (y.size() > e && y[e] == '#') continue;
        counterpart = y;
        keyLength = static_cast<int>(e);
        return true;
    }
    return false;
}
