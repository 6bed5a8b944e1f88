#include "resources/messages.h"

#include "platform/platform.h"

#include <iterator>
#include <string>

namespace {

// In the order of MessageId. Texts are Windows-1252; they are shown exactly as
// written here.
constexpr MessageRow messages[] = {
    {MessageId::RichEditNotLoaded, "COMCTL32.DLL nicht geladen!!!", "*** Error *** Fehler ***",
     MB_ICONWARNING, false},
    {MessageId::TranslationPaneFull, "Textbox voll!", "Error (EN_MAXTEXT)", MB_ICONHAND, true},
    {MessageId::AskToSave, "Text wurde ge\xE4ndert. Speichern?", "Verbodex",
     MB_YESNOCANCEL | MB_ICONQUESTION, true},
    {MessageId::ChosenPathTooLong,
     "Der gew\xE4hlte Pfad ist zu lang (h\xF6"
     "chstens 259 Zeichen)! Bitte einen k\xFCrzeren Pfad w\xE4hlen.",
     "Error", MB_ICONWARNING, true},
    {MessageId::OriginalNotLoadedWhole,
     "Die Originaldatei wurde nicht vollst\xE4ndig geladen ({0}). Angezeigt wird nur der Text "
     "bis dahin; der Vergleich mit der \xDC"
     "bersetzung ist daher unvollst\xE4ndig.",
     "Verbodex", MB_ICONWARNING, true},
    {MessageId::TranslationNotLoadedWhole,
     "Die \xDC"
     "bersetzungsdatei wurde nicht vollst\xE4ndig geladen ({0}). Angezeigt wird nur der Text "
     "bis dahin. Speichern in diese Datei w\xFC"
     "rde den Rest der Datei l\xF6schen und fragt deshalb vorher nach.",
     "Verbodex", MB_ICONWARNING, true},
    {MessageId::TranslationTooLongToSaveBack,
     "Die \xDC"
     "bersetzungsdatei wurde vollst\xE4ndig geladen, kann so aber nicht wieder gespeichert "
     "werden: Beim Speichern wird jeder Zeilenumbruch zu CR LF, und der Text w\xE4re dann "
     "l\xE4nger als 1.000.000 Bytes. Vor dem Speichern muss der Text gek\xFCrzt werden.",
     "Verbodex", MB_ICONWARNING, true},
    {MessageId::SaveOverCutFile,
     "Die \xDC"
     "bersetzungsdatei wurde beim Laden nicht vollst\xE4ndig gelesen. Beim Speichern geht der "
     "nicht geladene Rest der Datei verloren. Trotzdem speichern?",
     "Verbodex", MB_YESNO | MB_ICONWARNING, true},
    {MessageId::SaveWithoutAnyCopy,
     "Die bisherige Fassung der Zieldatei kann weder als Sicherungskopie noch als tempor\xE4re "
     "Datei in ihrem Ordner aufbewahrt werden. Schl\xE4gt das Speichern fehl, geht sie verloren. "
     "Trotzdem speichern?",
     "Verbodex", MB_YESNO | MB_ICONWARNING, true},
    {MessageId::BackupNameIsLoadedFile,
     "Die \xDC"
     "bersetzung wurde ohne Sicherungskopie gespeichert: Die Sicherungsdatei tr\xE4gt den Namen "
     "einer geladenen Datei und h\xE4tte diese \xFC"
     "berschrieben.",
     "Verbodex", MB_ICONWARNING, true},
    {MessageId::TargetDoesNotOpen,
     "Zieldatei kann nichtge\xF6"
     "ffnet werden!",
     "Error", MB_ICONWARNING, true},
    {MessageId::SaveBufferNotObtained, "Alloc-Error 359!", "Error", MB_ICONHAND, true},
    {MessageId::PaneYieldsNoText, "Text-Puffer zu klein!", "Error", MB_ICONHAND, true},
    {MessageId::TextTooLongToSave,
     "Der Text ist zu lang zum Speichern (mehr als 1.000.000 Bytes)! Die Zieldatei wurde nicht "
     "ver\xE4ndert.",
     "Error", MB_ICONHAND, true},
    {MessageId::TargetNotWrittenWhole,
     "Zieldatei wurde nicht (oder nicht komplett) geschrieben! Die Zieldatei ist "
     "m\xF6glicherweise schreibgesch\xFCtzt oder der Datentr\xE4ger ist voll.",
     "Write Error", MB_ICONHAND, true},
};
static_assert(std::size(messages) == static_cast<std::size_t>(MessageId::Count),
              "every message id needs its row");

// In the order of MessagePart.
constexpr const char* messageParts[] = {
    // In parentheses: one text written in two pieces, not two texts.
    ("gr\xF6\xDF"
     "er als 1.000.000 Bytes"),
    "enth\xE4lt ein NUL-Zeichen",
    "Lesefehler",
    "zu lang f\xFCr das Textfeld",
    "keine Leseberechtigung",
};

int Show(const MessageRow& row, const std::string& text) {
    return ThePlatform().MessageBox(text, row.caption, row.flags, row.owned);
}

} // namespace

std::span<const MessageRow> AllMessages() { return {messages, std::size(messages)}; }

const MessageRow& MessageRowOf(MessageId id) { return messages[static_cast<std::size_t>(id)]; }

const char* MessagePartText(MessagePart part) {
    return messageParts[static_cast<std::size_t>(part)];
}

int ShowMessage(MessageId id) {
    const MessageRow& row = MessageRowOf(id);
    return Show(row, row.text);
}

int ShowMessage(MessageId id, MessagePart part) {
    const MessageRow& row = MessageRowOf(id);
    std::string text = row.text;
    const std::size_t slot = text.find("{0}");
    if (slot != std::string::npos) text.replace(slot, 3, MessagePartText(part));
    return Show(row, text);
}
