// A modal dialog of the program's, built from its template as MainWindow is,
// that hands its messages to the program's procedures: creation once the
// controls exist, a button's click as its id, Esc and the close box as IDCANCEL.
// It closes only when a procedure ends it.
#pragma once

#include "platform/platform.h"
#include "resources/window_template.h"

#include <QDialog>

#include <map>

class QWidget;

class ModalDialog : public QDialog, public Dialog {
  public:
    ModalDialog(const WindowTemplate& form, bool german, const DialogProcedures& procedures,
                DialogParameter parameter, QWidget* owner);

    // Runs creation, then the dialog, centred on the screen; returns its result.
    int Run();

    // The widget of a control; nullptr for an unknown id.
    QWidget* Control(int id) const;

    void SetItemText(int id, const std::string& text) override;
    std::string GetItemText(int id) override;
    void End(int result) override;
    DialogParameter Parameter() override { return parameter_; }

  protected:
    // Esc and the close box ask the program, which may keep the dialog open.
    void reject() override;

  private:
    QWidget* CreateControl(const ResolvedControl& control);
    void Command(int id);

    DialogProcedures procedures_;
    DialogParameter parameter_;
    std::map<int, QWidget*> controls_;
    // The controls that take the focus, in the template's order.
    QList<QWidget*> tabOrder_;
};
