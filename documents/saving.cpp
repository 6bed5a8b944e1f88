#include "documents/saving.h"

#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/paths.h"
#include "documents/Ftnfco.h"
#include "documents/basis.h"
#include "panes/richedit.h"
#include "platform/platform.h"
#include "resources/messages.h"

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
// replaced by "bak" (DIALOG.INI -> DIALOG.bak). The save goes on whether or not
// the copy worked; a file saved for the first time has nothing to keep. Only an
// ordinary file is copied; a device such as /dev/zero would never end. Returns
// false when there was a previous content and it was not kept.
bool MakeBackup(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(NativePath(path), error)) return true;
    if (path.size() < 3) return false;
    std::string backup = path;
    backup.replace(backup.size() - 3, 3, "bak");
    std::int16_t status = 0;
    const int length = static_cast<int>(path.size());
    ftnfco(status, path.c_str(), length, backup.c_str(), length);
    return status == 0;
}

// Opens the target for writing without cutting it (creating it when it does not
// exist), so that a save that stops before writing leaves an existing file as it
// was. A folder does not open.
bool TargetOpens(const std::string& path) {
    std::error_code error;
    if (path.empty() || std::filesystem::is_directory(NativePath(path), error)) return false;
    std::FILE* file = OpenNativeFile(path, "ab");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

// Writes the bytes as the whole new content of the file. False when the file did
// not take all of them.
bool WriteWhole(const std::string& path, const char* bytes, std::size_t count) {
    std::FILE* file = OpenNativeFile(path, "wb");
    if (file == nullptr) return false;
    bool written = std::fwrite(bytes, 1, count, file) == count;
    written = std::fflush(file) == 0 && written;
    return std::fclose(file) == 0 && written;
}

// Shows the failure's message and gives back its outcome.
SaveOutcome Refuse(MessageId message, SaveResult result, const std::string& target) {
    ShowMessage(message);
    return {result, target};
}

} // namespace

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code error;
    return std::filesystem::equivalent(NativePath(a), NativePath(b), error) && !error;
}

SaveOutcome WriteTranslation(const std::string& target) {
    if (!TargetOpens(target)) {
        return Refuse(MessageId::TargetDoesNotOpen, SaveResult::CannotOpen, target);
    }

    // Room for one byte more than a save may write (two for the terminating NUL of
    // the window-text fallback), so that a longer text shows itself.
    std::vector<char> buffer;
    try {
        buffer.resize(static_cast<std::size_t>(SaveCapacity) + 2);
    } catch (const std::bad_alloc&) {
        return Refuse(MessageId::SaveBufferNotObtained, SaveResult::OutOfMemory, target);
    }
    std::int32_t count = RichEdit_StreamOutText(TranslationPane, buffer.data(), SaveCapacity + 1);
    if (count <= 0) count = RichEdit_GetText(TranslationPane, buffer.data(), SaveCapacity + 2);
    if (count <= 0) return Refuse(MessageId::PaneYieldsNoText, SaveResult::NothingToSave, target);
    if (count > SaveCapacity) {
        return Refuse(MessageId::TextTooLongToSave, SaveResult::TextTooLong, target);
    }
    if (!WriteWhole(target, buffer.data(), static_cast<std::size_t>(count))) {
        return Refuse(MessageId::TargetNotWrittenWhole, SaveResult::NotWrittenWhole, target);
    }
    return {SaveResult::Saved, target};
}

SaveOutcome SaveTranslation(bool saveAs) {
    // Save As writes a copy; the loaded file stays the target of the next Save.
    const std::string loaded = PathText(appState.translationPath, appState.translationPathLength);
    std::string target = loaded;
    if (saveAs) {
        bool pathTooLong = false;
        if (SaveFileDialog(appState.saveAsPath, appState.saveAsPathLength,
                           "\xDC"
                           "bersetzungsdatei speichern unter...",
                           36, 1, &pathTooLong) == 0) {
            return {pathTooLong ? SaveResult::PathTooLong : SaveResult::Cancelled, ""};
        }
        target = PathText(appState.saveAsPath, appState.saveAsPathLength);
    }
    const bool overLoadedFile = SameFile(target, loaded);
    // A translation that was cut at load holds only part of its file; saving it
    // over that file would lose the rest, so the translator decides.
    if (appState.translationCut != 0 && overLoadedFile &&
        ShowMessage(MessageId::SaveOverCutFile) != IDYES) {
        return {SaveResult::Declined, target};
    }

    const bool backedUp = MakeBackup(target);
    SaveOutcome outcome = WriteTranslation(target);
    // A failed write leaves the text marked as changed: it is not safely on disk.
    if (!outcome.Saved()) return outcome;
    appState.modified = 0;
    // The file now holds exactly the pane's text, nothing of it is lost any more.
    if (overLoadedFile) appState.translationCut = 0;
    if (!backedUp) outcome.result = SaveResult::SavedWithoutBackup;
    return outcome;
}
