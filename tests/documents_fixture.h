// A headless window with helpers to point the program at files of the test's
// working directory, as the settings file or a series step would.
#pragma once

#include "app/app_state.h"
#include "app/control_ids.h"
#include "headless_fixture.h"

#include <cstring>
#include <string>

class DocumentsTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        platform.Open();
    }

    static void SetPath(char* path, std::int32_t& length, const std::string& text) {
        std::strcpy(path, text.c_str());
        length = static_cast<std::int32_t>(text.size());
    }

    void Load(int command, const std::string& path) {
        if (command == LoadOriginalCommand) {
            SetPath(appState.originalPath, appState.originalPathLength, path);
        } else {
            SetPath(appState.translationPath, appState.translationPathLength, path);
        }
        platform.SendCommand(MakeCommand(command));
    }

    // Types at the start of the translation, as the translator would.
    void Type(const char* text) {
        HeadlessPane& pane = platform.PaneById(TranslationPane);
        pane.SetSel(0, 0);
        pane.ReplaceSel(text, true);
    }
};
