// Placeholder until loading is built.
#include "documents/loading.h"

bool LoadOriginal(bool) { return false; }
bool LoadTranslation(bool) { return false; }
void SwapFiles() {}
FileKind RecogniseFileKind(const char*, int) { return Other; }
