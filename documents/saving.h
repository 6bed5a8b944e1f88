// Writing the translation to its file, with a backup of the previous content.
#pragma once

#include "documents/outcomes.h"

#include <string>

// Command 1008 (save in place) or 1023 (save as).
SaveOutcome SaveTranslation(bool saveAs);

// Writes the translation pane's text as the whole content of `target`, without
// a backup; a failure is told in the save's message box.
SaveOutcome WriteTranslation(const std::string& target);

// Whether two paths name the same file.
bool SameFile(const std::string& a, const std::string& b);
