// The top-level widget of MainWindow. It turns the window's own events into the
// program's commands: the close box, Alt+F4 and Escape send IDCANCEL, Enter
// outside the panes sends IDOK, and every change of size lays the window out.
// It closes only when the program ends it.
#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>

class MainWindowWidget : public QWidget {
    Q_OBJECT

  public:
    // `send` runs a command of the window at once; `layout` places the controls.
    MainWindowWidget(std::function<void(std::uint32_t)> send, std::function<void()> layout);

    // Closes the window for good (the program's end of MainWindow).
    void End();
    bool Ended() const { return ended_; }

    // The smallest size of the whole window, frame included.
    void SetMinimumFrameSize(int width, int height);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void ApplyMinimumSize();

    std::function<void(std::uint32_t)> send_;
    std::function<void()> layout_;
    bool ended_ = false;
    bool inCloseEvent_ = false;
    int minimumFrameWidth_ = 0;
    int minimumFrameHeight_ = 0;
};
