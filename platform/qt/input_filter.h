// An application-wide event filter for MainWindow: every key event (press and
// release, and the character a press types) and every mouse-button event
// (press, release, double click) bound for MainWindow or one of its widgets is
// handed on, synchronously, before the widget receives it. Mouse moves and the
// wheel are not. A key press may then be taken as a command of the window (an
// accelerator), in which case no widget sees it; nothing else is held back.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

class QInputEvent;

class InputFilter : public QObject {
    Q_OBJECT

  public:
    // `input` receives the widget an event is for and the window system's
    // message number of the event; `accelerator` receives the widget of a key
    // press, the key's virtual-key code and modifiers, and returns true when it
    // took the key as a command.
    InputFilter(QWidget* window, std::function<void(QWidget*, std::uint32_t)> input,
                std::function<bool(QWidget*, int, unsigned)> accelerator);

    // The virtual-key code of a Qt key; 0 for a key no accelerator uses.
    static int VirtualKey(int key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Qt hands an event that a widget left unhandled on to its parent, which
    // would show the same input twice: a key event as the same event, a mouse
    // event as a copy with the same time, button and place on the screen.
    bool HandedOn(QWidget* receiver, const QInputEvent* event) const;
    void Remember(QWidget* receiver, const QInputEvent* event);

    QPointer<QWidget> window_;
    std::function<void(QWidget*, std::uint32_t)> input_;
    std::function<bool(QWidget*, int, unsigned)> accelerator_;
    // The last input handed on.
    QPointer<QWidget> lastReceiver_;
    const QEvent* lastEvent_ = nullptr;
    QEvent::Type lastType_ = QEvent::None;
    quint64 lastTimestamp_ = 0;
    Qt::MouseButton lastButton_ = Qt::NoButton;
    QPointF lastPlace_;
};
