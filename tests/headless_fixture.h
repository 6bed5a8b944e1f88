// The fixture of the headless tests: a private working directory (so that the
// settings file and every written file belong to the test), a fresh AppState and
// a HeadlessPlatform set as the platform. Window creation does not run; tests
// that need it call platform.Open().
#pragma once

#include "app/app_state.h"
#include "app/main_window.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"
#include "run_program.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

class HeadlessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        directory_ = MakeScratchFolder("verbodex-test-");
        previousDirectory_ = std::filesystem::current_path();
        std::filesystem::current_path(directory_);
        ResetAppState();
        platform.SetWindowProcedures(MainWindowProcedures());
        SetPlatform(&platform);
    }

    void TearDown() override {
        SetPlatform(nullptr);
        ResetAppState();
        std::error_code ignored;
        std::filesystem::current_path(previousDirectory_, ignored);
        std::filesystem::remove_all(directory_, ignored);
    }

    // The test's working directory.
    const std::filesystem::path& Directory() const { return directory_; }

    void SetPaneText(int pane, const std::string& text) {
        platform.PaneById(pane).SetText(text.c_str());
    }

    // The pane's selection as (start, end), start <= end.
    std::pair<std::int32_t, std::int32_t> Selection(int pane) {
        std::int32_t start = 0;
        std::int32_t end = 0;
        RichEdit_GetSel(pane, start, end);
        return {start, end};
    }

    // The pane's lines without their line breaks.
    std::vector<std::string> PaneLines(int pane) {
        const std::string text = platform.GetControlText(pane);
        std::vector<std::string> lines(1);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.compare(i, 2, "\r\n") == 0) {
                lines.emplace_back();
                ++i;
            } else {
                lines.back() += text[i];
            }
        }
        return lines;
    }

    // One letter per line for its colour, the line break counted with the line:
    // K black, R red, M magenta, B blue, G dark green, '?' more than one colour,
    // '.' any other colour, '-' a line without characters (an empty last line).
    std::string LineColours(int pane) {
        HeadlessPane& p = platform.PaneById(pane);
        std::string letters;
        for (std::int32_t line = 0; line < p.LineCount(); ++line) {
            const std::int32_t from = p.LineIndex(line);
            const std::int32_t to =
                line + 1 < p.LineCount() ? p.LineIndex(line + 1) : p.TextLength();
            char letter = from < to ? ColourLetter(p.CharColour(from)) : '-';
            for (std::int32_t i = from + 1; i < to; ++i) {
                if (p.CharColour(i) != p.CharColour(from)) letter = '?';
            }
            letters.push_back(letter);
        }
        return letters;
    }

    static char ColourLetter(Colour colour) {
        const Colour known[] = {ColourBlack, ColourRed, ColourMagenta, ColourBlue, ColourDarkGreen};
        for (int i = 0; i < 5; ++i) {
            if (colour == known[i]) return "KRMBG"[i];
        }
        return '.';
    }

    static void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }

    static std::string ReadFile(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    HeadlessPlatform platform;

  private:
    std::filesystem::path directory_;
    std::filesystem::path previousDirectory_;
};
