#include "aids/propose_key.h"

#include <cstddef>

namespace {

enum class PatternKind {
    Text, // the whole text must occur
    Set,  // any one character of the set
};

struct KeyRule {
    PatternKind kind;
    std::string_view pattern;
    std::string_view replacement;
};

// In the order they are applied. "(J/N)" and "+/-" go as wholes before their
// parentheses, slash and plus would go singly; the underscores that "!" and the
// separators leave are collapsed last, so that a run of separators becomes one.
// A "#" of the value counts as a separator: inside the name it would end the
// name a reference reads before the standard entry's name ends.
constexpr KeyRule keyRules[] = {
    {PatternKind::Text, "(J/N)", "JN"},
    {PatternKind::Text, "+/-", "PM"},
    {PatternKind::Set, "\xE4\xC4", "AE"},
    {PatternKind::Set, "\xF6\xD6", "OE"},
    {PatternKind::Set, "\xFC\xDC", "UE"},
    {PatternKind::Text, "\xDF", "SS"},
    {PatternKind::Set, "&+", "UND"},
    {PatternKind::Text, "\xB0", "GRD"},
    {PatternKind::Text, "@", "AT"},
    {PatternKind::Text, "%", "PROZ"},
    {PatternKind::Text, "=", "GL"},
    {PatternKind::Text, "!", "A_"},
    {PatternKind::Set, " ,;()*?/\\-\t#", "_"},
    {PatternKind::Set, ".:", "P"},
    {PatternKind::Text, "__", "_"},
};

std::size_t Find(const KeyRule& rule, const std::string& text, std::size_t from) {
    return rule.kind == PatternKind::Text ? text.find(rule.pattern, from)
                                          : text.find_first_of(rule.pattern, from);
}

std::size_t PatternLength(const KeyRule& rule) {
    return rule.kind == PatternKind::Text ? rule.pattern.size() : 1;
}

} // namespace

std::string ProposeKey(std::string_view value) {
    const std::size_t capacity = ProposalCapacity;
    const std::size_t nul = value.substr(0, capacity).find('\0');
    std::string text;
    if (nul != std::string_view::npos) {
        text.assign(value.substr(0, nul));
    } else if (value.size() < capacity) {
        text.assign(value);
    }

    for (const KeyRule& rule : keyRules) {
        // Each rule replaces the first occurrence again and again until none is
        // left. The text before a replaced occurrence held none, so the next
        // search may start where an occurrence could first overlap the
        // replacement; that finds what a search from the start would.
        const std::size_t p = PatternLength(rule);
        for (std::size_t at = Find(rule, text, 0); at != std::string::npos;
             at = Find(rule, text, at + 1 >= p ? at + 1 - p : 0)) {
            text.replace(at, p, rule.replacement);
            if (text.size() > capacity) text.resize(capacity);
        }
    }
    return "#" + text + "#";
}
