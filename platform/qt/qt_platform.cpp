#include "platform/qt/qt_platform.h"

#include "platform/qt/dialog_font.h"
#include "platform/qt/file_dialogs.h"
#include "platform/qt/input_filter.h"
#include "platform/qt/main_window_widget.h"
#include "platform/qt/modal_dialog.h"
#include "platform/qt/qt_pane.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/template_control.h"
#include "platform/qt/updown_control.h"
#include "resources/accelerators.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

int AnswerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

} // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() = default;

void QtPlatform::BuildMainWindow() {
    BuildMainWindow(QLocale::system().language() == QLocale::German);
}

void QtPlatform::BuildMainWindow(bool german) {
    const WindowTemplate& form = MainWindowTemplate();
    german_ = german;
    window_ = std::make_unique<MainWindowWidget>(
        [this](std::uint32_t command) { SendCommand(command); }, [this] { DeliverSize(); });
    window_->setWindowTitle(DecodeCp1252(form.title));
    // The geometry keeps the base units the template was laid out for, in
    // device-independent pixels, so that it grows with the screen's device pixel
    // ratio; the font is then chosen to fit it.
    baseX_ = DialogBaseUnitX;
    baseY_ = DialogBaseUnitY;

    controls_.clear();
    controlIds_.clear();
    panes_.clear();
    pathFields_.clear();
    inputHook_ = nullptr;
    for (int i = 0; i < form.controlCount; ++i) {
        const ResolvedControl control = ResolveControl(form.controls[i], german);
        QWidget* widget = CreateControl(control);
        PlaceTemplateControl(*widget, control, baseX_, baseY_);
        if (control.tooltip[0] != '\0') widget->setToolTip(DecodeCp1252(control.tooltip));
        if (control.id != -1) {
            controls_[control.id] = widget;
            controlIds_[widget] = control.id;
        }
        if (control.pathField) pathFields_.insert(control.id);
    }

    FitDialogFont(*window_, form.fontName, form.fontPoints);
    window_->ResizeFrame(MainWindowOpeningWidth, MainWindowOpeningHeight);
    int minWidth = 0;
    int minHeight = 0;
    MinTrackSize(minWidth, minHeight);
    window_->SetMinimumFrameSize(minWidth, minHeight);

    inputFilter_ = new InputFilter(
        window_.get(),
        [this](QWidget* receiver, std::uint32_t message) {
            if (inputHook_ != nullptr) inputHook_(InputWindowOf(receiver), message);
        },
        [this](QWidget* receiver, int key, unsigned modifiers) {
            return TakeAccelerator(receiver, key, modifiers);
        });

    // The program's window creation, once every control exists and before the
    // window is shown.
    DeliverInitDialog();
}

// The edits that show file paths hold them in the local 8-bit encoding of file
// names; every other text of the window is Windows-1252.
QString QtPlatform::DecodeFor(int id, const std::string& text) const {
    return pathFields_.contains(id) ? QFile::decodeName(text.c_str()) : DecodeCp1252(text);
}

std::string QtPlatform::EncodeFor(int id, const QString& text) const {
    return pathFields_.contains(id) ? QFile::encodeName(text).toStdString() : EncodeCp1252(text);
}

