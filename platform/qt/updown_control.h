// The up-down control of MainWindow: a narrow vertical widget with an up arrow
// above a down arrow. It only reports which arrow was pressed (held down, an
// arrow repeats); what a step means is decided by whoever listens to `stepped`.
#pragma once

#include <QWidget>

class QToolButton;

class UpDownControl : public QWidget {
    Q_OBJECT

  public:
    explicit UpDownControl(QWidget* parent = nullptr);

    // The upper or the lower arrow.
    QToolButton* Arrow(bool up) const { return up ? up_ : down_; }

  signals:
    // `up` is true for the upper arrow.
    void stepped(bool up);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QToolButton* up_;
    QToolButton* down_;
};
