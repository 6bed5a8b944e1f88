// Putting files into the panes: the original into OriginalPane, the translation
// into TranslationPane, with the kind of file recognised from its name.
#pragma once

#include "app/app_state.h"

// Capacity of one load: a longer file is cut here.
constexpr int LoadCapacity = 1000000;

// Command 1004 (browse) or 2001. Returns true when the file was opened and shown.
bool LoadOriginal(bool browse);
// Command 1005 (browse) or 2002.
bool LoadTranslation(bool browse);
// Command 1017 "<-->": exchanges the two files.
void SwapFiles();
