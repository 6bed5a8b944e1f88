// The generated pair's translation with every section heading below the
// standard section renamed, so that it lacks the section of any caret below
// them and every section above it but the first. The search for a corresponding
// line then falls back through all the original's headings, the worst case of
// navigation.
#pragma once

#include "common/generated_pair.h"

#include <string>

inline const std::string& TranslationLackingSections() {
    static const std::string text = [] {
        std::string renamed = BigPair().translation;
        for (std::size_t at = renamed.find("\n[SECTION"); at != std::string::npos;
             at = renamed.find("\n[SECTION", at + 1)) {
            renamed[at + 2] = 'X';
        }
        return renamed;
    }();
    return text;
}
