// Every library message reaches the user through CExceptionMsg: real message boxes, read and
// answered from another thread.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "resources/Product.h"
#include "lib/ZDQException.h"
#include "lib/ZDQFunctions.h"
#include "lib/ZDQGlobalVars.h"
#include "lib/ZDQTimer.h"
#include "lib/ZDQUnits.h"
#include "tests/support/BoxRecorder.h"
#include "tests/AppFixture.h"
#include "ui/Application.h"
#include "win/WindowClass.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Follows one self-closing box: every title it shows, when it opened and when it was gone.
class CountdownWatcher {
  public:
    explicit CountdownWatcher(double closeAfterSeconds = -1)
        : thread_([this, closeAfterSeconds] { Watch(closeAfterSeconds); }) {}
    ~CountdownWatcher() {
        if (thread_.joinable()) thread_.join();
    }
    void Join() { thread_.join(); }

    std::vector<std::string> titles;
    double openedAt = -1, goneAt = -1;

  private:
    void Watch(double closeAfterSeconds) {
        Clock::time_point start = Clock::now();
        HWND box = support::WaitForDialog(GetCurrentProcessId());
        if (!box) return;
        openedAt = SecondsSince(start);
        while (IsWindow(box)) {
            std::string title = support::Text(box);
            // A box on its way out reads as having no title.
            if (!title.empty() && (titles.empty() || titles.back() != title))
                titles.push_back(title);
            if (closeAfterSeconds >= 0 && SecondsSince(start) - openedAt > closeAfterSeconds) {
                support::Answer(box, IDOK);
                closeAfterSeconds = -1;
            }
            Sleep(10);
        }
        goneAt = SecondsSince(start);
    }

    std::thread thread_;
};

class Presenter : public QuorvinAppTest {
  protected:
    // Shows a new exception and reads the box that comes up.
    support::MessageBoxView Show(std::unique_ptr<std::exception> e,
                                 const std::string& caption = std::string()) {
        support::BoxRecorder recorder;
        result = CExceptionMsg(std::move(e), -1, false, nullptr, 0, caption);
        std::vector<support::RecordedBox> boxes = recorder.Boxes();
        EXPECT_EQ(boxes.size(), 1u);
        return boxes.empty() ? support::MessageBoxView{} : boxes[0].view;
    }

    int result = 0;
};

TEST_F(Presenter, ShowsInformationWithTheInformationIconAndTheTitle) {
    support::MessageBoxView box = Show(std::make_unique<ECInformation>("保存しました"));
    EXPECT_EQ(box.text, "保存しました");
    EXPECT_EQ(box.caption, QUORVIN_PROGRAM_NAME);
    EXPECT_EQ(box.icon, support::BoxIcon::Information);
    EXPECT_EQ(box.owner, app->Handle());
    EXPECT_EQ(result, IDOK);
}

TEST_F(Presenter, ChoosesTheIconByTheExceptionsFlags) {
    EXPECT_EQ(Show(std::make_unique<ECInternalError>("x")).icon, support::BoxIcon::Error);
    EXPECT_EQ(Show(std::make_unique<ECPermissionError>("")).icon, support::BoxIcon::Error);
    EXPECT_EQ(Show(std::make_unique<ECThisConstructorIsDisabled>()).icon, support::BoxIcon::None);
    support::MessageBoxView outsider = Show(std::make_unique<std::runtime_error>("外部"));
    EXPECT_EQ(outsider.icon, support::BoxIcon::Error);
    EXPECT_EQ(outsider.text, "外部");
}

TEST_F(Presenter, FallsBackToTheTitleForABlankCaptionOnly) {
    EXPECT_EQ(Show(std::make_unique<ECInformation>("a"), "   ").caption, QUORVIN_PROGRAM_NAME);
    EXPECT_EQ(Show(std::make_unique<ECInformation>("a"), "　 　").caption, QUORVIN_PROGRAM_NAME);
    EXPECT_EQ(Show(std::make_unique<ECInformation>("a"), " 見出し　").caption, " 見出し　");
}

