#include "documents/loading.h"

#include "aids/intl_col.h"
#include "aids/intl_msk.h"
#include "app/control_ids.h"
#include "app/file_kinds.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/paths.h"
#include "documents/basis.h"
#include "panes/richedit.h"
#include "platform/platform.h"
#include "text/Tau.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>

namespace {

// The first line of a loaded translation is read with this capacity.
constexpr int FirstLineCapacity = 256;
// A mask translation whose first line is this short is not treated as a mask.
constexpr int ShortestMaskHeader = 9;

// Why a file did not reach its pane whole.
enum class Cut { None, TooLarge, NulByte, ReadError, Refused };

struct Document {
    std::string bytes;
    Cut cut = Cut::None;
};

// Reads the file as bytes, at most LoadCapacity of them; the text ends at a NUL
// byte. Returns false when the file does not open. Only a regular file opens: a
// folder has no text, and opening a named pipe would wait for a writer and
// freeze the window.
bool ReadDocument(const std::string& path, Document& document) {
    std::error_code error;
    if (path.empty()) return false;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) return false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    try {
        // One byte beyond the capacity tells a file that is too large.
        document.bytes.resize(static_cast<std::size_t>(LoadCapacity) + 1);
        const std::size_t read = std::fread(document.bytes.data(), 1, document.bytes.size(), file);
        if (std::ferror(file)) document.cut = Cut::ReadError;
        document.bytes.resize(read);
    } catch (const std::bad_alloc&) {
        document.bytes.clear();
        document.cut = Cut::ReadError;
    }
    std::fclose(file);
    if (document.bytes.size() > static_cast<std::size_t>(LoadCapacity)) {
        document.bytes.resize(LoadCapacity);
        document.cut = Cut::TooLarge;
    }
    const std::size_t nul = document.bytes.find('\0');
    if (nul != std::string::npos) {
        document.bytes.resize(nul);
        if (document.cut == Cut::None) document.cut = Cut::NulByte;
    }
    return true;
}

// Sets the whole text of a pane. A text the pane refuses leaves it empty, never
// showing the previous file under the new file's name.
bool SetPaneText(int pane, const std::string& bytes) {
    Pane* target = ThePlatform().GetPane(pane);
    if (target->SetText(bytes.c_str())) return true;
    target->SetText("");
    return false;
}

const char* CutReason(Cut cut) {
    switch (cut) {
    case Cut::TooLarge:
        return "gr\xF6\xDF"
               "er als 1.000.000 Bytes";
    case Cut::NulByte:
        return "enth\xE4lt ein NUL-Zeichen";
    case Cut::ReadError:
        return "Lesefehler";
    case Cut::Refused:
        return "zu lang f\xFCr das Textfeld";
    case Cut::None:
        break;
    }
    return "";
}

void TellOriginalCut(Cut cut) {
    ThePlatform().MessageBox(std::string("Die Originaldatei wurde nicht vollst\xE4ndig geladen (") +
                                 CutReason(cut) +
                                 "). Angezeigt wird nur der Text bis dahin; der Vergleich mit "
                                 "der \xDC"
                                 "bersetzung ist daher unvollst\xE4ndig.",
                             "Verbodex", MB_ICONWARNING);
}

void TellTranslationCut(Cut cut) {
    ThePlatform().MessageBox(
        std::string("Die \xDC"
                    "bersetzungsdatei wurde nicht vollst\xE4ndig geladen (") +
            CutReason(cut) +
            "). Angezeigt wird nur der Text bis dahin. Speichern in diese Datei w\xFC"
            "rde "
            "den Rest der Datei l\xF6schen und fragt deshalb vorher nach.",
        "Verbodex", MB_ICONWARNING);
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

void EnableKindButtons(bool merge, bool standardEntries) {
    ThePlatform().EnableControl(IdMerge, merge);
    ThePlatform().EnableControl(IdStandardEntries, standardEntries);
}

} // namespace

bool LoadOriginal(bool browse) {
    Platform& platform = ThePlatform();
    if (browse && OpenFileDialog(appState.originalPath, appState.originalPathLength,
                                 "Originaldatei \xF6"
                                 "ffnen",
                                 20) == 0) {
        return false;
    }
    if (appState.originalPathLength <= 0) return false;
    const std::string path = PathText(appState.originalPath, appState.originalPathLength);
    platform.SetControlText(IdOriginalPathEdit, path);

    Document document;
    const bool opened = ReadDocument(path, document);
    appState.originalOpened = opened ? 1 : 0;
    if (!opened) {
        // A file that does not open leaves the pane empty, quietly: the path field
        // already shows which file it was.
        SetPaneText(OriginalPane, "");
        return false;
    }
    const bool shown = SetPaneText(OriginalPane, document.bytes);
    appState.fileKind = FileKind::Other;
    if (!shown) {
        TellOriginalCut(Cut::Refused);
        return true;
    }
    appState.fileKind = RecogniseFileKind(appState.originalPath, appState.originalPathLength);
    ColourPane(appState.fileKind, OriginalPane);
    if (document.cut != Cut::None) TellOriginalCut(document.cut);
    return true;
}

bool LoadTranslation(bool browse) {
    if (!AskToSave()) return false;
    Platform& platform = ThePlatform();
    bool chosen = true;
    if (browse) {
        chosen = OpenFileDialog(appState.translationPath, appState.translationPathLength,
                                "\xDC"
                                "bersetzungsdatei \xF6"
                                "ffnen",
                                24) != 0;
    }
    // The aids of the previous file no longer apply, chosen or not.
    EnableKindButtons(false, false);
    appState.fileKind = FileKind::Other;
    if (!chosen || appState.translationPathLength <= 0) return false;
    const std::string path = PathText(appState.translationPath, appState.translationPathLength);
    platform.SetControlText(IdTranslationPathEdit, path);

    Document document;
    const bool opened = ReadDocument(path, document);
    appState.translationOpened = opened ? 1 : 0;
    appState.translationCut = 0;
    if (!opened) {
        SetPaneText(TranslationPane, "");
        appState.modified = 0;
        return false;
    }
    if (!SetPaneText(TranslationPane, document.bytes)) document.cut = Cut::Refused;
    // Saving a text that is only part of its file would cut the file; the save
    // asks first while this is set.
    appState.translationCut = document.cut != Cut::None ? 1 : 0;

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
    if (document.cut != Cut::None) TellTranslationCut(document.cut);
    return true;
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
