// The clipboard as another program sees it.
#include "tests/support/Clipboard.h"

#include "ui/MessageLoop.h"
#include "ui/Window.h"
#include "win/Clipboard.h"
#include "win/UniqueHandle.h"

namespace support {
namespace {

constexpr UINT kPut = WM_APP + 1, kHold = WM_APP + 2, kRelease = WM_APP + 3;

// The holder's message-only window, on the holder's own thread.
class HolderWindow : public ui::Window {
  public:
    HolderWindow() {
        Create(ui::WindowClass{"QuorvinTestClipboardHolder"}, {0, 0, "", 0, 0, 0, 0, HWND_MESSAGE});
    }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        HWND hwnd = Handle();
        switch (msg) {
            case kPut:
                return Put(*reinterpret_cast<const std::string*>(lParam));
            case kHold:
                return OpenClipboard(hwnd);
            case kRelease:
                if (GetOpenClipboardWindow() == hwnd) CloseClipboard();
                return 0;
            case WM_CLOSE:
                DestroyWindow(hwnd);
                return 0;
            case WM_DESTROY:
                PostQuitMessage(0);
                return 0;
        }
        return Window::HandleMessage(msg, wParam, lParam);
    }

  private:
    BOOL Put(const std::string& text) {
        win::ClipboardSession clipboard(Handle());
        if (!clipboard.Opened()) return FALSE;
        win::UniqueHglobal block = win::ClipboardBlock(text.c_str(), text.size() + 1);
        if (!block) return FALSE;
        EmptyClipboard();
        return win::PlaceOnClipboard(CF_TEXT, std::move(block));
    }
};

// The whole block of a clipboard format, or nothing when there is none.
std::string ReadClipboardFormat(UINT format) {
    win::ClipboardSession clipboard(nullptr);
    if (!clipboard.Opened()) return std::string();
    HANDLE data = GetClipboardData(format);
    if (!data) return std::string();
    win::GlobalLockGuard locked(data);
    if (!locked.get()) return std::string();
    return std::string(static_cast<const char*>(locked.get()), GlobalSize(data));
}

}  // namespace

std::string ReadClipboardBlock() {
    return ReadClipboardFormat(CF_TEXT);
}

std::wstring ReadClipboardUnicode() {
    std::string bytes = ReadClipboardFormat(CF_UNICODETEXT);
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()),
                      bytes.size() / sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

ClipboardHolder::ClipboardHolder() : ready_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] { Run(); });
    WaitForSingleObject(ready_.get(), INFINITE);
}

ClipboardHolder::~ClipboardHolder() {
    SendMessageA(window_, kRelease, 0, 0);
    PostMessageA(window_, WM_CLOSE, 0, 0);
    thread_.join();
}

bool ClipboardHolder::Put(const std::string& text) {
    return SendMessageA(window_, kPut, 0, reinterpret_cast<LPARAM>(&text)) != 0;
}

bool ClipboardHolder::HoldOpen() {
    return SendMessageA(window_, kHold, 0, 0) != 0;
}

void ClipboardHolder::Release() {
    SendMessageA(window_, kRelease, 0, 0);
}

void ClipboardHolder::Run() {
    HolderWindow window;
    window_ = window.Handle();
    SetEvent(ready_.get());
    ui::PumpMessages(nullptr);
}

}  // namespace support
