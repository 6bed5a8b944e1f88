// The fixture of the headless tests: a private working directory (so that the
// settings file and every written file belong to the test), a fresh AppState and
// a HeadlessPlatform set as the platform. Window creation does not run; tests
// that need it call platform.Open().
#pragma once

#include "app/app_state.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

class HeadlessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        directory_ = std::filesystem::temp_directory_path() /
                     ("verbodex-test-" + std::to_string(::getpid()) + "-" +
                      std::to_string(counter++) + "-" + std::to_string(ticks));
        std::filesystem::create_directories(directory_);
        previousDirectory_ = std::filesystem::current_path();
        std::filesystem::current_path(directory_);
        ResetAppState();
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

    // The pane's lines without their line breaks.
    std::vector<std::string> PaneLines(int pane) {
        std::string text = platform.GetControlText(pane);
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (;;) {
            std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos) {
                lines.push_back(text.substr(start));
                return lines;
            }
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
    }

    // One letter per line for its colour, the line break counted with the line:
    // K black, R red, M magenta, B blue, G dark green, '?' more than one colour,
    // '.' any other colour, '-' a line without characters (an empty last line).
    std::string LineColours(int pane) {
        HeadlessPane& p = platform.PaneById(pane);
        std::int32_t length = p.TextLength();
        std::string letters;
        for (std::int32_t line = 0; line < p.LineCount(); ++line) {
            std::int32_t from = p.LineIndex(line);
            std::int32_t to = line + 1 < p.LineCount() ? p.LineIndex(line + 1) : length;
            if (from >= to) {
                letters.push_back('-');
                continue;
            }
            Colour colour = p.CharColour(from);
            bool mixed = false;
            for (std::int32_t i = from + 1; i < to && !mixed; ++i) {
                mixed = p.CharColour(i) != colour;
            }
            letters.push_back(mixed ? '?' : ColourLetter(colour));
        }
        return letters;
    }

    static char ColourLetter(Colour colour) {
        switch (colour) {
        case ColourBlack:
            return 'K';
        case ColourRed:
            return 'R';
        case ColourMagenta:
            return 'M';
        case ColourBlue:
            return 'B';
        case ColourDarkGreen:
            return 'G';
        default:
            return '.';
        }
    }

    static void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
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
