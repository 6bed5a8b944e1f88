// What the window system offers the program: the controls of MainWindow by id,
// its two panes, modal message boxes and file dialogs, commands to itself and
// the start of another program. The program's own code calls only this; the Qt
// platform and the headless platform implement it.
//
// The platform calls nothing of the program by name: the program hands it the
// procedures of MainWindow's messages at start (SetWindowProcedures), and the
// window template says which controls are panes and which hold paths.
#pragma once

#include "platform/pane.h"

#include <cstdint>
#include <string>
#include <vector>

// Handles of the window system's objects (a window, a font) are opaque to the
// program; it only keeps and compares them.
using Handle = void*;

// The second message parameter of a command: for CaretPositionCommand the window
// the input was meant for (a control's handle), 0 for every other command.
using CommandParameter = std::intptr_t;

// A command number: control id in the low 16 bits, notification code in the
// high 16 bits. A button click carries code 0, so its number is the button id.
constexpr std::uint32_t MakeCommand(int id, std::uint16_t code = 0) {
    return (static_cast<std::uint32_t>(code) << 16) | (static_cast<std::uint32_t>(id) & 0xFFFF);
}

// A control's notification to MainWindow (the window system's WM_NOTIFY).
constexpr int UDN_DELTAPOS = -722;
struct Notification {
    int idFrom = 0;
    int code = 0;
    // UDN_DELTAPOS: the change of position the up-down control proposes (its
    // iDelta); the upper arrow proposes a negative change.
    std::int32_t delta = 0;
};

// Input messages, numbered as the window system numbers them. The input hook
// sees every key message and every mouse-button message bound for MainWindow or
// one of its controls, before it is delivered; mouse moves and the wheel are
// not passed on.
constexpr std::uint32_t WM_KEYDOWN = 0x100;
constexpr std::uint32_t WM_KEYUP = 0x101;
constexpr std::uint32_t WM_CHAR = 0x102;
constexpr std::uint32_t WM_SYSKEYDOWN = 0x104;
constexpr std::uint32_t WM_SYSKEYUP = 0x105;
constexpr std::uint32_t WM_SYSCHAR = 0x106;
constexpr std::uint32_t WM_LBUTTONDOWN = 0x201;
constexpr std::uint32_t WM_LBUTTONUP = 0x202;
constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x203;
constexpr std::uint32_t WM_RBUTTONDOWN = 0x204;
constexpr std::uint32_t WM_RBUTTONUP = 0x205;
constexpr std::uint32_t WM_RBUTTONDBLCLK = 0x206;
constexpr std::uint32_t WM_MBUTTONDOWN = 0x207;
constexpr std::uint32_t WM_MBUTTONUP = 0x208;
constexpr std::uint32_t WM_MBUTTONDBLCLK = 0x209;
constexpr std::uint32_t WM_XBUTTONDOWN = 0x20B;
constexpr std::uint32_t WM_XBUTTONUP = 0x20C;
constexpr std::uint32_t WM_XBUTTONDBLCLK = 0x20D;

// The program's input hook: `window` is the handle of the control the input is
// for (MainWindow's own when it is for no control). It is called synchronously,
// before the input reaches its window, and cannot change or swallow it.
using InputHook = void (*)(Handle window, std::uint32_t message);

// The procedures of MainWindow's messages, as the program hands them to the
// platform. Any of them may be missing; the message is then not handled.
struct WindowProcedures {
    // Window creation, once the controls exist (WM_INITDIALOG).
    bool (*initDialog)() = nullptr;
    // A command (WM_COMMAND): true when it was one of the program's.
    bool (*command)(std::uint32_t command, CommandParameter parameter) = nullptr;
    // A control's notification (WM_NOTIFY).
    bool (*notify)(const Notification& notification) = nullptr;
    // The window's size changed (WM_SIZE).
    void (*size)() = nullptr;
    // The smallest size the window may be given by its frame (WM_GETMINMAXINFO).
    void (*minTrackSize)(int& width, int& height) = nullptr;
};

// The program's modal dialogs (StandardEntryDialog) are built from templates
// like MainWindow, and their messages go to procedures the program hands over
// with the template, as a dialog procedure of the window system would receive
// them. The procedures see the running dialog through this: its controls by id,
// the parameter it was started with, and its end. The platform knows no id of
// any dialog; the template says what to build.
using DialogParameter = std::intptr_t;

class Dialog {
  public:
    // Text of a control of the dialog; nothing for an unknown id.
    virtual void SetItemText(int id, const std::string& text) = 0;
    virtual std::string GetItemText(int id) = 0;
    // Ends the dialog once its procedure returns; RunModalDialog gives `result`.
    virtual void End(int result) = 0;
    // What RunModalDialog was given for the procedures.
    virtual DialogParameter Parameter() = 0;

  protected:
    ~Dialog() = default;
};

struct DialogProcedures {
    // Creation, once the controls exist (WM_INITDIALOG). True: the first control
    // that takes the focus, in the template's order, gets it.
    bool (*initDialog)(Dialog& dialog) = nullptr;
    // A command (WM_COMMAND): a button's click is its id; Esc and the close box
    // are IDCANCEL. True when it was one of the program's.
    bool (*command)(Dialog& dialog, std::uint32_t command) = nullptr;
};

struct WindowTemplate;

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
};

