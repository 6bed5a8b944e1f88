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

    // The frame the program reckons with around the client area, whatever the
    // window system draws. The layout takes 10 x 52 pixels off the whole window
    // for frame and caption and puts the caret labels just below the panes, so
    // these leave the client area 22 pixels below the panes for that row, and 4
    // right of the layout's width, where "#-#" (placed 27 pixels left of it, but
    // wider in the dialog font here) still fits.
    static constexpr int NominalFrameSide = 3;
    static constexpr int NominalFrameTop = 25;
    static constexpr int NominalFrameBottom = 5;

    // The smallest size of the whole window, nominal frame included.
    void SetMinimumFrameSize(int width, int height);
    // Resizes the whole window, nominal frame included.
    void ResizeFrame(int width, int height);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::function<void(std::uint32_t)> send_;
    std::function<void()> layout_;
    bool ended_ = false;
    bool inCloseEvent_ = false;
};
