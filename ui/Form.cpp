// A top-level window built from a layout table.
#include "ui/Form.h"

#include <algorithm>
#include <numeric>

#include "ui/Controls.h"
#include "ui/FormColours.h"
#include "ui/MessageLoop.h"
#include "ui/ModalScope.h"
#include "win/Dpi.h"
#include "win/ShiftJis.h"
#include "win/WindowText.h"

namespace ui {

Form::Form(const FormLayout& layout, const ControlRow* controls, std::size_t count)
    : controls_(controls),
      count_(count),
      geometry_(layout, controls, count),
      look_(layout.font, layout.icon) {
    WindowClass windowClass{layout.className};
    windowClass.cursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    // Made hidden and sized once its DPI is known: the DPI is that of the monitor it is on.
    Create(windowClass, {layout.exStyle, layout.style, layout.caption, CW_USEDEFAULT, CW_USEDEFAULT,
                         0, 0, nullptr});
    CreateControls();
    ScaleTo(win::WindowDpi(Handle()));
    FitWindowToClient();
}

Form::~Form() {
    // The window goes first: its controls still draw with the fonts, glyphs and icons.
    Destroy();
}

Form* Form::FromHandle(HWND hwnd) noexcept {
    return dynamic_cast<Form*>(Window::FromHandle(hwnd));
}

bool Form::TakesDialogKeys(HWND hwnd) {
    return FromHandle(hwnd) != nullptr;
}

std::size_t Form::RowIndex(int id) const {
    for (std::size_t i = 0; i < count_; ++i)
        if (controls_[i].id == id) return i;
    throw WindowLayerError("no control " + std::to_string(id));
}

void Form::CreateControls() {
    // Creation order is the tab order: controls without a tab stop first, then by their tab-order
    // column, rows of one value in table order.
    std::vector<std::size_t> order(count_);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return controls_[a].tabOrder < controls_[b].tabOrder;
    });
    for (std::size_t i : order) {
        CreateControl(Handle(), controls_[i]);
        keyboard_.AddControl(controls_[i]);
    }
}

