#include "app/caret_display.h"

#include "app/app_state.h"
#include "app/control_ids.h"
#include "panes/richedit.h"
#include "text/Leedel.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

// Each number is written right-aligned in a field of seven characters; one that
// does not fit is seven asterisks.
constexpr int NumberField = 7;
// The display's text buffer.
constexpr int DisplayCapacity = 256;

void WriteNumberField(std::int32_t value, char* field) {
    std::memset(field, ' ', NumberField);
    if (value < 0 || value > 9999999) {
        std::memset(field, '*', NumberField);
        return;
    }
    int position = NumberField;
    do {
        field[--position] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && position > 0);
}

// Appends `label` and the number with the blanks of its field removed.
int AppendNumber(char* text, int length, const char* label, std::int32_t value) {
    const int labelLength = static_cast<int>(std::strlen(label));
    std::memcpy(text + length, label, static_cast<std::size_t>(labelLength));
    length += labelLength;
    char* field = text + length;
    WriteNumberField(value, field);
    return length + Leedel(field, NumberField);
}

// The key messages (0x100 to 0x108) and the mouse-button messages (0x201 to
// 0x209) that the display follows; the release messages are among them, which
// is what brings the display up to date after a key or button is carried out.
bool FollowedMessage(std::uint32_t message) {
    return (message >= WM_KEYDOWN && message <= 0x108) ||
           (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK);
}

} // namespace

void CaretMessageHook(Handle window, std::uint32_t message) {
    if (!FollowedMessage(message)) return;
    Platform& platform = ThePlatform();
    if (window != appState.windowHandle && !platform.IsChild(window)) return;
    platform.SendCommand(MakeCommand(CaretPositionCommand),
                         reinterpret_cast<CommandParameter>(window));
}

void ShowCaretPosition(CommandParameter window) {
    if (window == 0) return;
    Platform& platform = ThePlatform();
    int pane = 0;
    int display = 0;
    if (window == reinterpret_cast<CommandParameter>(platform.ControlHandle(OriginalPane))) {
        pane = OriginalPane;
        display = IdCaretOriginal;
    } else if (window ==
               reinterpret_cast<CommandParameter>(platform.ControlHandle(TranslationPane))) {
        pane = TranslationPane;
        display = IdCaretTranslation;
    } else {
        return;
    }

    // The caret is taken to be at the selection's end, whichever way it was made.
    std::int32_t start = 0;
    std::int32_t end = 0;
    RichEdit_GetSel(pane, start, end);
    const std::int32_t line = RichEdit_LineFromChar(pane, end);
    const std::int32_t column = end - RichEdit_LineIndex(pane, line) + 1;

    char text[DisplayCapacity];
    int length = AppendNumber(text, 0, "Z: ", line + 1);
    length = AppendNumber(text, length, "   S: ", column);
    platform.SetControlText(display, std::string(text, static_cast<std::size_t>(length)));
}