QWidget* QtPlatform::CreateControl(const ResolvedControl& control) {
    QWidget* parent = window_.get();
    const QString caption = DecodeCp1252(control.caption);
    const int id = control.id;
    switch (control.kind) {
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(caption, parent);
        edit->setReadOnly(control.readOnly);
        return edit;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, parent);
        // Enter on the focused button presses it, as in a dialog. There is no
        // default button, so Enter elsewhere outside the panes reaches the window
        // as IDOK.
        button->setAutoDefault(true);
        QObject::connect(button, &QPushButton::clicked, parent,
                         [this, id] { SendCommand(MakeCommand(id)); });
        return button;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(caption, parent);
        // The box has changed its state before the command arrives.
        QObject::connect(box, &QCheckBox::clicked, parent,
                         [this, id] { SendCommand(MakeCommand(id)); });
        return box;
    }
    case ControlKind::Static: {
        auto* label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(false);
        if ((control.style & StyleSunken) != 0)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return label;
    }
    case ControlKind::UpDown: {
        auto* upDown = new UpDownControl(parent);
        // An arrow proposes a change of position, as the window system's control
        // does with its default range: the upper arrow a negative one.
        QObject::connect(upDown, &UpDownControl::stepped, parent, [this, id](bool up) {
            Notify(Notification{id, UDN_DELTAPOS, up ? -1 : 1});
        });
        return upDown;
    }
    case ControlKind::RichEdit: {
        auto* pane = new QtPane(
            [this, id](std::uint16_t code) { SendCommand(MakeCommand(id, code)); }, parent);
        pane->SetReadOnly(control.readOnly);
        pane->SetKeepScrollBars(control.keepScrollBars);
        panes_[id] = pane;
        return pane;
    }
    }
    return new QWidget(parent);
}

