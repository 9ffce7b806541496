// A top-level window built from a layout table.
#include "ui/Form.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/ModalScope.h"
#include "win/WindowClass.h"

namespace ui {
namespace {

HFONT CreateFormFont(const FormFont& font, int weight) {
    return CreateFontA(-font.height, 0, 0, 0, weight, FALSE, FALSE, FALSE, font.charset,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, font.face);
}

bool IsPushButton(HWND hwnd) {
    if (!win::IsWindowClass(hwnd, "Button")) return false;
    LONG type = GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

}  // namespace

Form::Form(const FormLayout& layout, const ControlRow* controls, std::size_t count)
    : controls_(controls), count_(count) {
    const Application& app = Application::Current();
    font_.reset(CreateFormFont(layout.font, FW_NORMAL));
    boldFont_.reset(CreateFormFont(layout.font, FW_BOLD));

    WindowClass windowClass{layout.className};
    windowClass.icon = app.Icon();
    windowClass.smallIcon = app.SmallIcon();
    windowClass.cursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RECT frame{0, 0, layout.clientWidth, layout.clientHeight};
    AdjustWindowRectEx(&frame, layout.style, FALSE, layout.exStyle);
    Create(windowClass, {layout.exStyle, layout.style, layout.caption, CW_USEDEFAULT, CW_USEDEFAULT,
                         frame.right - frame.left, frame.bottom - frame.top, nullptr});
    // No icon of its own: the program's icon stands in the title bar and on the taskbar.
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app.Icon()));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(app.SmallIcon()));
    CreateControls();
}

Form::~Form() {
    // The window goes first: its buttons still draw with the glyph lists until then.
    Destroy();
}

Form* Form::FromHandle(HWND hwnd) noexcept {
    return dynamic_cast<Form*>(Window::FromHandle(hwnd));
}

void Form::CreateControls() {
    // Creation order is the tab order: controls without a tab stop first, then by position.
    std::vector<std::size_t> order(count_);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return controls_[a].tabOrder < controls_[b].tabOrder;
    });
    HINSTANCE instance = Application::Current().Instance();
    for (std::size_t i : order) {
        const ControlRow& row = controls_[i];
        HFONT font = (row.flags & kBold) ? boldFont_.get() : font_.get();
        HWND control = CreateControl(Handle(), row, font);
        if (row.glyph) glyphs_.push_back(SetButtonGlyph(control, instance, row.glyph));
        if (row.flags & kDefaultButton) defaultButtonId_ = row.id;
        if (row.flags & kCancelButton) cancelButtonId_ = row.id;
    }
}

const ControlRow* Form::RowOf(int id) const {
    for (std::size_t i = 0; i < count_; ++i)
        if (controls_[i].id == id) return &controls_[i];
    return nullptr;
}