void Form::ScaleTo(UINT dpi) {
    dpi_ = dpi;
    look_.ApplyTo(Handle(), controls_, count_, dpi);
    for (std::size_t i = 0; i < count_; ++i) PlaceControl(i);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Form::PlaceControl(std::size_t row) {
    const ControlRow& control = controls_[row];
    const RECT& r = geometry_.Rect(row);
    int left = win::ScaleToDpi(r.left, dpi_), top = win::ScaleToDpi(r.top, dpi_);
    int width = win::ScaleToDpi(r.right, dpi_) - left;
    int height = win::ScaleToDpi(r.bottom, dpi_) - top;
    HWND hwnd = Control(control.id);
    // The layout's width fits the text in the form's font; a font that stands in for it on
    // this system, or its size at this DPI, may need more.
    if (control.flags & kAutoSize) width = std::max(width, TextWidth(hwnd, look_.FontOf(control)));
    SetWindowPos(hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::FitWindowToClient() {
    HWND hwnd = Handle();
    SIZE client = geometry_.ClientSize();
    SIZE frame = win::FrameSizeForClient(
        SIZE{win::ScaleToDpi(client.cx, dpi_), win::ScaleToDpi(client.cy, dpi_)},
        GetWindowLongA(hwnd, GWL_STYLE), GetWindowLongA(hwnd, GWL_EXSTYLE), dpi_);
    SetWindowPos(hwnd, nullptr, 0, 0, frame.cx, frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::FollowTheme() {
    look_.FollowTheme(Handle(), controls_, count_, dpi_);
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// Runs the show handler, then centres the form as it has come out of it. An error of the
// handler is reported and the form is shown all the same, as far as the handler got.
void Form::PrepareToShow() {
    RunReportingErrors([this] { OnShow(); });
    HWND hwnd = Handle();
    RECT r;
    GetWindowRect(hwnd, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
    PrepareToShow();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void Form::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

void Form::ShowModal() {
    HWND hwnd = Handle();
    ModalScope scope(hwnd);
    // Owned by the window that was active, so it stays in front of it.
    HWND owner = scope.PreviouslyActive();
    if (owner && owner != hwnd)
        SetWindowLongPtrA(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    PrepareToShow();
    modal_ = true;
    modalDone_ = false;
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    PumpMessages(&Form::TakesDialogKeys, &modalDone_);
    modal_ = false;
    Hide();
}

void Form::Close() {
    if (modal_) {
        modalDone_ = true;
        PostMessageA(Handle(), WM_NULL, 0, 0);  // wakes the modal loop
    } else {
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
    }
}

bool Form::Pause(DWORD milliseconds) {
    PumpMessagesFor(&Form::TakesDialogKeys, milliseconds);
    return !CloseRequested();
}

void Form::SetCaption(const std::string& caption) {
    SetWindowTextW(Handle(), win::FromShiftJis(caption).c_str());
}

void Form::SetClientSize(int width, int height) {
    geometry_.SetClientSize(width, height);
    for (std::size_t i = 0; i < count_; ++i) PlaceControl(i);
    FitWindowToClient();
}

std::string Form::ControlText(int id) const {
    return win::ToShiftJis(win::WindowText(Control(id)));
}

void Form::SetControlText(int id, const std::string& text) {
    std::size_t row = RowIndex(id);
    ui::SetControlText(Control(id), controls_[row].kind, text);
    PlaceControl(row);
}

void Form::SetControlVisible(int id, bool visible) {
    ShowWindow(Control(id), visible ? SW_SHOWNA : SW_HIDE);
}

void Form::SetControlEnabled(int id, bool enabled) {
    EnableWindow(Control(id), enabled);
}

void Form::SetControlPicture(int id, const Picture& picture) {
    look_.SetPicture(Handle(), id, picture, dpi_);
}

void Form::MoveControl(int id, int left, int top) {
    std::size_t row = RowIndex(id);
    geometry_.Move(row, left, top);
    PlaceControl(row);
}

RECT Form::ControlRect(int id) const {
    return geometry_.Rect(RowIndex(id));
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = Handle();
    switch (msg) {
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            switch (HIWORD(wParam)) {
                case BN_CLICKED:
                    // Escape, as IsDialogMessage reports it, presses the cancel button. A
                    // plain Enter (IDOK) and Escape without one do nothing.
                    if (!lParam) id = id == IDCANCEL ? keyboard_.CancelButton() : 0;
                    if (id) clicks_.Run(hwnd, [this, id] { OnClick(id); });
                    return 0;
                case BN_SETFOCUS:
                    keyboard_.MoveDefaultLook(hwnd, reinterpret_cast<HWND>(lParam));
                    return 0;
                case BN_KILLFOCUS:
                    keyboard_.MoveDefaultLook(hwnd, nullptr);
                    return 0;
            }
            break;
        }
        case DM_GETDEFID:
            return keyboard_.DefaultButtonReply(hwnd);
        case WM_ACTIVATE:
            keyboard_.OnActivate(hwnd, LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_CTLCOLORSTATIC:
            return StaticControlColours(reinterpret_cast<HDC>(wParam),
                                        reinterpret_cast<HWND>(lParam));
        case WM_SYSCOLORCHANGE:
            // The common controls hear of new colours only from the window they are on.
            for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                SendMessageW(c, msg, wParam, lParam);
            FollowTheme();
            return 0;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETHIGHCONTRAST) FollowTheme();
            break;
        case WM_THEMECHANGED:
            FollowTheme();
            break;
        case WM_DPICHANGED: {
            // Moved to a monitor of another DPI: the system's suggested frame, exactly, with
            // everything inside drawn anew for the DPI.
            ScaleTo(LOWORD(wParam));
            const RECT& r = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_CLOSE:
            if (modal_) {
                Close();
                return 0;
            }
            // Not under a running handler's feet: it sees the request and stops, then the
            // form closes.
            if (clicks_.DeferClose()) return 0;
            break;
        case WM_DESTROY:
            if (endsMessageLoop_) PostQuitMessage(0);
            return 0;
    }
    return Window::HandleMessage(msg, wParam, lParam);
}

}  // namespace ui
