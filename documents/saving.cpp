#include "documents/saving.h"

#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/paths.h"
#include "documents/Ftnfco.h"
#include "documents/basis.h"
#include "panes/richedit.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>
#include <vector>

namespace {

// The longest text a save writes. A longer text is refused whole rather than cut.
constexpr int SaveCapacity = 1000000;

// The previous content survives beside the file, its last three characters
// replaced by "bak" (DIALOG.INI -> DIALOG.bak). Whether the copy worked is not
// examined: a file saved for the first time has nothing to keep. Only an ordinary
// file is copied; a device such as /dev/zero would never end.
void MakeBackup(const std::string& path) {
    std::error_code error;
    if (path.size() < 3 || !std::filesystem::is_regular_file(path, error)) return;
    std::string backup = path;
    backup.replace(backup.size() - 3, 3, "bak");
    std::int16_t status = 0;
    const int length = static_cast<int>(path.size());
    ftnfco(status, path.c_str(), length, backup.c_str(), length);
}

// Opens the target for writing without cutting it (creating it when it does not
// exist), so that a save that stops before writing leaves an existing file as it
// was. A folder does not open.
bool TargetOpens(const std::string& path) {
    std::error_code error;
    if (path.empty() || std::filesystem::is_directory(path, error)) return false;
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

// Writes the bytes as the whole new content of the file. False when the file did
// not take all of them.
bool WriteWhole(const std::string& path, const char* bytes, std::size_t count) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    bool written = std::fwrite(bytes, 1, count, file) == count;
    written = std::fflush(file) == 0 && written;
    return std::fclose(file) == 0 && written;
}

void ShowError(const char* text, const char* caption, unsigned icon) {
    ThePlatform().MessageBox(text, caption, icon);
}

// A translation that was cut at load holds only part of its file; saving it over
// that file would lose the rest, so the translator decides.
bool ConfirmSaveOverCutFile() {
    const int answer = ThePlatform().MessageBox(
        "Die \xDC"
        "bersetzungsdatei wurde beim Laden nicht vollst\xE4ndig gelesen. Beim "
        "Speichern geht der nicht geladene Rest der Datei verloren. Trotzdem speichern?",
        "Verbodex", MB_YESNO | MB_ICONWARNING);
    return answer == IDYES;
}

} // namespace

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

bool WriteTranslation(const std::string& target) {
    if (!TargetOpens(target)) {
        ShowError("Zieldatei kann nichtge\xF6"
                  "ffnet werden!",
                  "Error", MB_ICONWARNING);
        return false;
    }

    // Room for one byte more than a save may write (two for the terminating NUL of
    // the window-text fallback), so that a longer text shows itself.
    std::vector<char> buffer;
    try {
        buffer.resize(static_cast<std::size_t>(SaveCapacity) + 2);
    } catch (const std::bad_alloc&) {
        ShowError("Alloc-Error 359!", "Error", MB_ICONHAND);
        return false;
    }
    std::int32_t count = RichEdit_StreamOutText(TranslationPane, buffer.data(), SaveCapacity + 1);
    if (count <= 0) count = RichEdit_GetText(TranslationPane, buffer.data(), SaveCapacity + 2);
    if (count <= 0) {
        ShowError("Text-Puffer zu klein!", "Error", MB_ICONHAND);
        return false;
    }
    if (count > SaveCapacity) {
        ShowError("Der Text ist zu lang zum Speichern (mehr als 1.000.000 Bytes)! Die Zieldatei "
                  "wurde nicht ver\xE4ndert.",
                  "Error", MB_ICONHAND);
        return false;
    }

    if (!WriteWhole(target, buffer.data(), static_cast<std::size_t>(count))) {
        ShowError("Zieldatei wurde nicht (oder nicht komplett) geschrieben! Die Zieldatei ist "
                  "m\xF6glicherweise schreibgesch\xFCtzt oder der Datentr\xE4ger ist voll.",
                  "Write Error", MB_ICONHAND);
        return false;
    }
    return true;
}

void SaveTranslation(bool saveAs) {
    // Save As writes a copy; the loaded file stays the target of the next Save.
    const std::string loaded = PathText(appState.translationPath, appState.translationPathLength);
    std::string target = loaded;
    if (saveAs) {
        if (SaveFileDialog(appState.saveAsPath, appState.saveAsPathLength,
                           "\xDC"
                           "bersetzungsdatei speichern unter...",
                           36, 1) == 0) {
            return;
        }
        target = PathText(appState.saveAsPath, appState.saveAsPathLength);
    }
    const bool overLoadedFile = SameFile(target, loaded);
    if (appState.translationCut != 0 && overLoadedFile && !ConfirmSaveOverCutFile()) return;

    MakeBackup(target);
    // A failed write leaves the text marked as changed: it is not safely on disk.
    if (!WriteTranslation(target)) return;
    appState.modified = 0;
    // The file now holds exactly the pane's text, nothing of it is lost any more.
    if (overLoadedFile) appState.translationCut = 0;
}
