// The application object of the windowing layer.
#include "ui/Application.h"

#include <stdexcept>

#include "ui/Form.h"
#include "ui/ModalScope.h"

namespace ui {
namespace {

constexpr char kWindowClass[] = "TApplication";
constexpr char kIconName[] = "MAINICON";
Application* gCurrent = nullptr;

LRESULT CALLBACK HiddenWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kReleaseForm && gCurrent) {
        gCurrent->DestroyForm(reinterpret_cast<Form*>(lParam));
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

Application::Application() {
    if (gCurrent) throw std::logic_error("only one application object may exist");
    gCurrent = this;
}

Application::~Application() {
    DestroyForms();
    gCurrent = nullptr;
}

Application& Application::Current() {
    if (!gCurrent) throw std::logic_error("no application object");
    return *gCurrent;
}

void Application::Initialize(HINSTANCE instance) {
    instance_ = instance;
    icon_.reset(
        static_cast<HICON>(LoadImageA(instance, kIconName, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    smallIcon_.reset(static_cast<HICON>(LoadImageA(instance, kIconName, IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0)));

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = HiddenWindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon_.get();
    wc.lpszClassName = kWindowClass;
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("cannot register the application window class");
    window_.reset(CreateWindowExA(0, kWindowClass, title_.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, nullptr));
    if (!window_) throw std::runtime_error("cannot create the application window");
}

void Application::SetTitle(const std::string& title) {
    title_ = title;
    if (window_) SetWindowTextA(window_.get(), title_.c_str());
}

void Application::Adopt(std::unique_ptr<Form> form, bool mayBeMain) {
    if (!mainForm_ && mayBeMain) mainForm_ = form.get();
    forms_.push_back(std::move(form));
}

void Application::Run() {
    if (!mainForm_) return;
    mainForm_->Show();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        Form* form = Form::FromHandle(GetAncestor(msg.hwnd, GA_ROOT));
        if (form && IsDialogMessageA(form->Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DestroyForms();
}

void Application::DestroyForms() noexcept {
    while (!forms_.empty()) forms_.pop_back();
    mainForm_ = nullptr;
}

int Application::ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
    ModalScope modal;
    return ::MessageBoxA(window_.get(), text.c_str(), caption.c_str(), flags);
}

void Application::ReleaseForm(Form* form) {
    PostMessageA(window_.get(), kReleaseForm, 0, reinterpret_cast<LPARAM>(form));
}

void Application::DestroyForm(Form* form) noexcept {
    for (auto it = forms_.begin(); it != forms_.end(); ++it)
        if (it->get() == form) {
            forms_.erase(it);
            return;
        }
}

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

void Application::ShowException(const std::exception& e) {
    ShowMessageBox(ErrorBoxText(e.what()), title_, MB_OK | MB_ICONERROR);
}

void Application::HandleException() noexcept {
    try {
        throw;
    } catch (const std::exception& e) {
        try {
            ShowException(e);
        } catch (...) {
            // Nothing sensible is left to report with; the program goes on waiting.
        }
    } catch (...) {
        try {
            ShowException(std::runtime_error("予期しないエラーが発生しました"));
        } catch (...) {
        }
    }
}

}  // namespace ui
