// Writing the translation to its file, with a backup of the previous content.
#pragma once

// Command 1008 (save in place) or 1023 (save as).
void SaveTranslation(bool saveAs);
