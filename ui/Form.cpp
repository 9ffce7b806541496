// A top-level window built from a layout table.
#include "ui/Form.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <string>

#include "ui/Application.h"
#include "ui/Controls.h"

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

bool IsPushButton(HWND hwnd) {
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") != 0) return false;
    LONG type = GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

}  // namespace

Form::Form(const FormSpec& form, const ControlSpec* controls, std::size_t count) {
    Application& app = Application::Current();
    RegisterFormClass(app.Instance(), form.className);

    font_.reset(CreateFontA(-form.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, form.charset,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, form.fontFace));

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
    CreateControls(controls, count);
}

Form::~Form() {
    // The window goes first: its buttons still draw with the glyph lists until then.
    window_.reset();
}

Form* Form::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<Form*>(GetPropA(hwnd, kFormProperty)) : nullptr;
}

void Form::CreateControls(const ControlSpec* controls, std::size_t count) {
    // Creation order is the tab order: labels (no tab stop) first, then by tab position.
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [controls](std::size_t a, std::size_t b) {
        return controls[a].tabOrder < controls[b].tabOrder;
    });
    HINSTANCE instance = Application::Current().Instance();
    for (std::size_t i : order) {
        const ControlSpec& spec = controls[i];
        HWND control = CreateControl(window_.get(), spec, font_.get());
        if (spec.glyph) glyphs_.push_back(SetButtonGlyph(control, instance, spec.glyph));
        if (spec.flags & kDefaultButton) defaultButtonId_ = spec.id;
    }
}

void Form::Show() {
    HWND hwnd = window_.get();
    if (!shown_) {
        RECT r;
        GetWindowRect(hwnd, &r);
        int width = r.right - r.left, height = r.bottom - r.top;
        SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        shown_ = true;
    }
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
}

void Form::Hide() {
    ShowWindow(window_.get(), SW_HIDE);
}

void Form::Close() {
    PostMessageA(window_.get(), WM_CLOSE, 0, 0);
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
                    // IsDialogMessage turns Escape into IDCANCEL and a plain Enter into IDOK;
                    // no control carries those ids, so both do nothing here.
                    if (lParam) OnClick(id);
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
        case WM_CTLCOLORSTATIC:
            // Labels are transparent on the button-face background.
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
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
