#include "documents/comparison.h"

#include "app/app_state.h"
#include "app/paths.h"
#include "app/settings.h"
#include "platform/platform.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::vector<std::string> SplitCommandWords(const std::string& command) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < command.size(); ++i) {
        const char c = command[i];
        if (quoted) {
            if (c != '"') {
                word += c;
            } else if (i + 1 < command.size() && command[i + 1] == '"') {
                word += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
            inWord = true;
        } else if (IsBlank(c)) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

void StartComparisonViewer() {
    char value[ComparisonSettingCapacity];
    const int length = ReadSettingText("PATH", "DIFFVIEW", "", value, ComparisonSettingCapacity);
    if (length <= 0) return;
    std::vector<std::string> words = SplitCommandWords(std::string(value, length));
    if (words.empty()) return;
    const std::string program = words.front();
    words.erase(words.begin());
    words.push_back(PathText(appState.originalPath, appState.originalPathLength));
    words.push_back(PathText(appState.translationPath, appState.translationPathLength));
    // A program that does not start fails quietly, as the button has always done.
    ThePlatform().StartProcess(program, words);
}
