// Every line of a pane as the aids read it (RichEdit_GetTextLine with the line
// capacity: at most LineCapacity characters, the line end included), read once
// at the start of a run, so that an aid can index the lines it would otherwise
// search again and again. Lives only as long as the run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class PaneLines {
  public:
    // Lines 0 to count - 1 of the pane.
    PaneLines(int pane, std::int32_t count);

    std::int32_t Count() const { return static_cast<std::int32_t>(starts_.size()) - 1; }
    const char* Text(std::int32_t line) const {
        return bytes_.data() + starts_[static_cast<std::size_t>(line)];
    }
    int Length(std::int32_t line) const {
        const std::size_t i = static_cast<std::size_t>(line);
        return static_cast<int>(starts_[i + 1] - starts_[i]);
    }

  private:
    std::string bytes_;
    std::vector<std::int32_t> starts_; // and the end of the last line
};