// Runs the show handler, then centres the form as it has come out of it. An error of the
// handler is reported and the form is shown all the same, as far as the handler got.
void Form::PrepareToShow() {
    try {
        OnShow();
    } catch (...) {
        Application::ReportEscaped();
    }
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
    MSG msg;
    while (!modalDone_) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop must see it too
            break;
        }
        if (IsDialogMessageA(hwnd, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
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

void Form::Release() {
    Application::Current().ReleaseForm(this);
}

void Form::SetCaption(const std::string& caption) {
    SetWindowTextA(Handle(), caption.c_str());
}

SIZE Form::ClientSize() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return SIZE{r.right, r.bottom};
}

void Form::SetClientSize(int width, int height) {
    HWND hwnd = Handle();
    SIZE old = ClientSize();
    int dx = width - old.cx, dy = height - old.cy;
    for (std::size_t i = 0; i < count_; ++i) {
        const ControlRow& row = controls_[i];
        if (!(row.flags & (kAnchorRight | kAnchorBottom))) continue;
        RECT r = ControlRect(row.id);
        int left = r.left, top = r.top, w = r.right - r.left, h = r.bottom - r.top;
        if (row.flags & kAnchorRight) {
            if (row.flags & kNotAnchoredLeft)
                left += dx;
            else
                w = std::max(0, w + dx);
        }
        if (row.flags & kAnchorBottom) h = std::max(0, h + dy);
        SetWindowPos(Control(row.id), nullptr, left, top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, GetWindowLongA(hwnd, GWL_STYLE), FALSE,
                       GetWindowLongA(hwnd, GWL_EXSTYLE));
    SetWindowPos(hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string Form::ControlText(int id) const {
    HWND control = Control(id);
    int length = GetWindowTextLengthA(control);
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(control, text.data(), length + 1));
    return text;
}

void Form::SetControlText(int id, const std::string& text) {
    HWND control = Control(id);
    SetWindowTextA(control, text.c_str());
    if (const ControlRow* row = RowOf(id))
        FitLabel(control, *row, (row->flags & kBold) ? boldFont_.get() : font_.get());
}

void Form::SetControlVisible(int id, bool visible) {
    ShowWindow(Control(id), visible ? SW_SHOWNA : SW_HIDE);
}

void Form::SetControlEnabled(int id, bool enabled) {
    EnableWindow(Control(id), enabled);
}

void Form::MoveControl(int id, int left, int top) {
    SetWindowPos(Control(id), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Form::ControlRect(int id) const {
    RECT r{};
    GetWindowRect(Control(id), &r);
    MapWindowPoints(HWND_DESKTOP, Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Form::OnActivate(bool active) {
    HWND hwnd = Handle();
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) lastFocus_ = focus;
        return;
    }
    HWND target =
        lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : GetNextDlgTabItem(hwnd, nullptr, FALSE);
    if (target) SetFocus(target);
}

// A focused push button looks like the default one and takes Enter; elsewhere the form's own
// default button does.
void Form::MoveDefaultLook(HWND focusedButton) {
    HWND hwnd = Handle();
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsPushButton(child)) continue;
        bool isDefault =
            focusedButton ? child == focusedButton : GetDlgCtrlID(child) == defaultButtonId_;
        SendMessageA(child, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

// One click, one piece of work: a handler waiting in a modal box still receives the clicks
// (a posted BM_CLICK, say) that its disabled form is sent, and they must not start it again.
// The error box for an exception that ended the handler is part of that work, so it is shown
// here, while further clicks are still dropped.
void Form::RunClick(int id) {
    if (clickRunning_) return;
    struct Running {
        Form* form;
        explicit Running(Form* f) : form(f) { form->clickRunning_ = true; }
        ~Running() {
            form->clickRunning_ = false;
            if (form->closeRequested_) PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
        }
    } running(this);
    try {
        OnClick(id);
    } catch (...) {
        Application::ReportEscaped();
    }
}

bool Form::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = Handle();
    LRESULT result = 0;
    if (OnMessage(msg, wParam, lParam, result)) return result;

    switch (msg) {
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            switch (HIWORD(wParam)) {
                case BN_CLICKED:
                    if (lParam) {
                        RunClick(id);
                    } else if (id == IDCANCEL && cancelButtonId_) {
                        // Escape, as IsDialogMessage reports it, presses the cancel button.
                        // A plain Enter (IDOK) and Escape without one do nothing.
                        RunClick(cancelButtonId_);
                    }
                    return 0;
                case BN_SETFOCUS:
                    MoveDefaultLook(reinterpret_cast<HWND>(lParam));
                    return 0;
                case BN_KILLFOCUS:
                    MoveDefaultLook(nullptr);
                    return 0;
            }
            break;
        }
        case DM_GETDEFID: {
            HWND focus = GetFocus();
            int id = focus && IsChild(hwnd, focus) && IsPushButton(focus) ? GetDlgCtrlID(focus)
                                                                          : defaultButtonId_;
            return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
        }
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_CTLCOLORSTATIC: {
            // Labels are transparent and the read-only text box has the button-face colour.
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            if (win::IsWindowClass(reinterpret_cast<HWND>(lParam), "Static"))
                SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_CLOSE:
            if (modal_) {
                Close();
                return 0;
            }
            // Not under a running handler's feet: it sees the request and stops, then the
            // form closes.
            if (clickRunning_) {
                closeRequested_ = true;
                return 0;
            }
            break;
        case WM_DESTROY: {
            const Application* app = Application::Find();
            if (app && app->MainForm() == this) PostQuitMessage(0);
            return 0;
        }
    }
    return Window::HandleMessage(msg, wParam, lParam);
}

}  // namespace ui
