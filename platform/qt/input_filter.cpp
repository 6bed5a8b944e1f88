#include "platform/qt/input_filter.h"

#include "platform/platform.h"
#include "resources/accelerators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

namespace {

unsigned ModifiersOf(Qt::KeyboardModifiers modifiers) {
    unsigned held = KeyNoModifier;
    if ((modifiers & Qt::ShiftModifier) != 0) held |= KeyShift;
    if ((modifiers & Qt::ControlModifier) != 0) held |= KeyControl;
    if ((modifiers & Qt::AltModifier) != 0) held |= KeyAlt;
    return held;
}

// The message of a button's press; its release and double click follow it.
std::uint32_t ButtonDownMessage(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return WM_LBUTTONDOWN;
    case Qt::RightButton:
        return WM_RBUTTONDOWN;
    case Qt::MiddleButton:
        return WM_MBUTTONDOWN;
    default:
        return WM_XBUTTONDOWN;
    }
}

} // namespace

InputFilter::InputFilter(QWidget* window, std::function<void(QWidget*, std::uint32_t)> input,
                         std::function<bool(QWidget*, int, unsigned)> accelerator)
    : QObject(window), window_(window), input_(std::move(input)),
      accelerator_(std::move(accelerator)) {
    QApplication::instance()->installEventFilter(this);
}

int InputFilter::VirtualKey(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return VK_RETURN;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 0x70 + (key - Qt::Key_F1);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    return 0;
}

bool InputFilter::HandedOn(QWidget* receiver, const QInputEvent* event) const {
    if (event->type() != lastType_ || event->timestamp() != lastTimestamp_ || !lastReceiver_ ||
        receiver == lastReceiver_ || !receiver->isAncestorOf(lastReceiver_)) {
        return false;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        return event == lastEvent_;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == lastButton_ && mouse->globalPosition() == lastPlace_;
}

void InputFilter::Remember(QWidget* receiver, const QInputEvent* event) {
    lastReceiver_ = receiver;
    lastEvent_ = event;
    lastType_ = event->type();
    lastTimestamp_ = event->timestamp();
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        lastButton_ = mouse->button();
        lastPlace_ = mouse->globalPosition();
    }
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool key = type == QEvent::KeyPress || type == QEvent::KeyRelease;
    const bool button = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                        type == QEvent::MouseButtonDblClick;
    if ((!key && !button) || !watched->isWidgetType() || !window_) return false;
    auto* receiver = static_cast<QWidget*>(watched);
    // Widgets of other windows (message boxes, file dialogs) are not MainWindow's.
    if (receiver->window() != window_) return false;
    const auto* input = static_cast<const QInputEvent*>(event);
    if (HandedOn(receiver, input)) return false;
    Remember(receiver, input);

    if (button) {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        const std::uint32_t offset = type == QEvent::MouseButtonPress     ? 0
                                     : type == QEvent::MouseButtonRelease ? 1
                                                                          : 2;
        input_(receiver, ButtonDownMessage(mouse->button()) + offset);
        return false;
    }

    const auto* keyEvent = static_cast<const QKeyEvent*>(event);
    const unsigned modifiers = ModifiersOf(keyEvent->modifiers());
    const bool alt = (modifiers & KeyAlt) != 0;
    if (type == QEvent::KeyRelease) {
        input_(receiver, alt ? WM_SYSKEYUP : WM_KEYUP);
        return false;
    }
    input_(receiver, alt ? WM_SYSKEYDOWN : WM_KEYDOWN);
    // The character the press types comes as a message of its own.
    if (!keyEvent->text().isEmpty()) input_(receiver, alt ? WM_SYSCHAR : WM_CHAR);
    const int virtualKey = VirtualKey(keyEvent->key());
    return virtualKey != 0 && accelerator_(receiver, virtualKey, modifiers);
}
