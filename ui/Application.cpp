// The application object of the windowing layer.
#include "ui/Application.h"

#include <stdexcept>

#include "ui/Form.h"
#include "ui/MessageLoop.h"
#include "ui/ModalScope.h"
#include "ui/Picture.h"
#include "win/ProgramInstance.h"
#include "win/ShiftJis.h"

namespace ui {
namespace {

Application* gCurrent = nullptr;

// Posted to the owner window to destroy a released form.
constexpr UINT kReleaseForm = WM_APP + 0x100;

}  // namespace

// The hidden top-level window that owns the program's message boxes and destroys released
// forms from the message loop.
class Application::OwnerWindow : public Window {
  public:
    OwnerWindow(Application& application, HICON icon) : application_(application) {
        WindowClass windowClass{kClassName};
        windowClass.icon = icon;
        Create(windowClass, {0, WS_POPUP, application.Title().c_str(), 0, 0, 0, 0, nullptr});
    }
    // The class holds the application's icon, which goes with the application: the next
    // application of the process registers the class anew, with an icon of its own.
    ~OwnerWindow() override {
        Destroy();
        UnregisterClassW(win::FromShiftJis(kClassName).c_str(), win::ProgramInstance());
    }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != kReleaseForm) return Window::HandleMessage(msg, wParam, lParam);
        application_.DestroyForm(reinterpret_cast<Form*>(lParam));
        return 0;
    }

  private:
    static constexpr char kClassName[] = "TApplication";

    Application& application_;
};

Application::Application(const ApplicationSetup& setup)
    : title_(setup.title),
      unknownErrorText_(setup.unknownErrorText),
      iconName_(setup.iconName),
      icon_(LoadIconResource(win::ProgramInstance(), setup.iconName, GetSystemMetrics(SM_CXICON))) {
    if (gCurrent) throw std::logic_error("only one application object may exist");
    window_ = std::make_unique<OwnerWindow>(*this, icon_.get());
    // Only a complete application is the process's, and hears of the window layer's errors.
    gCurrent = this;
    SetErrorSink(&Application::ReportEscaped);
}

Application::~Application() {
    DestroyForms();
    SetErrorSink(nullptr);
    gCurrent = nullptr;
}

Application& Application::Current() {
    if (!gCurrent) throw std::logic_error("no application object");
    return *gCurrent;
}

Application* Application::Find() noexcept {
    return gCurrent;
}

HWND Application::Handle() const {
    return window_->Handle();
}

void Application::Adopt(std::unique_ptr<Form> form, bool mayBeMain) {
    if (!mainForm_ && mayBeMain) {
        mainForm_ = form.get();
        mainForm_->EndMessageLoopOnDestroy();
    }
    forms_.push_back(std::move(form));
}

void Application::Run() {
    if (!mainForm_) return;
    mainForm_->Show();
    PumpMessages(&Form::TakesDialogKeys);
    DestroyForms();
}

void Application::DestroyForms() noexcept {
    while (!forms_.empty()) forms_.pop_back();
    mainForm_ = nullptr;
}

int Application::ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
    ModalScope modal;
    return ::MessageBoxW(Handle(), win::FromShiftJis(text).c_str(),
                         win::FromShiftJis(caption).c_str(), flags);
}

void Application::ReleaseForm(Form* form) {
    PostMessageA(Handle(), kReleaseForm, 0, reinterpret_cast<LPARAM>(form));
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
    // Nothing sensible is left to report with when the box itself fails; the program goes on.
    try {
        throw;
    } catch (const std::logic_error&) {
        ShowUnknownError();
    } catch (const std::exception& e) {
        try {
            ShowException(e);
        } catch (...) {
        }
    } catch (...) {
        ShowUnknownError();
    }
}

void Application::ShowUnknownError() noexcept {
    try {
        ShowException(std::runtime_error(unknownErrorText_));
    } catch (...) {
    }
}

void Application::ReportEscaped() noexcept {
    if (Application* application = Find()) application->HandleException();
}

}  // namespace ui
