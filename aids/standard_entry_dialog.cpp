#include "aids/standard_entry_dialog.h"

#include "aids/propose_key.h"
#include "platform/platform.h"
#include "resources/standard_entry_dialog.h"

namespace {

// What one showing of the dialog works on, handed to its procedures as the
// dialog's parameter.
struct EntryDialogData {
    const std::string* message;
    const std::string* value;
    std::string* name;
};

EntryDialogData& DataOf(Dialog& dialog) {
    return *reinterpret_cast<EntryDialogData*>(dialog.Parameter());
}

bool InitEntryDialog(Dialog& dialog) {
    EntryDialogData& data = DataOf(dialog);
    dialog.SetItemText(IdEntryMessage, *data.message);
    dialog.SetItemText(IdEntryName, ProposeKey(*data.value));
    return true; // Yes, the first tab stop, keeps the focus
}

bool EntryDialogCommand(Dialog& dialog, std::uint32_t command) {
    switch (command) {
    case IDOK:
    case IdEntryYes: {
        std::string name = dialog.GetItemText(IdEntryName);
        if (!IsUsableName(name)) {
            ThePlatform().Beep();
            return true;
        }
        *DataOf(dialog).name = std::move(name);
        dialog.End(static_cast<int>(command));
        return true;
    }
    case IdEntryCancel:
    case IdEntryNo:
    case IdEntryNext:
        dialog.End(static_cast<int>(command));
        return true;
    default:
        return false;
    }
}

} // namespace

bool IsUsableName(std::string_view name) {
    if (name.empty() || name.find_first_of(std::string_view("\r\n\0=", 4)) != name.npos) {
        return false;
    }
    if (name.find('#') == name.npos) return true;
    return name.size() >= 3 && name.front() == '#' && name.back() == '#' &&
           name.substr(1, name.size() - 2).find('#') == name.npos;
}

int ShowStandardEntryDialog(const std::string& message, const std::string& value,
                            std::string& name) {
    EntryDialogData data{&message, &value, &name};
    DialogProcedures procedures;
    procedures.initDialog = InitEntryDialog;
    procedures.command = EntryDialogCommand;
    return ThePlatform().RunModalDialog(StandardEntryDialogTemplate(), procedures,
                                        reinterpret_cast<DialogParameter>(&data));
}
