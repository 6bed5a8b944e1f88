// Placeholder until saving is built.
#include "documents/saving.h"

void SaveTranslation(bool) {}
