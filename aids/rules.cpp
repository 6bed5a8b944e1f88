#include "aids/rules.h"

#include <iterator>

namespace {

const Rule* const allRules[] = {
    &Rules::HeaderWithoutBracket,
    &Rules::MalformedStandardEntry,
    &Rules::UnbalancedQuotes,
    &Rules::MalformedReference,
    &Rules::ReferenceBecameText,
    &Rules::ReferencePairUnbalancedQuotes,
    &Rules::Inserted,
    &Rules::MaskHeaderTooShort,
    &Rules::MaskHeaderUnreadable,
    &Rules::MaskHeaderFieldDiffers,
    &Rules::MaskLineTooWide,
    &Rules::MaskTooManyLines,
    &Rules::MenuLineWithoutCounterpart,
    &Rules::MenuSeparatorDiffers,
    &Rules::MenuColonFieldMissing,
    &Rules::MenuColonFieldDiffers,
    &Rules::MenuCodePartTakenOver,
    // Last, so that reports which number the rules keep the numbers of the others.
    &Rules::StandardSectionCreated,
    &Rules::StandardEntryCreated,
    &Rules::ReferenceReplacesValue,
};

} // namespace

std::span<const Rule* const> AllRules() { return {allRules, std::size(allRules)}; }

std::string SentenceOf(const Rule& rule, std::int32_t value0, std::int32_t value1) {
    std::string sentence = rule.sentence;
    const std::string values[2] = {std::to_string(value0), std::to_string(value1)};
    for (std::size_t at = sentence.find('{'); at != std::string::npos;
         at = sentence.find('{', at)) {
        const bool slot = at + 2 < sentence.size() && sentence[at + 2] == '}' &&
                          (sentence[at + 1] == '0' || sentence[at + 1] == '1');
        if (!slot) {
            ++at;
            continue;
        }
        const std::string& value = values[sentence[at + 1] - '0'];
        sentence.replace(at, 3, value);
        at += value.size();
    }
    return sentence;
}
