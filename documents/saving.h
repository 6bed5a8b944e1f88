// Writing the translation to its file, with a backup of the previous content.
#pragma once

#include "documents/outcomes.h"

#include <cstdint>
#include <string>
#include <string_view>

// The longest text a save writes. A longer text is refused whole rather than cut.
constexpr int SaveCapacity = 1000000;

// Command 1008 (save in place) or 1023 (save as). Nothing is touched before
// every check that can refuse the save has passed; the backup is then made, and
// the file replaced, each only once its new content is whole on disk (see
// documents/safe_write.h). A backup whose name is that of a loaded file is not
// made; the save goes on and says so. Where the file must be written in place
// (its folder takes no temporary file, it has further hard links, it belongs to
// another user) and no backup was made, the save asks first.
SaveOutcome SaveTranslation(bool saveAs);

// Writes the translation pane's text as the whole content of `target` as the
// save does, but without a backup; a failure is told in the save's message box.
SaveOutcome WriteTranslation(const std::string& target);

// Whether two paths name the same file.
bool SameFile(const std::string& a, const std::string& b);

// Whether the text holds a character that ends a part of a path: a folder
// separator or, on Windows, the colon after a drive letter. A name written over
// such a character names a file in another place.
bool HoldsPathSeparator(std::string_view text);

// The length the translation pane's text has once saved, its line breaks
// written as CR LF.
std::int64_t SavedTextLength();
