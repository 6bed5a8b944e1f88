// Every message box of the program, as data: its German text, its caption and
// its flags (buttons and icon), and whether MainWindow owns it. Callers name a
// message by its id and show it here, so that all texts stand in one file.
#pragma once

#include <span>

enum class MessageId {
    // The entry could not load the rich-edit library (owned by no window).
    RichEditNotLoaded,
    // TranslationPane refused input at its text limit.
    TranslationPaneFull,
    // Unsaved changes before a reload, a swap, a series step or closing.
    AskToSave,
    // A file dialog gave a path too long for a path buffer.
    ChosenPathTooLong,
    // A file did not reach its pane whole; {0} says why (a MessagePart).
    OriginalNotLoadedWhole,
    TranslationNotLoadedWhole,
    // A translation loaded whole that its save, which writes every line break as
    // CR LF, would make longer than a save may write.
    TranslationTooLongToSaveBack,
    // Saving over a translation that was not loaded whole.
    SaveOverCutFile,
    // Saving where the old content could be kept neither in a backup nor in a
    // temporary file (a read-only folder without a backup).
    SaveWithoutAnyCopy,
    // The save went on without its backup, whose name is that of a loaded file.
    BackupNameIsLoadedFile,
    // The save's failures.
    TargetDoesNotOpen,
    SaveBufferNotObtained,
    PaneYieldsNoText,
    TextTooLongToSave,
    TargetNotWrittenWhole,
    // Not a message: the number of messages.
    Count,
};

// Texts that fill the {0} of a message: why a file did not reach its pane whole.
enum class MessagePart {
    LargerThanLoadCapacity,
    HoldsNul,
    ReadError,
    TooLongForPane,
    NoReadPermission,
};

struct MessageRow {
    MessageId id;
    const char* text;
    const char* caption;
    unsigned flags;
    bool owned; // false: owned by no window
};

// Every row, in the order of MessageId.
std::span<const MessageRow> AllMessages();
const MessageRow& MessageRowOf(MessageId id);
const char* MessagePartText(MessagePart part);

// Shows the message (with {0} filled by the part) and returns the button pressed:
// IDOK, IDYES, IDNO or IDCANCEL.
int ShowMessage(MessageId id);
int ShowMessage(MessageId id, MessagePart part);
