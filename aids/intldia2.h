// "i-Check" for dialog-text files.
#pragma once

#include "app/app_state.h"

void CheckEntries(FileKind& kind);
