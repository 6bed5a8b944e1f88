#include "documents/loading.h"

#include "aids/intl_col.h"
#include "aids/intl_msk.h"
#include "app/control_ids.h"
#include "app/file_kinds.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/paths.h"
#include "documents/basis.h"
#include "documents/file_io.h"
#include "documents/saving.h"
#include "panes/richedit.h"
#include "platform/platform.h"
#include "resources/messages.h"
#include "text/Tau.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>
#include <utility>

namespace {

// The first line of a loaded translation is read with this capacity.
constexpr int FirstLineCapacity = 256;
// A mask translation whose first line is this short is not treated as a mask.
constexpr int ShortestMaskHeader = 9;
// Files are read in pieces of this size.
constexpr std::size_t ReadPiece = 65536;

struct Document {
    bool opened = false;
    std::string bytes;
};

// Reads the file as bytes, at most LoadCapacity of them; the text ends at a NUL
// byte. Returns LoadedWhole, or why the file did not open, or why the text is
// only part of the file. Only a regular file opens: a folder has no text, and
// opening a named pipe would wait for a writer and freeze the window.
LoadOutcome ReadDocument(const std::string& path, Document& document) {
    std::error_code error;
    if (path.empty()) return {LoadResult::DoesNotOpen, path, {}};
    const std::filesystem::file_status status = std::filesystem::status(NativePath(path), error);
    if (std::filesystem::is_directory(status)) return {LoadResult::IsDirectory, path, {}};
    if ((std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) ||
        NamesADevice(path)) {
        return {LoadResult::NotRegularFile, path, {}};
    }
    std::FILE* file = OpenNativeFile(path, "rb");
    if (file == nullptr) {
        return {LoadResult::DoesNotOpen, path, std::error_code(errno, std::generic_category())};
    }
    document.opened = true;
    LoadResult cut = LoadResult::LoadedWhole;
    try {
        // One byte beyond the capacity tells a file that is too large. The buffer
        // grows with the file instead of taking the whole capacity for every load.
        const std::size_t most = static_cast<std::size_t>(LoadCapacity) + 1;
        while (document.bytes.size() < most) {
            const std::size_t used = document.bytes.size();
            const std::size_t wanted = std::min(ReadPiece, most - used);
            document.bytes.resize(used + wanted);
            const std::size_t read = std::fread(document.bytes.data() + used, 1, wanted, file);
            document.bytes.resize(used + read);
            if (read < wanted) break;
        }
        if (std::ferror(file)) cut = LoadResult::ReadError;
    } catch (const std::bad_alloc&) {
        document.bytes.clear();
        cut = LoadResult::ReadError;
    }
    std::fclose(file);
    if (document.bytes.size() > static_cast<std::size_t>(LoadCapacity)) {
        document.bytes.resize(LoadCapacity);
        cut = LoadResult::CutAtCapacity;
    }
    const std::size_t nul = document.bytes.find('\0');
    if (nul != std::string::npos) {
        document.bytes.resize(nul);
        if (cut == LoadResult::LoadedWhole) cut = LoadResult::HeldNul;
    }
    return {cut, path, {}};
}

// Sets the whole text of a pane. A text the pane refuses leaves it empty, never
// showing the previous file under the new file's name.
bool SetPaneText(int pane, const std::string& bytes) {
    Pane* target = ThePlatform().GetPane(pane);
    if (target->SetText(bytes.c_str())) return true;
    target->SetText("");
    return false;
}

// How the message names the reason a file did not reach its pane whole.
constexpr std::pair<LoadResult, MessagePart> cutParts[] = {
    {LoadResult::CutAtCapacity, MessagePart::LargerThanLoadCapacity},
    {LoadResult::HeldNul, MessagePart::HoldsNul},
    {LoadResult::ReadError, MessagePart::ReadError},
    {LoadResult::RefusedByPane, MessagePart::TooLongForPane},
};

// Tells the translator that a file did not reach its pane whole, and why; a
// file that did says nothing.
void TellCut(MessageId message, LoadResult cut) {
    for (const auto& [result, part] : cutParts) {
        if (result == cut) ShowMessage(message, part);
    }
}

// A translation that is there but does not open for reading (no permission, a
// loop of links) is not new or empty, though its pane is: the save asks before
// replacing it, as over a file cut at load, and the translator hears why. A
// name that names nothing is a new file and says nothing.
void TellUnreadable(const LoadOutcome& outcome) {
    if (outcome.result != LoadResult::DoesNotOpen || !outcome.error) return;
    const int error = outcome.error.value();
    if (NamesNothing(error)) return;
    appState.translationCut = 1;
    ShowMessage(MessageId::TranslationNotLoadedWhole, error == EACCES || error == EPERM
                                                          ? MessagePart::NoReadPermission
                                                          : MessagePart::ReadError);
}

// A mask translation is shown as wide as its area, so that lines that outgrow it
// are seen at once; never wider than the layout made the pane. Any other
// translation gets the pane's full size back, so a file loaded after a mask is
// not left in the narrow pane until the window is next resized.
void SizeTranslationPane(FileKind kind, const char* header) {
    if (appState.paneWidth <= 0 || appState.paneHeight <= 0) return; // no layout yet
    Platform& platform = ThePlatform();
    int width = appState.paneWidth;
    int maskWidth = 0;
    if (kind == FileKind::Mask && ReadMaskWidth(header, maskWidth)) {
        const int charWidth = platform.AverageCharWidth();
        if (charWidth <= 0) return;
        width = std::min((maskWidth + 2) * charWidth + 16, appState.paneWidth);
    }
    Rect rect = platform.GetControlRect(TranslationPane);
    if (RectToClient(rect) == 0) return;
    if (rect.right - rect.left == width && rect.bottom - rect.top == appState.paneHeight) return;
    platform.MoveControl(TranslationPane, rect.left, rect.top, width, appState.paneHeight, true);
}

// A path and its length change together; a path that does not fit leaves both.
bool SetPath(char* buffer, std::int32_t& length, const std::string& path) {
    if (path.size() >= static_cast<std::size_t>(PathCapacity)) return false;
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    length = static_cast<std::int32_t>(path.size());
    return true;
}

void EnableKindButtons(bool merge, bool standardEntries) {
    ThePlatform().EnableControl(IdMerge, merge);
    ThePlatform().EnableControl(IdStandardEntries, standardEntries);
}

} // namespace