void QtPlatform::ShowMainWindow() {
    if (!window_) return;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        QRect frame = window_->frameGeometry();
        frame.moveCenter(area.center());
        window_->move(frame.topLeft());
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

QWidget* QtPlatform::Control(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second.data();
}

QtPane* QtPlatform::PaneWidget(int id) const {
    auto it = panes_.find(id);
    return it == panes_.end() ? nullptr : it->second;
}

UpDownControl* QtPlatform::UpDown(int id) const {
    return qobject_cast<UpDownControl*>(Control(id));
}

bool QtPlatform::Notify(const Notification& notification) {
    return DeliverNotification(notification);
}

bool QtPlatform::Ended() const { return window_ && window_->Ended(); }

// ----------------------------------------------------------------- controls

void QtPlatform::EnableControl(int id, bool enabled) {
    if (QWidget* widget = Control(id)) widget->setEnabled(enabled);
}

bool QtPlatform::IsControlEnabled(int id) {
    QWidget* widget = Control(id);
    return widget != nullptr && widget->isEnabledTo(window_.get());
}

void QtPlatform::ShowControl(int id, bool visible) {
    QWidget* widget = Control(id);
    if (widget == nullptr) return;
    const auto holds = [widget](const QWidget* focus) {
        return focus != nullptr && (focus == widget || widget->isAncestorOf(focus));
    };
    if (!visible) {
        // Qt passes the focus on from a hidden widget and does not give it back on
        // show, so every layout, which hides the translation side's controls while
        // it moves them, would move the focus away. The widget that had the focus
        // gets it back when it is shown again; Qt may meanwhile have passed the
        // focus to another control that is hidden too, which must not take over.
        QWidget* focus = window_->focusWidget();
        const bool waiting = hiddenFocus_ && !hiddenFocus_->isVisibleTo(window_.get());
        if (holds(focus) && !waiting) hiddenFocus_ = focus;
        widget->setVisible(false);
        return;
    }
    widget->setVisible(true);
    if (holds(hiddenFocus_) && hiddenFocus_->isVisibleTo(window_.get())) {
        hiddenFocus_->setFocus();
        hiddenFocus_.clear();
    }
}

bool QtPlatform::IsControlVisible(int id) {
    QWidget* widget = Control(id);
    return widget != nullptr && widget->isVisibleTo(window_.get());
}

void QtPlatform::SetControlText(int id, const std::string& text) {
    QWidget* widget = Control(id);
    if (auto* pane = PaneWidget(id)) {
        pane->SetText(text.c_str());
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(DecodeFor(id, text));
        edit->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(DecodeFor(id, text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(DecodeFor(id, text));
    }
}

std::string QtPlatform::GetControlText(int id) {
    QWidget* widget = Control(id);
    if (auto* pane = PaneWidget(id)) {
        std::string text(static_cast<std::size_t>(pane->TextLength()) * 2 + 1, '\0');
        text.resize(static_cast<std::size_t>(
            pane->GetText(text.data(), static_cast<std::int32_t>(text.size()))));
        return text;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return EncodeFor(id, edit->text());
    if (auto* label = qobject_cast<QLabel*>(widget)) return EncodeFor(id, label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return EncodeFor(id, button->text());
    return std::string();
}

bool QtPlatform::IsChecked(int id) {
    auto* button = qobject_cast<QAbstractButton*>(Control(id));
    return button != nullptr && button->isCheckable() && button->isChecked();
}

void QtPlatform::SetChecked(int id, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(Control(id));
    if (button != nullptr && button->isCheckable()) button->setChecked(checked);
}

Rect QtPlatform::GetControlRect(int id) {
    QWidget* widget = Control(id);
    if (widget == nullptr) return Rect{};
    const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0));
    return Rect{topLeft.x(), topLeft.y(), topLeft.x() + widget->width(),
                topLeft.y() + widget->height()};
}

void QtPlatform::MoveControl(int id, int x, int y, int width, int height, bool resize) {
    QWidget* widget = Control(id);
    if (widget == nullptr) return;
    if (resize) {
        // Below the minimum window size the computed sizes can be negative.
        widget->setGeometry(x, y, std::max(0, width), std::max(0, height));
    } else {
        widget->move(x, y);
    }
}

Rect QtPlatform::GetWindowRect() {
    if (!window_) return Rect{};
    // The client area grown by the nominal frame, not the frame the window system
    // draws: that one is unknown before the window is shown, missing on some
    // platforms, and may change without a resize, while the layout takes fixed
    // amounts off this rectangle for it.
    const QPoint client = window_->mapToGlobal(QPoint(0, 0));
    return Rect{client.x() - MainWindowWidget::NominalFrameSide,
                client.y() - MainWindowWidget::NominalFrameTop,
                client.x() + window_->width() + MainWindowWidget::NominalFrameSide,
                client.y() + window_->height() + MainWindowWidget::NominalFrameBottom};
}

bool QtPlatform::ScreenToClient(std::int32_t& x, std::int32_t& y) {
    if (!window_) return false;
    const QPoint client = window_->mapFromGlobal(QPoint(x, y));
    x = client.x();
    y = client.y();
    return true;
}

// -------------------------------------------------------------------- panes

Handle QtPlatform::MainWindowHandle() { return window_.get(); }

Handle QtPlatform::ControlHandle(int id) { return Control(id); }

bool QtPlatform::IsChild(Handle window) {
    return window != nullptr && controlIds_.contains(static_cast<const QWidget*>(window));
}

int QtPlatform::ControlIdOf(const QWidget* widget) const {
    for (; widget != nullptr && widget != window_.get(); widget = widget->parentWidget()) {
        if (auto it = controlIds_.find(widget); it != controlIds_.end()) return it->second;
    }
    return 0;
}

Handle QtPlatform::InputWindowOf(const QWidget* widget) const {
    const int id = ControlIdOf(widget);
    return id != 0 ? static_cast<Handle>(Control(id)) : static_cast<Handle>(window_.get());
}

bool QtPlatform::TakeAccelerator(const QWidget* receiver, int key, unsigned modifiers) {
    const std::uint32_t command = FindAccelerator(key, modifiers, ControlIdOf(receiver));
    if (command == 0) return false;
    SendCommand(command);
    return true;
}

int QtPlatform::FocusedControl() { return window_ ? ControlIdOf(window_->focusWidget()) : 0; }

void QtPlatform::FocusControl(int id, bool selectText) {
    QWidget* widget = Control(id);
    if (widget == nullptr) return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && selectText)
        edit->selectAll();
}

Handle QtPlatform::InstallInputHook(InputHook hook) {
    if (!window_ || hook == nullptr) return nullptr;
    inputHook_ = hook;
    return &inputHook_;
}

void QtPlatform::RemoveInputHook(Handle hook) {
    if (hook != nullptr && hook == &inputHook_) inputHook_ = nullptr;
}

Pane* QtPlatform::GetPane(int id) { return PaneWidget(id); }

Handle QtPlatform::SetPaneFont(const std::string& faceName, int height) {
    QFont font(DecodeCp1252(faceName));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // A positive height is the cell height (ascent + descent) in pixels: the
    // largest pixel size whose line height does not exceed it. A negative one is
    // the character (em) height, which is the pixel size. 0 is a 15-pixel cell.
    // A height from the settings file beyond any screen is taken as the tallest
    // font that fits one; left as it is, the cell search would take billions of
    // steps and the most negative one cannot be negated.
    constexpr int TallestPaneFont = 1000;
    height = std::clamp(height, -TallestPaneFont, TallestPaneFont);
    if (height < 0) {
        font.setPixelSize(-height);
    } else {
        const int cell = height > 0 ? height : 15;
        int size = cell;
        for (; size > 1; --size) {
            font.setPixelSize(size);
            if (QFontMetrics(font).height() <= cell) break;
        }
        font.setPixelSize(size);
    }
    paneFont_ = font;
    for (auto& [id, pane] : panes_)
        pane->setFont(font);
    return &paneFont_;
}

int QtPlatform::AverageCharWidth() {
    if (panes_.empty()) return 0;
    return QFontMetrics(panes_.begin()->second->font()).averageCharWidth();
}

void QtPlatform::SetReadOnlyBackground(int paneId) {
    if (QtPane* pane = PaneWidget(paneId)) pane->UseReadOnlyBackground();
}

void QtPlatform::SetSelectionBar(int paneId) {
    if (QtPane* pane = PaneWidget(paneId)) pane->ShowSelectionBar();
}

// ---------------------------------------------------------------- modal UI

int QtPlatform::MessageBox(const std::string& text, const std::string& caption, unsigned flags,
                           bool owned) {
    QMessageBox box(owned ? window_.get() : nullptr);
    box.setWindowTitle(DecodeCp1252(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(DecodeCp1252(text));
    switch (flags & 0xF0) {
    case MB_ICONHAND:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONWARNING:
        box.setIcon(QMessageBox::Warning);
        break;
    case 0x40:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    switch (flags & 0x0F) {
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case 0x1:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case 0x4:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    return AnswerOf(box.exec());
}

bool QtPlatform::OpenFileDialog(const FileDialogRequest& request, std::string& chosen) {
    auto dialog = MakeFileDialog(request, false, window_.get());
    return RunFileDialog(*dialog, chosen);
}

bool QtPlatform::SaveFileDialog(const FileDialogRequest& request, std::string& chosen) {
    auto dialog = MakeFileDialog(request, true, window_.get());
    return RunFileDialog(*dialog, chosen);
}

void QtPlatform::Beep() { QApplication::beep(); }

int QtPlatform::RunModalDialog(const WindowTemplate& form, const DialogProcedures& procedures,
                               DialogParameter parameter) {
    if (QApplication::instance() == nullptr) return -1;
    ModalDialog dialog(form, german_, procedures, parameter, window_.get());
    return dialog.Run();
}

// ----------------------------------------------------------------- commands

bool QtPlatform::SendCommand(std::uint32_t command, CommandParameter parameter) {
    return DeliverCommand(command, parameter);
}

void QtPlatform::PostCommand(std::uint32_t command, CommandParameter parameter) {
    // Runs after the current command, in the order posted; dropped when the
    // window is gone by then.
    QObject* context = window_ ? static_cast<QObject*>(window_.get()) : qApp;
    QMetaObject::invokeMethod(
        context, [this, command, parameter] { SendCommand(command, parameter); },
        Qt::QueuedConnection);
}

void QtPlatform::EndMainWindow(int result) {
    endResult_ = result;
    if (window_) window_->End();
}

bool QtPlatform::StartProcess(const std::string& program,
                              const std::vector<std::string>& arguments) {
    // Paths and the words of the setting are in the local 8-bit encoding of file
    // names; QProcess passes each argument as one word of the new program's
    // argument vector, with no shell in between.
    QStringList words;
    words.reserve(static_cast<qsizetype>(arguments.size()));
    for (const std::string& argument : arguments) {
        words.append(QFile::decodeName(QByteArray(argument.data(), argument.size())));
    }
    return QProcess::startDetached(QFile::decodeName(QByteArray(program.data(), program.size())),
                                   words);
}