TEST_F(Presenter, CountsDownInTheTitleAndClosesAfterTheTimeout) {
    win::UniqueHwnd other(CreateWindowExA(0, win::kStaticClass, "other", WS_POPUP | WS_VISIBLE, 0,
                                          0, 50, 50, nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(app->Handle());
    CountdownWatcher watcher;
    CExceptionMsg(std::make_unique<ECInformation>("閉じます"), 3, true, other.get(), 0, "題");
    watcher.Join();
    EXPECT_EQ(watcher.titles, (std::vector<std::string>{"題", "題 - あと 2 秒で閉じます",
                                                        "題 - あと 1 秒で閉じます"}));
    double open = watcher.goneAt - watcher.openedAt;
    EXPECT_GT(open, 2.5);
    EXPECT_LT(open, 8.0);
    EXPECT_EQ(GetForegroundWindow(), other.get());
}

TEST_F(Presenter, KeepsTheTitleWithoutCountdown) {
    CountdownWatcher watcher;
    CExceptionMsg(std::make_unique<ECInformation>("x"), 2, false, nullptr, 0, "");
    watcher.Join();
    EXPECT_EQ(watcher.titles, std::vector<std::string>{QUORVIN_PROGRAM_NAME});
    EXPECT_GT(watcher.goneAt - watcher.openedAt, 1.5);
}

TEST_F(Presenter, ZeroTimeoutClosesAtTheFirstTick) {
    CountdownWatcher watcher;
    CExceptionMsg(std::make_unique<ECInformation>("x"), 0, true, nullptr, 0, "");
    watcher.Join();
    double open = watcher.goneAt - watcher.openedAt;
    EXPECT_GT(open, 0.5);
    EXPECT_LT(open, 6.0);
}

TEST_F(Presenter, ClosingASelfClosingBoxEarlyStopsItsTimer) {
    win::UniqueHwnd other(CreateWindowExA(0, win::kStaticClass, "other", WS_POPUP | WS_VISIBLE, 0,
                                          0, 50, 50, nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(app->Handle());
    CountdownWatcher watcher(0.2);
    int closed = CExceptionMsg(std::make_unique<ECInformation>("x"), 3, true, other.get(), 0, "");
    watcher.Join();
    EXPECT_EQ(closed, IDOK);
    EXPECT_EQ(FindWindowExA(HWND_MESSAGE, nullptr, TCTimer::kWindowClass, nullptr), nullptr);
    // Ticks would have come by now; none may run, so nothing is brought forward.
    MSG msg;
    DWORD until = GetTickCount() + 3500;
    while (GetTickCount() < until) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(20);
    }
    EXPECT_NE(GetForegroundWindow(), other.get());
}

TEST_F(Presenter, ShowsTheExceptionBeingHandledWithoutFreeingIt) {
    long before = lib::Exception::LiveInstances();
    try {
        throw ECInternalError("処理中");
    } catch (const ECException& handled) {
        support::BoxRecorder recorder;
        CExceptionMsg(handled);
        EXPECT_EQ(recorder.Boxes().size(), 1u);
        EXPECT_EQ(lib::Exception::LiveInstances(), before + 1);
        EXPECT_STREQ(handled.what(), "処理中");
    }
    EXPECT_EQ(lib::Exception::LiveInstances(), before);
}

TEST_F(Presenter, ReportsAProviderOperationThatIsNotSupplied) {
    support::BoxRecorder recorder;
    EXPECT_EQ(gExceptionMsgProvider->Message(), "");
    std::vector<support::RecordedBox> boxes = recorder.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].view.text,
              "TCMessageProvider_ZDQException クラスで未実装のメソッド Message が呼び出されました");
    EXPECT_EQ(boxes[0].view.icon, support::BoxIcon::Error);
    EXPECT_EQ(boxes[0].view.caption, QUORVIN_PROGRAM_NAME);
}

TEST_F(Presenter, APresenterWithoutItsOperationsRaisesAndStillFreesTheException) {
    std::unique_ptr<TCMPObject> installed = std::move(gMPObject);
    gMPObject.reset(new TCMPObject(nullptr));
    long before = lib::Exception::LiveInstances();
    try {
        CExceptionMsg(std::make_unique<ECInformation>("x"));
        ADD_FAILURE() << "no exception";
    } catch (const ECIncompleteCode& e) {
        EXPECT_EQ(e.Message().rfind("TCMPObject", 0), 0u) << e.Message();
    }
    EXPECT_EQ(lib::Exception::LiveInstances(), before);
    gMPObject = std::move(installed);
}

TEST_F(Presenter, WithoutAPresenterRaisesAndStillFreesTheException) {
    std::unique_ptr<TCMPObject> installed = std::move(gMPObject);
    long before = lib::Exception::LiveInstances();
    try {
        CExceptionMsg(std::make_unique<ECInformation>("x"));
        ADD_FAILURE() << "no exception";
    } catch (const ECIncompleteCode& e) {
        EXPECT_EQ(
            e.Message(),
            "CExceptionMsg 関数の動作に必要な gMPObject のインスタンスが初期化されていません");
    }
    EXPECT_EQ(lib::Exception::LiveInstances(), before);
    gMPObject = std::move(installed);
}

TEST_F(Presenter, LeavesNothingBehindAfterManyMessages) {
    auto gui = [](DWORD kind) { return GetGuiResources(GetCurrentProcess(), kind); };
    // Warm up: the first box loads what every later one shares.
    Show(std::make_unique<ECInformation>("warm-up"));
    DWORD gdi = gui(GR_GDIOBJECTS), user = gui(GR_USEROBJECTS);
    std::size_t windows = support::ProcessWindows(GetCurrentProcessId());
    long exceptions = lib::Exception::LiveInstances();
    {
        support::BoxRecorder recorder;
        // A leak of one window, exception or GDI object a message shows well within a hundred.
        for (int i = 0; i < 100; ++i) {
            if (i % 50 == 49)
                CExceptionMsg(std::make_unique<ECInformation>("self"), 0, true, nullptr, 0, "");
            else
                CExceptionMsg(std::make_unique<ECInternalError>(std::to_string(i)));
        }
    }
    EXPECT_EQ(lib::Exception::LiveInstances(), exceptions);
    EXPECT_EQ(support::ProcessWindows(GetCurrentProcessId()), windows);
    // Wine answers 0 for both counts; Windows gives real ones.
    EXPECT_LE(gui(GR_GDIOBJECTS), gdi + 2);
    EXPECT_LE(gui(GR_USEROBJECTS), user + 2);
}

}  // namespace
