// The in-memory platform: MainWindow's controls built from the window template,
// the two panes as HeadlessPane, and scripted answers for every modal question.
// Tests, benchmarks and the batch tool run the program on it.
#pragma once

#include "platform/headless/headless_pane.h"
#include "platform/platform.h"
#include "resources/window_template.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct StartedProcess {
    std::string program;
    std::vector<std::string> arguments;
    // Whether it really started.
    bool started;
};

struct ShownMessageBox {
    std::string text;
    std::string caption;
    unsigned flags;
    bool owned;
};

// One answer to a modal dialog: what the user types into the dialog's edit
// field (nothing when `edited` is empty), then the button clicked.
struct DialogAnswer {
    int button;
    std::optional<std::string> edited;
};

// A modal dialog as it was shown: its template, its title, the text of every
// control of an id once creation had run, and the result it ended with.
struct ShownDialog {
    int templateId;
    std::string caption;
    std::map<int, std::string> texts;
    int result;
};

class HeadlessPlatform : public Platform {
  public:
    // The English or the German version of the window.
    explicit HeadlessPlatform(bool german = false);
    ~HeadlessPlatform() override;

    // Makes this the platform and runs window creation (the program's
    // initDialog procedure), as the real window does when it is created. Posted
    // commands wait for RunPostedCommands.
    void Open();
    // Runs posted commands in order until none is left, those posted meanwhile too.
    void RunPostedCommands();

    // Sets MainWindow's rectangle (screen coordinates) without a layout.
    void SetWindowRect(const Rect& rect);
    // Resizes the window as the user would by its frame (not below the minimum
    // tracking size) and runs the layout, as the size message does.
    void ResizeWindow(int width, int height);

    bool IsGerman() const { return german_; }
    HeadlessPane& PaneById(int id);
    // A click on a control: a check box toggles first, then the control's command
    // is sent. A hidden or disabled control cannot be clicked: nothing happens.
    void Click(int id);
    // A click on an arrow of an up-down control: its UDN_DELTAPOS notification
    // (the upper arrow proposes -1, the lower +1). Returns what the window answered.
    bool ClickUpDownArrow(int id, bool upper);
    // A notification of a control, as the window system hands it to the window.
    bool Notify(const Notification& notification);
    // An input message for a window (a control's handle or MainWindow's), as the
    // window system takes it from the queue: the input hook, when one is
    // installed, sees it. Nothing else happens to it here.
    void Input(Handle window, std::uint32_t message);
    // A key pressed and released on the control with the focus (MainWindow when
    // none has it): the hook sees WM_KEYDOWN, the accelerator table may turn the
    // key into its command, then the hook sees WM_KEYUP. Returns true when an
    // accelerator took the key.
    bool PressKey(int key, unsigned modifiers = 0);

    // Platform
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
    // Plays the answers of `dialogAnswers` from the front while the dialog is
    // open. With none left it presses Esc (IDCANCEL); should the dialog stay
    // open even then, it ends with IDCANCEL.
    int RunModalDialog(const WindowTemplate& form, const DialogProcedures& procedures,
                       DialogParameter parameter) override;
    bool SendCommand(std::uint32_t command, CommandParameter parameter = 0) override;
    void PostCommand(std::uint32_t command, CommandParameter parameter = 0) override;
    void EndMainWindow(int result) override;
    // Records the request and really starts the program, detached.
    bool StartProcess(const std::string& program,
                      const std::vector<std::string>& arguments) override;

    // Dialog base units of the window font in pixels.
    static constexpr int BaseUnitX = DialogBaseUnitX;
    static constexpr int BaseUnitY = DialogBaseUnitY;
    // The frame around the client area: 5 pixels at the sides and the bottom,
    // 47 at the top with the caption (10 and 52 together).
    static constexpr int FrameSide = 5;
    static constexpr int FrameTop = 47;

    // Scripted answers, used from the front. With no answer left a message box
    // gives IDOK when it has only an OK button, IDNO for Yes/No and IDCANCEL
    // otherwise; a file dialog is cancelled.
    std::deque<int> messageBoxAnswers;
    std::vector<ShownMessageBox> messageBoxes;
    // nullopt: the user cancels the dialog.
    std::deque<std::optional<std::string>> openFileAnswers;
    std::deque<std::optional<std::string>> saveFileAnswers;
    std::vector<FileDialogRequest> openFileRequests;
    std::vector<FileDialogRequest> saveFileRequests;
    int beeps = 0;
    std::deque<DialogAnswer> dialogAnswers;
    std::vector<ShownDialog> shownDialogs;
    // The next this many modal dialogs cannot be created.
    int dialogsFailing = 0;
    std::vector<StartedProcess> startedProcesses;
    // Every command sent or posted, in the order it was asked for, and beside
    // each its parameter.
    std::vector<std::uint32_t> sentCommands;
    std::vector<CommandParameter> sentParameters;
    std::vector<std::uint32_t> postedCommands;
    std::vector<CommandParameter> postedParameters;
    // Every notification the window received.
    std::vector<Notification> notifications;
    bool ended = false;
    int endResult = 0;
    // The control with the keyboard focus (0: none), and whether giving it the
    // focus selected its text.
    int focusedControl = 0;
    bool focusSelectedText = false;
    // The installed input hook; nullptr when none is.
    InputHook inputHook = nullptr;
    // The pane font; its handle is the address of its name.
    std::string fontName;
    int fontHeight = 0;
    int averageCharWidth = 8;

  private:
    struct Control {
        ResolvedControl resolved;
        std::string text;
        bool enabled;
        bool visible;
        bool checked;
        Rect client; // pixels, client coordinates
    };

    struct PostedCommand {
        std::uint32_t command;
        CommandParameter parameter;
    };

    Control* Find(int id);

    bool german_;
    std::map<int, Control> controls_;
    // The rich edits of the template, by id.
    std::map<int, std::unique_ptr<HeadlessPane>> panes_;
    Rect window_;
    std::deque<PostedCommand> posted_;
};
