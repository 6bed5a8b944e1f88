// The rules behind the aids' red and magenta marks: a short, stable id and an
// English sentence saying why the aid marked the place. Reports for build
// pipelines name them; "{0}" and "{1}" in a sentence stand for the finding's
// numbers. Ids are part of the batch tool's output: change them only on purpose.
#pragma once

#include <cstdint>
#include <span>
#include <string>

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

// "#-#".
inline constexpr Rule StandardSectionCreated{
    "standard-section-created",
    "The translation's first line was not [STANDARD]; \"#-#\" put the standard section here "
    "for the standard entry it made."};
inline constexpr Rule StandardEntryCreated{
    "standard-entry-created",
    "\"#-#\" made this standard entry of a text that {0} entries held; they refer to it now."};
inline constexpr Rule ReferenceReplacesValue{
    "reference-replaces-value",
    "\"#-#\" replaced the entry's text by a reference to the standard entry that holds it now."};

// Mask files, "i-Check".
inline constexpr Rule MaskHeaderTooShort{
    "mask-header-too-short",
    "The headers cannot be compared: a header line holds its three numbers in its first 11 "
    "characters, and the original's has {0}, the translation's {1}."};
inline constexpr Rule MaskHeaderUnreadable{
    "mask-header-unreadable",
    "The header line does not read as three numbers: columns 1-3, 5-7 and 9-11 may hold only "
    "blanks, digits and a leading sign."};
inline constexpr Rule MaskHeaderFieldDiffers{
    "mask-header-field-differs",
    "Header number {0} is not the same in original and translation; the other file has {1}."};
inline constexpr Rule MaskLineTooWide{
    "mask-line-too-wide",
    "The line is {1} characters long (without trailing blanks), wider than the mask's {0} "
    "columns."};
inline constexpr Rule MaskTooManyLines{
    "mask-too-many-lines",
    "The original's body of this 46-column mask has at most three lines, so the translation's "
    "may have three too; this is its body line {0}."};

// Menu files, "i-Check" and "i-Merge".
inline constexpr Rule MenuLineWithoutCounterpart{
    "menu-line-without-counterpart",
    "The line has no counterpart: the other file has only {0} lines."};
inline constexpr Rule MenuSeparatorDiffers{
    "menu-separator-differs",
    "The original's separator line (columns 1-11) reads differently in the translation."};
inline constexpr Rule MenuColonFieldMissing{
    "menu-colon-field-missing",
    "The translation's line has no \":\" from column 12 on, so this colon field is missing "
    "there."};
inline constexpr Rule MenuColonFieldDiffers{
    "menu-colon-field-differs",
    "The colon field (from the \":\" to the \"'\") is not the same in original and "
    "translation."};
inline constexpr Rule MenuCodePartTakenOver{
    "menu-code-part-taken-over",
    "The colon field was missing or differed from the original's; i-Merge took the code part "
    "over from the original (and, where the translation had no colon, the original's text as "
    "well)."};

} // namespace Rules

// Every rule, in a fixed order, for reports that list them.
std::span<const Rule* const> AllRules();

// The rule's sentence with {0} and {1} replaced by the two numbers.
std::string SentenceOf(const Rule& rule, std::int32_t value0, std::int32_t value1);
