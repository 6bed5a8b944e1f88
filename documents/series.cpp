#include "documents/series.h"

#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/file_kinds.h"
#include "app/main_window.h"
#include "documents/saving.h"
#include "platform/platform.h"
#include "text/string00.h"

#include <string>
#include <string_view>

namespace {

// The number stands directly before the last four characters of the name (the
// dot and the three-letter ending).
constexpr int EndingLength = 4;

// Width of the series field by the kind the original's name ends in; 0: no series.
int FieldWidthOf(FileKind kind) {
    switch (kind) {
    case FileKind::Menu:
        return 3;
    case FileKind::Mask:
        return 4;
    default:
        return 0;
    }
}

// The largest number a field of that width holds.
int LargestNumber(int width) {
    int largest = 1;
    for (int i = 0; i < width; ++i)
        largest *= 10;
    return largest - 1;
}

// Index of the field's first character in a path of that length.
int FieldStart(std::int32_t length, int width) { return length - EndingLength - width; }

// Writes n with leading zeros into the field; n fits the width.
void WriteField(char* path, std::int32_t length, int width, int n) {
    char* field = path + FieldStart(length, width);
    for (int i = width - 1; i >= 0; --i) {
        field[i] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
}

// Steps at and beyond these numbers neither skip nor start i-Check, for both
// kinds of series alike.
constexpr int UpperBound = 999;
constexpr int LowerBound = 1;

} // namespace

void StepSeries(int direction) {
    if (!AskToSave()) return;
    // Changes the translator chose not to save are dropped, so that the reloads
    // below do not ask again.
    appState.modified = 0;

    Platform& platform = ThePlatform();
    for (;;) {
        // Both names are compared at their end without regard to case where file
        // names distinguish case, as the loader compares them.
        const int width =
            FieldWidthOf(RecogniseFileKind(appState.originalPath, appState.originalPathLength));
        if (width == 0) return;
        if (appState.originalPathLength < width + EndingLength ||
            appState.translationPathLength < width + EndingLength) {
            return;
        }
        // The translation takes the number at the same place from its end,
        // whatever it holds there, but not over a folder's separator: a name
        // shorter than the field would move to another folder (en/M5.MNU ->
        // en006.MNU).
        const std::string_view translationField(
            appState.translationPath + FieldStart(appState.translationPathLength, width),
            static_cast<std::size_t>(width));
        if (HoldsPathSeparator(translationField)) return;
        int k = 0;
        const char* field = appState.originalPath + FieldStart(appState.originalPathLength, width);
        if (!ReadFixedNumber(field, width, k)) return;
        const int n = k + direction;
        // No name holds a negative number, nor one with more digits than the
        // field: neither file of such a number could exist.
        if (n < 0 || n > LargestNumber(width)) return;

        WriteField(appState.originalPath, appState.originalPathLength, width, n);
        WriteField(appState.translationPath, appState.translationPathLength, width, n);

        platform.SendCommand(MakeCommand(LoadTranslationCommand));
        platform.SendCommand(MakeCommand(LoadOriginalCommand));
        platform.SetControlText(
            IdSeriesNumber,
            std::string(appState.originalPath + FieldStart(appState.originalPathLength, width),
                        static_cast<std::size_t>(width)));

        if (n >= UpperBound || n <= LowerBound) return;
        if (appState.originalOpened == 1 && appState.translationOpened == 1) {
            // Posted, so that the check runs once this step has finished.
            platform.PostCommand(MakeCommand(IdCheck));
            return;
        }
        const bool skipOriginal =
            appState.originalOpened == 0 && platform.IsChecked(IdExistOriginal);
        const bool skipTranslation =
            appState.translationOpened == 0 && platform.IsChecked(IdExistTranslation);
        if (!skipOriginal && !skipTranslation) return;
    }
}
