// Putting files into the panes: the original into OriginalPane, the translation
// into TranslationPane, with the kind of file recognised from its name.
#pragma once

#include "app/app_state.h"
#include "documents/outcomes.h"

#include <string>

// Capacity of one load: a longer file is cut here.
constexpr int LoadCapacity = 1000000;

// Command 1004 (browse) or 2001. The file was opened and shown when
// originalOpened is 1 afterwards; the outcome says whether it arrived whole.
LoadOutcome LoadOriginal(bool browse);
// Command 1005 (browse) or 2002.
LoadOutcome LoadTranslation(bool browse);
// Command 1017 "<-->": exchanges the two files.
void SwapFiles();

// Puts `path` into the side's path buffer, as a settings file or a series step
// would, and loads it as 2001 or 2002 does. A path too long for the buffer is
// refused (PathTooLong) and the buffer keeps its path.
LoadOutcome LoadOriginalFrom(const std::string& path);
LoadOutcome LoadTranslationFrom(const std::string& path);
