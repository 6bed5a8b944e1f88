#include "platform/headless/headless_platform.h"

#include "platform/headless/detached_process.h"
#include "resources/accelerators.h"
#include "resources/window_template.h"
#include "text/cp1252.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// Where the window stands on the screen until a test moves it.
constexpr int WindowLeft = 100;
constexpr int WindowTop = 100;

int DefaultAnswer(unsigned flags) {
    switch (flags & 0xF) {
    case MB_OK:
        return IDOK;
    case MB_YESNO:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

} // namespace

HeadlessPlatform::HeadlessPlatform(bool german) : german_(german) {
    const WindowTemplate& window = MainWindowTemplate();
    for (int i = 0; i < window.controlCount; ++i) {
        ResolvedControl resolved = ResolveControl(window.controls[i], german);
        Control control{resolved, resolved.caption, resolved.enabled, resolved.visible, false, {}};
        // The dialog manager converts position and size each on its own.
        control.client.left = DialogUnitsToPixelsX(resolved.x, BaseUnitX);
        control.client.top = DialogUnitsToPixelsY(resolved.y, BaseUnitY);
        control.client.right =
            control.client.left + DialogUnitsToPixelsX(resolved.width, BaseUnitX);
        control.client.bottom =
            control.client.top + DialogUnitsToPixelsY(resolved.height, BaseUnitY);
        controls_[resolved.id] = control;
    }
    window_.left = WindowLeft;
    window_.top = WindowTop;
    window_.right = WindowLeft + DialogUnitsToPixelsX(window.width, BaseUnitX) + 2 * FrameSide;
    window_.bottom =
        WindowTop + DialogUnitsToPixelsY(window.height, BaseUnitY) + FrameTop + FrameSide;

    // Every rich edit of the template is a pane; it reports to the window as a
    // command carrying its id and the code.
    for (auto& [id, control] : controls_) {
        if (control.resolved.kind != ControlKind::RichEdit) continue;
        const int paneId = id;
        auto pane = std::make_unique<HeadlessPane>(
            paneId, [this, paneId](std::uint16_t code) { SendCommand(MakeCommand(paneId, code)); });
        pane->SetReadOnly(control.resolved.readOnly);
        panes_[paneId] = std::move(pane);
    }
}

HeadlessPlatform::~HeadlessPlatform() = default;

void HeadlessPlatform::Open() {
    SetPlatform(this);
    DeliverInitDialog();
}

void HeadlessPlatform::RunPostedCommands() {
    while (!posted_.empty()) {
        const PostedCommand posted = posted_.front();
        posted_.pop_front();
        DeliverCommand(posted.command, posted.parameter);
    }
}

void HeadlessPlatform::SetWindowRect(const Rect& rect) { window_ = rect; }

void HeadlessPlatform::ResizeWindow(int width, int height) {
    int minWidth = 0;
    int minHeight = 0;
    MinTrackSize(minWidth, minHeight);
    window_.right = window_.left + std::max(width, minWidth);
    window_.bottom = window_.top + std::max(height, minHeight);
    DeliverSize();
}

HeadlessPane& HeadlessPlatform::PaneById(int id) {
    auto it = panes_.find(id);
    // Tests ask only for the panes; any other id is a mistake in the test.
    if (it == panes_.end()) std::abort();
    return *it->second;
}

void HeadlessPlatform::Click(int id) {
    Control* control = Find(id);
    if (control == nullptr || !control->enabled || !control->visible) return;
    if (control->resolved.kind == ControlKind::CheckBox) control->checked = !control->checked;
    SendCommand(MakeCommand(id));
}

bool HeadlessPlatform::ClickUpDownArrow(int id, bool upper) {
    Control* control = Find(id);
    if (control == nullptr || control->resolved.kind != ControlKind::UpDown || !control->enabled ||
        !control->visible) {
        return false;
    }
    return Notify(Notification{id, UDN_DELTAPOS, upper ? -1 : 1});
}

bool HeadlessPlatform::Notify(const Notification& notification) {
    notifications.push_back(notification);
    return DeliverNotification(notification);
}

void HeadlessPlatform::Input(Handle window, std::uint32_t message) {
    if (inputHook != nullptr) inputHook(window, message);
}

bool HeadlessPlatform::PressKey(int key, unsigned modifiers) {
    Handle window = focusedControl != 0 ? ControlHandle(focusedControl) : MainWindowHandle();
    const bool alt = (modifiers & KeyAlt) != 0;
    Input(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN);
    const std::uint32_t command = FindAccelerator(key, modifiers, focusedControl);
    if (command != 0) SendCommand(command);
    Input(window, alt ? WM_SYSKEYUP : WM_KEYUP);
    return command != 0;
}

HeadlessPlatform::Control* HeadlessPlatform::Find(int id) {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

void HeadlessPlatform::EnableControl(int id, bool enabled) {
    if (Control* control = Find(id)) control->enabled = enabled;
}

bool HeadlessPlatform::IsControlEnabled(int id) {
    Control* control = Find(id);
    return control != nullptr && control->enabled;
}

void HeadlessPlatform::ShowControl(int id, bool visible) {
    if (Control* control = Find(id)) control->visible = visible;
}

bool HeadlessPlatform::IsControlVisible(int id) {
    Control* control = Find(id);
    return control != nullptr && control->visible;
}

void HeadlessPlatform::SetControlText(int id, const std::string& text) {
    // The window text of a pane is its whole text.
    if (Pane* pane = GetPane(id)) {
        pane->SetText(text.c_str());
        return;
    }
    if (Control* control = Find(id)) control->text = text;
}

std::string HeadlessPlatform::GetControlText(int id) {
    if (Pane* pane = GetPane(id)) {
        std::string text(static_cast<std::size_t>(pane->TextLength()) * 2 + 1, '\0');
        text.resize(static_cast<std::size_t>(
            pane->GetText(text.data(), static_cast<std::int32_t>(text.size()))));
        return text;
    }
    Control* control = Find(id);
    return control != nullptr ? control->text : std::string();
}

bool HeadlessPlatform::IsChecked(int id) {
    Control* control = Find(id);
    return control != nullptr && control->checked;
}

void HeadlessPlatform::SetChecked(int id, bool checked) {
    if (Control* control = Find(id)) control->checked = checked;
}

Rect HeadlessPlatform::GetControlRect(int id) {
    Control* control = Find(id);
    if (control == nullptr) return Rect{};
    Rect rect = control->client;
    std::int32_t dx = window_.left + FrameSide;
    std::int32_t dy = window_.top + FrameTop;
    return Rect{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

void HeadlessPlatform::MoveControl(int id, int x, int y, int width, int height, bool resize) {
    Control* control = Find(id);
    if (control == nullptr) return;
    Rect& rect = control->client;
    if (!resize) {
        width = rect.Width();
        height = rect.Height();
    }
    rect = Rect{x, y, x + width, y + height};
}

Rect HeadlessPlatform::GetWindowRect() { return window_; }

bool HeadlessPlatform::ScreenToClient(std::int32_t& x, std::int32_t& y) {
    x -= window_.left + FrameSide;
    y -= window_.top + FrameTop;
    return true;
}

Handle HeadlessPlatform::MainWindowHandle() { return &window_; }

Handle HeadlessPlatform::ControlHandle(int id) {
    if (auto pane = panes_.find(id); pane != panes_.end()) return pane->second.get();
    return Find(id);
}

bool HeadlessPlatform::IsChild(Handle window) {
    if (window == nullptr) return false;
    for (auto& [id, pane] : panes_) {
        if (window == pane.get()) return true;
    }
    for (auto& [id, control] : controls_) {
        if (window == &control) return true;
    }
    return false;
}

int HeadlessPlatform::FocusedControl() { return focusedControl; }

void HeadlessPlatform::FocusControl(int id, bool selectText) {
    if (Find(id) == nullptr) return;
    focusedControl = id;
    focusSelectedText = selectText;
}

Handle HeadlessPlatform::InstallInputHook(InputHook hook) {
    inputHook = hook;
    return hook != nullptr ? &inputHook : nullptr;
}

void HeadlessPlatform::RemoveInputHook(Handle hook) {
    if (hook != nullptr && hook == &inputHook) inputHook = nullptr;
}

Pane* HeadlessPlatform::GetPane(int id) {
    auto it = panes_.find(id);
    return it == panes_.end() ? nullptr : it->second.get();
}

Handle HeadlessPlatform::SetPaneFont(const std::string& faceName, int height) {
    fontName = faceName;
    fontHeight = height;
    return &fontName;
}

int HeadlessPlatform::AverageCharWidth() { return averageCharWidth; }

void HeadlessPlatform::SetReadOnlyBackground(int paneId) {
    if (GetPane(paneId) != nullptr) PaneById(paneId).hasReadOnlyBackground = true;
}

void HeadlessPlatform::SetSelectionBar(int paneId) {
    if (GetPane(paneId) != nullptr) PaneById(paneId).hasSelectionBar = true;
}

int HeadlessPlatform::MessageBox(const std::string& text, const std::string& caption,
                                 unsigned flags, bool owned) {
    messageBoxes.push_back(ShownMessageBox{text, caption, flags, owned});
    if (messageBoxAnswers.empty()) return DefaultAnswer(flags);
    int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

namespace {

bool Answer(std::deque<std::optional<std::string>>& answers, std::string& chosen) {
    if (answers.empty()) return false;
    std::optional<std::string> answer = std::move(answers.front());
    answers.pop_front();
    if (!answer) return false;
    chosen = *answer;
    return true;
}

} // namespace

bool HeadlessPlatform::OpenFileDialog(const FileDialogRequest& request, std::string& chosen) {
    openFileRequests.push_back(request);
    return Answer(openFileAnswers, chosen);
}

bool HeadlessPlatform::SaveFileDialog(const FileDialogRequest& request, std::string& chosen) {
    saveFileRequests.push_back(request);
    return Answer(saveFileAnswers, chosen);
}

void HeadlessPlatform::Beep() { ++beeps; }

namespace {

// A running modal dialog: the texts of its controls.
class HeadlessDialog : public Dialog {
  public:
    HeadlessDialog(const WindowTemplate& form, bool german, DialogParameter parameter)
        : parameter_(parameter) {
        for (int i = 0; i < form.controlCount; ++i) {
            const ResolvedControl control = ResolveControl(form.controls[i], german);
            if (control.id == -1) continue;
            controls_[control.id] = Item{control.caption, (control.style & StyleUpperCase) != 0};
            if (control.kind == ControlKind::Edit && editId_ == 0) editId_ = control.id;
        }
    }

    void SetItemText(int id, const std::string& text) override {
        auto it = controls_.find(id);
        if (it == controls_.end()) return;
        it->second.text = text;
        if (it->second.upperCase) {
            for (char& c : it->second.text)
                c = static_cast<char>(Cp1252Upper(static_cast<unsigned char>(c)));
        }
    }
    std::string GetItemText(int id) override {
        auto it = controls_.find(id);
        return it == controls_.end() ? std::string() : it->second.text;
    }
    void End(int result) override {
        ended_ = true;
        result_ = result;
    }
    DialogParameter Parameter() override { return parameter_; }

    // The first edit field of the template; 0 when it has none.
    int EditId() const { return editId_; }
    bool Ended() const { return ended_; }
    int Result() const { return result_; }
    std::map<int, std::string> Texts() const {
        std::map<int, std::string> texts;
        for (const auto& [id, item] : controls_)
            texts[id] = item.text;
        return texts;
    }

  private:
    struct Item {
        std::string text;
        bool upperCase;
    };
    std::map<int, Item> controls_;
    DialogParameter parameter_;
    int editId_ = 0;
    bool ended_ = false;
    int result_ = 0;
};

} // namespace

int HeadlessPlatform::RunModalDialog(const WindowTemplate& form, const DialogProcedures& procedures,
                                     DialogParameter parameter) {
    if (dialogsFailing > 0) {
        --dialogsFailing;
        return -1;
    }
    HeadlessDialog dialog(form, german_, parameter);
    if (procedures.initDialog != nullptr) procedures.initDialog(dialog);
    shownDialogs.push_back(ShownDialog{form.id, TitleOf(form, german_), dialog.Texts(), 0});
    const std::size_t shown = shownDialogs.size() - 1;

    auto command = [&](int id) {
        if (procedures.command != nullptr) procedures.command(dialog, MakeCommand(id));
    };
    while (!dialog.Ended() && !dialogAnswers.empty()) {
        const DialogAnswer answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        if (answer.edited && dialog.EditId() != 0)
            dialog.SetItemText(dialog.EditId(), *answer.edited);
        command(answer.button);
    }
    if (!dialog.Ended()) command(IDCANCEL);
    const int result = dialog.Ended() ? dialog.Result() : IDCANCEL;
    shownDialogs[shown].result = result;
    return result;
}

bool HeadlessPlatform::SendCommand(std::uint32_t command, CommandParameter parameter) {
    sentCommands.push_back(command);
    sentParameters.push_back(parameter);
    return DeliverCommand(command, parameter);
}

void HeadlessPlatform::PostCommand(std::uint32_t command, CommandParameter parameter) {
    postedCommands.push_back(command);
    postedParameters.push_back(parameter);
    posted_.push_back(PostedCommand{command, parameter});
}

void HeadlessPlatform::EndMainWindow(int result) {
    ended = true;
    endResult = result;
}

bool HeadlessPlatform::StartProcess(const std::string& program,
                                    const std::vector<std::string>& arguments) {
    const bool started = StartDetachedProcess(program, arguments);
    startedProcesses.push_back(StartedProcess{program, arguments, started});
    return started;
}
