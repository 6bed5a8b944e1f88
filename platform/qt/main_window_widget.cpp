#include "platform/qt/main_window_widget.h"

#include "platform/platform.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <algorithm>
#include <utility>

MainWindowWidget::MainWindowWidget(std::function<void(std::uint32_t)> send,
                                   std::function<void()> layout)
    : QWidget(nullptr), send_(std::move(send)), layout_(std::move(layout)) {}

void MainWindowWidget::End() {
    ended_ = true;
    // Inside closeEvent the pending close completes by accepting the event; a
    // nested close() would be ignored there.
    if (!inCloseEvent_) close();
}

void MainWindowWidget::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    // The close box and Alt+F4 ask the program, which may keep the window open.
    inCloseEvent_ = true;
    send_(MakeCommand(IDCANCEL));
    inCloseEvent_ = false;
    event->setAccepted(ended_);
}

void MainWindowWidget::keyPressEvent(QKeyEvent* event) {
    // Keys the focused control did not take, as the dialog manager routes them.
    switch (event->key()) {
    case Qt::Key_Escape:
        send_(MakeCommand(IDCANCEL));
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        send_(MakeCommand(IDOK));
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MainWindowWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_();
}

void MainWindowWidget::SetMinimumFrameSize(int width, int height) {
    setMinimumSize(std::max(0, width - 2 * NominalFrameSide),
                   std::max(0, height - NominalFrameTop - NominalFrameBottom));
}

void MainWindowWidget::ResizeFrame(int width, int height) {
    resize(std::max(0, width - 2 * NominalFrameSide),
           std::max(0, height - NominalFrameTop - NominalFrameBottom));
}
