// "i-Merge" for dialog-text files.
#pragma once

#include "app/app_state.h"

void MergeEntries(FileKind& kind);
