#include "app/main_window.h"

#include "app/app_state.h"
#include "app/caret_display.h"
#include "app/control_ids.h"
#include "app/dispatch.h"
#include "app/layout.h"
#include "app/paths.h"
#include "app/settings.h"
#include "platform/platform.h"
#include "resources/messages.h"

#include <cstring>

namespace {

constexpr int TranslationTextLimit = 999990;
constexpr int FontNameCapacity = 256;

// A remembered path too long for the path buffer would be cut and then name
// another file, which a Save could overwrite; such a path counts as missing.
// The read takes one byte more than fits, to tell the two apart.
void ReadRememberedPath(const char* key, char* path, std::int32_t& length) {
    char read[PathCapacity + 1];
    const char* fallback = DefaultRememberedPath();
    const int count = ReadSettingText("PATH", key, fallback, read, PathCapacity + 1);
    const char* chosen = count < PathCapacity ? read : fallback;
    length = static_cast<std::int32_t>(std::strlen(chosen));
    std::memcpy(path, chosen, static_cast<std::size_t>(length) + 1);
}

} // namespace

void ConfigurePanes() {
    Platform& platform = ThePlatform();
    Pane* translation = platform.GetPane(TranslationPane);
    translation->SetChangeNotification(true);
    translation->SetTextLimit(TranslationTextLimit);
    platform.SetReadOnlyBackground(OriginalPane);
    platform.SetSelectionBar(OriginalPane);
    platform.SetSelectionBar(TranslationPane);
}

WindowProcedures MainWindowProcedures() {
    WindowProcedures procedures;
    procedures.initDialog = InitMainWindow;
    procedures.command = DispatchCommand;
    procedures.notify = DispatchNotification;
    procedures.size = [] { LayoutMainWindow(); };
    procedures.minTrackSize = [](int& width, int& height) {
        width = MinTrackWidth;
        height = MinTrackHeight;
    };
    return procedures;
}

WindowProcedures CommandProcedures() {
    WindowProcedures procedures = MainWindowProcedures();
    procedures.initDialog = nullptr;
    return procedures;
}

bool InitMainWindow() {
    Platform& platform = ThePlatform();
    appState.windowHandle = platform.MainWindowHandle();

    char fontName[FontNameCapacity];
    ReadSettingText("OPTIONS", "FONTNAME", "Courier", fontName, FontNameCapacity);
    int fontHeight = ReadSettingInt("OPTIONS", "FONTHEIGHT", 15);
    appState.fontHandle = platform.SetPaneFont(fontName, fontHeight);

    ConfigurePanes();

    ReadRememberedPath("ORIG", appState.originalPath, appState.originalPathLength);
    ReadRememberedPath("TRANS", appState.translationPath, appState.translationPathLength);
    ReadRememberedPath("SAVEAS", appState.saveAsPath, appState.saveAsPathLength);

    // The first layout runs before the window is shown and sets the pane size.
    LayoutMainWindow();

    platform.SetControlText(IdOriginalPathEdit, appState.originalPath);
    platform.SetControlText(IdTranslationPathEdit, appState.translationPath);

    // Posted, so that both loads run after the window has appeared, the original
    // first: the translation, loaded last, decides the file kind.
    if (appState.originalPathLength > 1) platform.PostCommand(MakeCommand(LoadOriginalCommand));
    if (appState.translationPathLength > 1) {
        platform.PostCommand(MakeCommand(LoadTranslationCommand));
    }

    // Last: the caret display's input hook.
    appState.hookHandle = platform.InstallInputHook(CaretMessageHook);
    return true;
}

bool AskToSave() {
    if (appState.modified == 0) return true;
    if (appState.autoSave == 0) {
        const int answer = ShowMessage(MessageId::AskToSave);
        if (answer == IDNO) return true;
        if (answer != IDYES) return false;
    }
    ThePlatform().SendCommand(MakeCommand(IdSave));
    // A save that failed leaves the text marked as changed. Going on would drop
    // the translator's work, so the caller stops as if Cancel had been pressed.
    return appState.modified == 0;
}

void CloseMainWindow() {
    if (!AskToSave()) return;
    WriteSettingText("PATH", "ORIG", appState.originalPath);
    WriteSettingText("PATH", "TRANS", appState.translationPath);
    WriteSettingText("PATH", "SAVEAS", appState.saveAsPath);
    ThePlatform().RemoveInputHook(appState.hookHandle);
    appState.hookHandle = nullptr;
    ThePlatform().EndMainWindow(0);
}
