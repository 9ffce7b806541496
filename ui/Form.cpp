// A top-level window built from a layout table.
#include "ui/Form.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/ModalScope.h"

namespace ui {
namespace {

constexpr char kFormProperty[] = "ui.Form";

void RegisterFormClass(HINSTANCE instance, const char* className) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, className, &existing)) return;

    const Application& app = Application::Current();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;  // replaced per instance by the form's own procedure
    wc.hInstance = instance;
    wc.hIcon = app.Icon();
    wc.hIconSm = app.SmallIcon();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    if (!RegisterClassExA(&wc))
        throw std::runtime_error(std::string("cannot register window class ") + className);
}

HFONT CreateFormFont(const FormSpec& form, int weight) {
    return CreateFontA(-form.fontHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, form.charset,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, form.fontFace);
}

bool IsPushButton(HWND hwnd) {
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") != 0) return false;
    LONG type = GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

}  // namespace

Form::Form(const FormSpec& form, const ControlSpec* controls, std::size_t count)
    : controls_(controls), count_(count) {
    Application& app = Application::Current();
    RegisterFormClass(app.Instance(), form.className);
    font_.reset(CreateFormFont(form, FW_NORMAL));
    boldFont_.reset(CreateFormFont(form, FW_BOLD));

    RECT frame{0, 0, form.clientWidth, form.clientHeight};
    AdjustWindowRectEx(&frame, form.style, FALSE, form.exStyle);
    HWND hwnd =
        CreateWindowExA(form.exStyle, form.className, form.caption, form.style, CW_USEDEFAULT,
                        CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                        nullptr, app.Instance(), nullptr);
    if (!hwnd) throw std::runtime_error(std::string("cannot create window ") + form.className);
    window_.reset(hwnd);
    // No icon of its own: the program's icon stands in the title bar and on the taskbar.
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app.Icon()));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(app.SmallIcon()));
    SetPropA(hwnd, kFormProperty, this);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::WndProc));
    CreateControls();
}

Form::~Form() {
    // The window goes first: its buttons still draw with the glyph lists until then.
    window_.reset();
}

Form* Form::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<Form*>(GetPropA(hwnd, kFormProperty)) : nullptr;
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
        const ControlSpec& spec = controls_[i];
        HFONT font = (spec.flags & kBold) ? boldFont_.get() : font_.get();
        HWND control = CreateControl(window_.get(), spec, font);
        if (spec.glyph) glyphs_.push_back(SetButtonGlyph(control, instance, spec.glyph));
        if (spec.flags & kDefaultButton) defaultButtonId_ = spec.id;
        if (spec.flags & kCancelButton) cancelButtonId_ = spec.id;
    }
}

const ControlSpec* Form::SpecOf(int id) const {
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
        Application::Current().HandleException();
    }
    HWND hwnd = window_.get();
    RECT r;
    GetWindowRect(hwnd, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
    PrepareToShow();
    ShowWindow(window_.get(), SW_SHOW);
    SetForegroundWindow(window_.get());
}

void Form::Hide() {
    ShowWindow(window_.get(), SW_HIDE);
}

void Form::ShowModal() {
    HWND hwnd = window_.get();
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
        PostMessageA(window_.get(), WM_NULL, 0, 0);  // wakes the modal loop
    } else {
        PostMessageA(window_.get(), WM_CLOSE, 0, 0);
    }
}

void Form::Release() {
    Application::Current().ReleaseForm(this);
}

void Form::SetCaption(const std::string& caption) {
    SetWindowTextA(window_.get(), caption.c_str());
}

SIZE Form::ClientSize() const {
    RECT r{};
    GetClientRect(window_.get(), &r);
    return SIZE{r.right, r.bottom};
}

void Form::SetClientSize(int width, int height) {
    HWND hwnd = window_.get();
    SIZE old = ClientSize();
    int dx = width - old.cx, dy = height - old.cy;
    for (std::size_t i = 0; i < count_; ++i) {
        const ControlSpec& spec = controls_[i];
        if (!(spec.flags & (kAnchorRight | kAnchorBottom))) continue;
        RECT r = ControlRect(spec.id);
        int left = r.left, top = r.top, w = r.right - r.left, h = r.bottom - r.top;
        if (spec.flags & kAnchorRight) {
            if (spec.flags & kNotAnchoredLeft)
                left += dx;
            else
                w = std::max(0, w + dx);
        }
        if (spec.flags & kAnchorBottom) h = std::max(0, h + dy);
        SetWindowPos(Control(spec.id), nullptr, left, top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
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
    if (const ControlSpec* spec = SpecOf(id))
        FitLabel(control, *spec, (spec->flags & kBold) ? boldFont_.get() : font_.get());
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
    MapWindowPoints(HWND_DESKTOP, window_.get(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Form::OnActivate(bool active) {
    HWND hwnd = window_.get();
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
    HWND hwnd = window_.get();
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsPushButton(child)) continue;
        bool isDefault =
            focusedButton ? child == focusedButton : GetDlgCtrlID(child) == defaultButtonId_;
        SendMessageA(child, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

// One click, one piece of work: a handler waiting in a modal box still receives the clicks
// (a posted BM_CLICK, say) that its disabled form is sent, and they must not start it again.
void Form::RunClick(int id) {
    if (clickRunning_) return;
    struct Running {
        Form* form;
        explicit Running(Form* f) : form(f) { form->clickRunning_ = true; }
        ~Running() {
            form->clickRunning_ = false;
            if (form->closeRequested_) PostMessageA(form->window_.get(), WM_CLOSE, 0, 0);
        }
    } running(this);
    OnClick(id);
}

bool Form::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = window_.get();
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
            char cls[16] = {};
            GetClassNameA(reinterpret_cast<HWND>(lParam), cls, sizeof cls);
            if (lstrcmpiA(cls, "Static") == 0) SetBkMode(dc, TRANSPARENT);
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
        case WM_DESTROY:
            if (Application::Current().MainForm() == this) PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            RemovePropA(hwnd, kFormProperty);
            window_.release();
            break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK Form::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Form* form = FromHandle(hwnd);
    if (!form) return DefWindowProcA(hwnd, msg, wParam, lParam);
    // No exception may cross into the system: it goes to the standard error box instead.
    try {
        return form->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        Application::Current().HandleException();
        return 0;
    }
}

}  // namespace ui
