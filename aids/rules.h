// The rules behind the aids' red and magenta marks: a short, stable id and an
// English sentence saying why the aid marked the place. Reports for build
// pipelines name them; "{0}" and "{1}" in a sentence stand for the finding's
// numbers. Ids are part of the batch tool's output: change them only on purpose.
#pragma once

#include <span>

struct Rule {
    const char* id;
    const char* sentence;
};

namespace Rules {

// Dialog-text files, "i-Check".
inline constexpr Rule HeaderWithoutBracket{"header-without-bracket",
                                           "The section header has no closing \"]\"."};
inline constexpr Rule MalformedStandardEntry{
    "malformed-standard-entry",
    "The standard entry has no name between its two \"#\"; it must read #NAME#=text."};
inline constexpr Rule UnbalancedQuotes{"unbalanced-quotes",
                                       "A double quote on this line is not closed."};
inline constexpr Rule MalformedReference{
    "malformed-reference",
    "The reference has no name or no closing \"#\"; it must read KEY=#NAME#."};
inline constexpr Rule ReferenceBecameText{
    "reference-became-text",
    "The original refers to a standard entry here (KEY=#NAME#), but the translation's entry "
    "with the same key in the same section is not such a reference."};
inline constexpr Rule ReferencePairUnbalancedQuotes{
    "reference-pair-unbalanced-quotes",
    "The reference and its counterpart match, but one of the two lines has a double quote "
    "that is not closed."};

// "i-Merge".
inline constexpr Rule Inserted{
    "inserted", "The translation lacked this line; i-Merge carried it over from the original."};

} // namespace Rules

// Every rule, in a fixed order, for reports that list them.
std::span<const Rule* const> AllRules();
