// The Qt platform: MainWindow as a Qt widget built from its template, the two
// Qt panes, message boxes, file dialogs, commands to itself through the event
// loop, and the start of other programs.
#pragma once

#include "platform/platform.h"
#include "resources/window_template.h"

#include <QFont>
#include <QPointer>

#include <map>
#include <memory>
#include <set>
#include <string>

class InputFilter;
class MainWindowWidget;
class QtPane;
class QWidget;
class UpDownControl;

class QtPlatform : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;

    // Builds MainWindow from template 101 (the German version when the system's
    // language is German, the English one otherwise) and runs the program's
    // window creation.
    void BuildMainWindow();
    void BuildMainWindow(bool german);
    // Shows the window centred on the screen and brings it to the front.
    void ShowMainWindow();

    MainWindowWidget* Window() const { return window_.get(); }
    // The widget of a control; nullptr for an unknown id.
    QWidget* Control(int id) const;
    QtPane* PaneWidget(int id) const;
    // The up-down control of that id; its arrows notify the window (UDN_DELTAPOS).
    UpDownControl* UpDown(int id) const;
    // A control's notification, handed to the program's procedure.
    bool Notify(const Notification& notification);
    bool Ended() const;
    int EndResult() const { return endResult_; }
    // Dialog base units of the window's font, in pixels.
    int BaseUnitX() const { return baseX_; }
    int BaseUnitY() const { return baseY_; }

    void EnableControl(int id, bool enabled) override;
    bool IsControlEnabled(int id) override;
    void ShowControl(int id, bool visible) override;
    bool IsControlVisible(int id) override;
    void SetControlText(int id, const std::string& text) override;
    std::string GetControlText(int id) override;
    bool IsChecked(int id) override;
    void SetChecked(int id, bool checked) override;
    Rect GetControlRect(int id) override;
    void MoveControl(int id, int x, int y, int width, int height, bool resize) override;

    Rect GetWindowRect() override;
    bool ScreenToClient(std::int32_t& x, std::int32_t& y) override;

    Handle MainWindowHandle() override;
    Handle ControlHandle(int id) override;
    bool IsChild(Handle window) override;
    int FocusedControl() override;
    void FocusControl(int id, bool selectText = false) override;
    Handle InstallInputHook(InputHook hook) override;
    void RemoveInputHook(Handle hook) override;
    Pane* GetPane(int id) override;
    Handle SetPaneFont(const std::string& faceName, int height) override;
    int AverageCharWidth() override;
    void SetReadOnlyBackground(int paneId) override;
    void SetSelectionBar(int paneId) override;

    int MessageBox(const std::string& text, const std::string& caption, unsigned flags,
                   bool owned = true) override;
    bool OpenFileDialog(const FileDialogRequest& request, std::string& chosen) override;
    bool SaveFileDialog(const FileDialogRequest& request, std::string& chosen) override;
    void Beep() override;
    // A ModalDialog in the language MainWindow was built in.
    int RunModalDialog(const WindowTemplate& form, const DialogProcedures& procedures,
                       DialogParameter parameter) override;

    bool SendCommand(std::uint32_t command, CommandParameter parameter = 0) override;
    void PostCommand(std::uint32_t command, CommandParameter parameter = 0) override;
    void EndMainWindow(int result) override;

    bool StartProcess(const std::string& program,
                      const std::vector<std::string>& arguments) override;

  private:
    QWidget* CreateControl(const ResolvedControl& control);
    // The id of the control a widget of the window belongs to (a pane's viewport
    // and scroll bars to the pane); 0 for the window itself and what is no
    // control's.
    int ControlIdOf(const QWidget* widget) const;
    // The handle the input hook gets for a widget: its control's, else the window's.
    Handle InputWindowOf(const QWidget* widget) const;
    // A key press on a widget of the window: the command of its accelerator, if any.
    bool TakeAccelerator(const QWidget* receiver, int key, unsigned modifiers);
    QString DecodeFor(int id, const std::string& text) const;
    std::string EncodeFor(int id, const QString& text) const;

    std::unique_ptr<MainWindowWidget> window_;
    std::map<int, QPointer<QWidget>> controls_;
    std::map<const QWidget*, int> controlIds_;
    // Sees the window's input for the input hook and the accelerators; a child
    // of the window.
    InputFilter* inputFilter_ = nullptr;
    InputHook inputHook_ = nullptr;
    // The rich edits of the template, by id.
    std::map<int, QtPane*> panes_;
    // The controls that show file paths.
    std::set<int> pathFields_;
    // The pane font; its handle is its address.
    QFont paneFont_;
    // The focus widget inside a control hidden by ShowControl, until the control
    // is shown again.
    QPointer<QWidget> hiddenFocus_;
    // The language version MainWindow was built in; the dialogs follow it.
    bool german_ = false;
    int baseX_ = 0;
    int baseY_ = 0;
    int endResult_ = 0;
};
