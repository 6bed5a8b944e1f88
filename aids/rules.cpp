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
};

} // namespace

std::span<const Rule* const> AllRules() { return {allRules, std::size(allRules)}; }
