#include "resources/accelerators.h"

#include "app/control_ids.h"

namespace {

// Rows that need a particular focus come before the ones that do not, since
// the first match counts.
constexpr Accelerator mainWindowRows[] = {
    // Enter in a search field finds the next occurrence, Shift+Enter the previous.
    {VK_RETURN, KeyNoModifier, IdSearchOriginalEdit, MakeCommand(IdSearchOriginalForward)},
    {VK_RETURN, KeyShift, IdSearchOriginalEdit, MakeCommand(IdSearchOriginalBack)},
    {VK_RETURN, KeyNoModifier, IdSearchTranslationEdit, MakeCommand(IdSearchTranslationForward)},
    {VK_RETURN, KeyShift, IdSearchTranslationEdit, MakeCommand(IdSearchTranslationBack)},
    {VK_F3, KeyNoModifier, 0, MakeCommand(FindNextCommand)},
    {VK_F3, KeyShift, 0, MakeCommand(FindPreviousCommand)},
    {VK_F, KeyControl, 0, MakeCommand(FocusSearchCommand)},
    {VK_S, KeyControl, 0, MakeCommand(IdSave)},
    {VK_F8, KeyNoModifier, 0, MakeCommand(NextRedLineCommand)},
    {VK_F8, KeyShift, 0, MakeCommand(PreviousRedLineCommand)},
};

constexpr AcceleratorTable mainWindowAccelerators = {
    mainWindowRows,
    static_cast<int>(sizeof(mainWindowRows) / sizeof(mainWindowRows[0])),
};

} // namespace

const AcceleratorTable& MainWindowAccelerators() { return mainWindowAccelerators; }

std::uint32_t FindAccelerator(int key, unsigned modifiers, int focusedControl) {
    const AcceleratorTable& table = MainWindowAccelerators();
    for (int i = 0; i < table.count; ++i) {
        const Accelerator& row = table.rows[i];
        if (row.key == key && row.modifiers == modifiers &&
            (row.focus == 0 || row.focus == focusedControl)) {
            return row.command;
        }
    }
    return 0;
}