LoadOutcome LoadOriginal(bool browse) {
    Platform& platform = ThePlatform();
    if (browse) {
        bool pathTooLong = false;
        if (OpenFileDialog(appState.originalPath, appState.originalPathLength,
                           "Originaldatei \xF6"
                           "ffnen",
                           20, &pathTooLong) == 0) {
            return {pathTooLong ? LoadResult::PathTooLong : LoadResult::NoFileChosen, "", {}};
        }
    }
    if (appState.originalPathLength <= 0) return {LoadResult::NoPath, "", {}};
    const std::string path = PathText(appState.originalPath, appState.originalPathLength);
    platform.SetControlText(IdOriginalPathEdit, path);

    Document document;
    LoadOutcome outcome = ReadDocument(path, document);
    appState.originalOpened = document.opened ? 1 : 0;
    if (!document.opened) {
        // A file that does not open leaves the pane empty, quietly: the path field
        // already shows which file it was.
        SetPaneText(OriginalPane, "");
        return outcome;
    }
    const bool shown = SetPaneText(OriginalPane, document.bytes);
    appState.fileKind = FileKind::Other;
    if (!shown) {
        outcome.result = LoadResult::RefusedByPane;
        TellCut(MessageId::OriginalNotLoadedWhole, outcome.result);
        return outcome;
    }
    appState.fileKind = RecogniseFileKind(appState.originalPath, appState.originalPathLength);
    ColourPane(appState.fileKind, OriginalPane);
    TellCut(MessageId::OriginalNotLoadedWhole, outcome.result);
    return outcome;
}

