#include "platform/headless/headless_platform.h"

#include "app/control_ids.h"
#include "app/dispatch.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "resources/window_template.h"

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

    // A pane reports to the window as a command carrying its id and the code.
    auto makePane = [this](int id) {
        auto pane = std::make_unique<HeadlessPane>(
            id, [this, id](std::uint16_t code) { SendCommand(MakeCommand(id, code)); });
        if (Control* control = Find(id)) pane->SetReadOnly(control->resolved.readOnly);
        return pane;
    };
    originalPane_ = makePane(OriginalPane);
    translationPane_ = makePane(TranslationPane);
}

HeadlessPlatform::~HeadlessPlatform() = default;

void HeadlessPlatform::Open() {
    SetPlatform(this);
    InitMainWindow();
}

void HeadlessPlatform::RunPostedCommands() {
    while (!posted_.empty()) {
        std::uint32_t command = posted_.front();
        posted_.pop_front();
        DispatchCommand(command);
    }
}

void HeadlessPlatform::SetWindowRect(const Rect& rect) { window_ = rect; }

void HeadlessPlatform::ResizeWindow(int width, int height) {
    window_.right = window_.left + std::max(width, MinTrackWidth);
    window_.bottom = window_.top + std::max(height, MinTrackHeight);
    LayoutMainWindow();
}

HeadlessPane& HeadlessPlatform::PaneById(int id) {
    if (id == OriginalPane) return *originalPane_;
    if (id == TranslationPane) return *translationPane_;
    // Tests ask only for the two panes; any other id is a mistake in the test.
    std::abort();
}

void HeadlessPlatform::Click(int id) {
    Control* control = Find(id);
    if (control == nullptr || !control->enabled || !control->visible) return;
    if (control->resolved.kind == ControlKind::CheckBox) control->checked = !control->checked;
    SendCommand(MakeCommand(id));
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

Pane* HeadlessPlatform::GetPane(int id) {
    if (id == OriginalPane) return originalPane_.get();
    if (id == TranslationPane) return translationPane_.get();
    return nullptr;
}

void HeadlessPlatform::SetPaneFont(const std::string& faceName, int height) {
    fontName = faceName;
    fontHeight = height;
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

bool HeadlessPlatform::SendCommand(std::uint32_t command) {
    sentCommands.push_back(command);
    return DispatchCommand(command);
}

void HeadlessPlatform::PostCommand(std::uint32_t command) {
    postedCommands.push_back(command);
    posted_.push_back(command);
}

void HeadlessPlatform::EndMainWindow(int result) {
    ended = true;
    endResult = result;
}

bool HeadlessPlatform::StartProcess(const std::string& commandLine) {
    startedProcesses.push_back(commandLine);
    return true;
}
