// What the window system offers the program: the controls of MainWindow by id,
// its two panes, modal message boxes and file dialogs, commands to itself and
// the start of another program. The program's own code calls only this; the Qt
// platform and the headless platform implement it.
#pragma once

#include "platform/pane.h"

#include <cstdint>
#include <string>

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

    // Pane 1002 or 1003; nullptr for any other id.
    virtual Pane* GetPane(int id) = 0;
    // Sets the font of both panes (face name, cell height in pixels).
    virtual void SetPaneFont(const std::string& faceName, int height) = 0;
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

    // Commands to MainWindow: sent runs the command now, nested, and returns when
    // it has finished; posted runs it after the current command, in order.
    virtual bool SendCommand(std::uint32_t command) = 0;
    virtual void PostCommand(std::uint32_t command) = 0;
    // Ends MainWindow; the program then ends.
    virtual void EndMainWindow(int result) = 0;

    // Starts another program with a command line, without waiting for it.
    virtual bool StartProcess(const std::string& commandLine) = 0;
};

// The platform the program runs on; set once at start (tests set their own).
Platform& ThePlatform();
void SetPlatform(Platform* platform);