LoadOutcome LoadTranslation(bool browse) {
    if (!AskToSave()) return {LoadResult::UnsavedChangesKept, "", {}};
    Platform& platform = ThePlatform();
    bool chosen = true;
    bool pathTooLong = false;
    if (browse) {
        chosen = OpenFileDialog(appState.translationPath, appState.translationPathLength,
                                "\xDC"
                                "bersetzungsdatei \xF6"
                                "ffnen",
                                24, &pathTooLong) != 0;
    }
    // The aids of the previous file no longer apply, chosen or not.
    EnableKindButtons(false, false);
    appState.fileKind = FileKind::Other;
    if (!chosen) return {pathTooLong ? LoadResult::PathTooLong : LoadResult::NoFileChosen, "", {}};
    if (appState.translationPathLength <= 0) return {LoadResult::NoPath, "", {}};
    const std::string path = PathText(appState.translationPath, appState.translationPathLength);
    platform.SetControlText(IdTranslationPathEdit, path);

    Document document;
    LoadOutcome outcome = ReadDocument(path, document);
    appState.translationOpened = document.opened ? 1 : 0;
    appState.translationCut = 0;
    if (!document.opened) {
        SetPaneText(TranslationPane, "");
        appState.modified = 0;
        TellUnreadable(outcome);
        return outcome;
    }
    if (!SetPaneText(TranslationPane, document.bytes)) outcome.result = LoadResult::RefusedByPane;
    // Saving a text that is only part of its file would cut the file; the save
    // asks first while this is set.
    appState.translationCut = outcome.Whole() ? 0 : 1;

    char firstLine[FirstLineCapacity];
    const std::int32_t firstLength =
        RichEdit_GetTextLine(TranslationPane, 0, firstLine, FirstLineCapacity);
    FileKind kind = RecogniseFileKind(appState.translationPath, appState.translationPathLength);
    // A mask whose first line is too short to be a header is no mask here.
    if (kind == FileKind::Mask && firstLength <= ShortestMaskHeader) kind = FileKind::Other;
    const FileKindRow& row = FileKindRowOf(kind);
    EnableKindButtons(row.enablesMerge, row.enablesStandardEntries);
    SizeTranslationPane(kind, firstLine);
    appState.fileKind = kind;
    ColourPane(appState.fileKind, TranslationPane);
    // Setting the text reported a change; a freshly loaded file is unchanged.
    appState.modified = 0;
    TellCut(MessageId::TranslationNotLoadedWhole, outcome.result);
    // A file of lone LF or CR line ends grows when saved with CR LF; one that
    // grows past what a save writes could never be saved, so the translator
    // hears of it before working on it.
    if (SavedTextLength() > SaveCapacity) ShowMessage(MessageId::TranslationTooLongToSaveBack);
    return outcome;
}

void SwapFiles() {
    if (!AskToSave()) return;
    // The reload below must not ask a second time.
    appState.modified = 0;
    taupp(PathCapacity, appState.originalPath, appState.translationPath);
    taupp(sizeof(std::int32_t), &appState.originalPathLength, &appState.translationPathLength);
    // The original is loaded last, so the file kind describes the new original.
    Platform& platform = ThePlatform();
    platform.SendCommand(MakeCommand(LoadTranslationCommand));
    platform.SendCommand(MakeCommand(LoadOriginalCommand));
}

LoadOutcome LoadOriginalFrom(const std::string& path) {
    if (!SetPath(appState.originalPath, appState.originalPathLength, path)) {
        return {LoadResult::PathTooLong, path, {}};
    }
    return LoadOriginal(false);
}

LoadOutcome LoadTranslationFrom(const std::string& path) {
    if (!SetPath(appState.translationPath, appState.translationPathLength, path)) {
        return {LoadResult::PathTooLong, path, {}};
    }
    return LoadTranslation(false);
}
