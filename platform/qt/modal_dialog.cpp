#include "platform/qt/modal_dialog.h"

#include "platform/qt/dialog_font.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/template_control.h"
#include "text/cp1252.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QValidator>

namespace {

// Every character in its Windows-1252 capital. What the code page cannot hold
// becomes '?', as in every other text the program reads from a widget.
QString Cp1252UpperCase(const QString& text) {
    std::string bytes = EncodeCp1252(text);
    for (char& c : bytes)
        c = static_cast<char>(Cp1252Upper(static_cast<unsigned char>(c)));
    return DecodeCp1252(bytes);
}

// Keeps an edit field in capitals: typed and pasted text passes through here
// before the field takes it.
class UpperCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        input = Cp1252UpperCase(input);
        return Acceptable;
    }
};

bool IsUpperCase(const QWidget* widget) {
    const auto* edit = qobject_cast<const QLineEdit*>(widget);
    return edit != nullptr && dynamic_cast<const UpperCaseValidator*>(edit->validator()) != nullptr;
}

} // namespace

ModalDialog::ModalDialog(const WindowTemplate& form, bool german,
                         const DialogProcedures& procedures, DialogParameter parameter,
                         QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      procedures_(procedures), parameter_(parameter) {
    setWindowTitle(DecodeCp1252(TitleOf(form, german)));
    setModal(true);
    for (int i = 0; i < form.controlCount; ++i) {
        const ResolvedControl control = ResolveControl(form.controls[i], german);
        QWidget* widget = CreateControl(control);
        PlaceTemplateControl(*widget, control, DialogBaseUnitX, DialogBaseUnitY);
        if (control.id != -1) controls_[control.id] = widget;
        if (widget->focusPolicy() & Qt::TabFocus) tabOrder_.append(widget);
    }
    for (qsizetype i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    setFixedSize(DialogUnitsToPixelsX(form.width, DialogBaseUnitX),
                 DialogUnitsToPixelsY(form.height, DialogBaseUnitY));
    FitDialogFont(*this, form.fontName, form.fontPoints);
}

QWidget* ModalDialog::CreateControl(const ResolvedControl& control) {
    const QString caption = DecodeCp1252(control.caption);
    const int id = control.id;
    switch (control.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, this);
        button->setAutoDefault(true);
        button->setDefault((control.style & StyleDefaultButton) != 0);
        connect(button, &QPushButton::clicked, this, [this, id] { Command(id); });
        return button;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(caption, this);
        edit->setReadOnly(control.readOnly);
        if ((control.style & StyleUpperCase) != 0) {
            edit->setValidator(new UpperCaseValidator(edit));
            edit->setText(Cp1252UpperCase(caption));
        }
        return edit;
    }
    case ControlKind::Static: {
        auto* label = new QLabel(caption, this);
        label->setTextFormat(Qt::PlainText);
        const bool centred = (control.style & StyleCentred) != 0;
        label->setWordWrap(centred);
        if (centred) label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return label;
    }
    case ControlKind::CheckBox:
    case ControlKind::RichEdit:
    case ControlKind::UpDown:
        break;
    }
    // The program's dialogs hold no other kind of control.
    return new QWidget(this);
}

int ModalDialog::Run() {
    if (procedures_.initDialog != nullptr && procedures_.initDialog(*this)) {
        if (!tabOrder_.isEmpty()) tabOrder_.front()->setFocus(Qt::TabFocusReason);
    }
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    return exec();
}

QWidget* ModalDialog::Control(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

void ModalDialog::SetItemText(int id, const std::string& text) {
    QWidget* widget = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(IsUpperCase(edit) ? Cp1252UpperCase(DecodeCp1252(text)) : DecodeCp1252(text));
        edit->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(DecodeCp1252(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(DecodeCp1252(text));
    }
}

std::string ModalDialog::GetItemText(int id) {
    QWidget* widget = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return EncodeCp1252(edit->text());
    if (auto* label = qobject_cast<QLabel*>(widget)) return EncodeCp1252(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return EncodeCp1252(button->text());
    return std::string();
}

void ModalDialog::End(int result) { done(result); }

void ModalDialog::reject() { Command(IDCANCEL); }

void ModalDialog::Command(int id) {
    if (procedures_.command != nullptr) procedures_.command(*this, MakeCommand(id));
}