// Message box flags and answers, with the values of the platform they stand for.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// One file dialog as the program asks for it.
struct FileDialogRequest {
    std::string title;
    // Folder the dialog starts in; empty: the platform chooses.
    std::string initialDirectory;
    // Name the dialog starts with (the save dialog offers the remembered path).
    std::string initialName;
    // Pairs of description and pattern, in order; `filterIndex` is 1-based.
    const char* const* filters = nullptr;
    int filterCount = 0;
    int filterIndex = 0;
    // Ask before an existing file is replaced (save dialog).
    bool overwritePrompt = false;
    // The chosen folder must exist (both dialogs ask for it).
    bool pathMustExist = true;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // Controls of MainWindow, by id.
    virtual void EnableControl(int id, bool enabled) = 0;
    virtual bool IsControlEnabled(int id) = 0;
    virtual void ShowControl(int id, bool visible) = 0;
    virtual bool IsControlVisible(int id) = 0;
    virtual void SetControlText(int id, const std::string& text) = 0;
    virtual std::string GetControlText(int id) = 0;
    virtual bool IsChecked(int id) = 0;
    virtual void SetChecked(int id, bool checked) = 0;
    // Rectangle of a control in screen coordinates.
    virtual Rect GetControlRect(int id) = 0;
    // Places a control at client coordinates; `resize` false keeps its size.
    virtual void MoveControl(int id, int x, int y, int width, int height, bool resize) = 0;

    // MainWindow's rectangle in screen coordinates, frame and caption included.
    virtual Rect GetWindowRect() = 0;
    // Screen to MainWindow client coordinates; false when it cannot be done.
    virtual bool ScreenToClient(std::int32_t& x, std::int32_t& y) = 0;

    // MainWindow's own handle, and a control's; nullptr for an unknown id.
    virtual Handle MainWindowHandle() = 0;
    virtual Handle ControlHandle(int id) = 0;
    // Whether a handle is one of MainWindow's controls.
    virtual bool IsChild(Handle window) = 0;

    // The keyboard focus inside MainWindow: the id of the control that has it (0
    // for none), and giving it to a control; `selectText` selects the whole text
    // of an edit field as well.
    virtual int FocusedControl() = 0;
    virtual void FocusControl(int id, bool selectText = false) = 0;

    // The input hook, from window creation to closing. Installing returns its
    // handle (nullptr when it cannot be installed); removing takes that handle.
    virtual Handle InstallInputHook(InputHook hook) = 0;
    virtual void RemoveInputHook(Handle hook) = 0;

    // The pane control of that id (a rich edit of the template); nullptr for any
    // other id.
    virtual Pane* GetPane(int id) = 0;
    // Sets the font of both panes (face name, cell height in pixels) and returns
    // its handle.
    virtual Handle SetPaneFont(const std::string& faceName, int height) = 0;
    // Average character width of the pane font in pixels; 0 when unknown.
    virtual int AverageCharWidth() = 0;
    // Gives OriginalPane the menu background colour that marks the read-only side.
    virtual void SetReadOnlyBackground(int paneId) = 0;
    // A narrow left margin in which a click selects the line.
    virtual void SetSelectionBar(int paneId) = 0;

    // Modal UI owned by MainWindow (or by no window when `owned` is false).
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags,
                           bool owned = true) = 0;
    // Returns true and the chosen path when the user chose a file.
    virtual bool OpenFileDialog(const FileDialogRequest& request, std::string& chosen) = 0;
    virtual bool SaveFileDialog(const FileDialogRequest& request, std::string& chosen) = 0;
    virtual void Beep() = 0;
    // Runs a modal dialog built from `form`, in the language of MainWindow, owned
    // by MainWindow and centred on the screen, and hands its messages to
    // `procedures` until they end it. Returns the result they ended it with; -1
    // when the dialog could not be created.
    virtual int RunModalDialog(const WindowTemplate& form, const DialogProcedures& procedures,
                               DialogParameter parameter) = 0;

    // Commands to MainWindow: sent runs the command now, nested, and returns when
    // it has finished; posted runs it after the current command, in order.
    virtual bool SendCommand(std::uint32_t command, CommandParameter parameter = 0) = 0;
    virtual void PostCommand(std::uint32_t command, CommandParameter parameter = 0) = 0;
    // Ends MainWindow; the program then ends.
    virtual void EndMainWindow(int result) = 0;

    // Starts another program without waiting for it and without a shell: each
    // argument reaches it whole, as its own bytes. `program` is a path or a name
    // looked up in the system's search path. True when it was started.
    virtual bool StartProcess(const std::string& program,
                              const std::vector<std::string>& arguments) = 0;

    // The program's procedures for MainWindow's messages; set before the window
    // is built.
    void SetWindowProcedures(const WindowProcedures& procedures) { procedures_ = procedures; }

  protected:
    // MainWindow's messages, handed to the program's procedures.
    bool DeliverInitDialog() {
        return procedures_.initDialog != nullptr && procedures_.initDialog();
    }
    bool DeliverCommand(std::uint32_t command, CommandParameter parameter) {
        return procedures_.command != nullptr && procedures_.command(command, parameter);
    }
    bool DeliverNotification(const Notification& notification) {
        return procedures_.notify != nullptr && procedures_.notify(notification);
    }
    void DeliverSize() {
        if (procedures_.size != nullptr) procedures_.size();
    }
    // 0 x 0 when the program sets no minimum.
    void MinTrackSize(int& width, int& height) const {
        width = 0;
        height = 0;
        if (procedures_.minTrackSize != nullptr) procedures_.minTrackSize(width, height);
    }

  private:
    WindowProcedures procedures_;
};

// The platform the program runs on; set once at start (tests set their own).
Platform& ThePlatform();
void SetPlatform(Platform* platform);
