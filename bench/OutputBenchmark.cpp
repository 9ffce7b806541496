// Times the clipboard output end to end, from the click to the information box, beside the
// report build alone, for 1,000 uninstall entries. Run: bash scripts/bench.sh
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/Report.h"
#include "tests/driver/Clipboard.h"
#include "tests/driver/Driver.h"
#include "tests/driver/Uninstall.h"
#include "tests/driver/TestApplication.h"

namespace {

constexpr int kEntries = 1000;
constexpr int kRuns = 5;

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// One run of the real program: click "copy", wait for the information box, close it.
double ClickToInformation() {
    driver::Program program;
    HWND window =
        program.WaitForWindow("TfrmQuorvinMain", "Brindlex - アプリケーションの一覧を取得");
    HWND copy = driver::FindChild(window, "Button", "クリップボードにコピー(&C)");
    double start = Now();
    driver::Click(copy);
    HWND box = driver::WaitForWindow(program.Pid(), "#32770", "Quorvin");
    double end = Now();
    driver::Answer(box, IDOK);
    program.WaitExit();
    return end - start;
}

}  // namespace

int main() {
    auto app = driver::MakeQuorvinApplication();

    driver::ResetUninstallKey();
    for (int i = 0; i < kEntries; ++i) {
        char key[32], name[64];
        wsprintfA(key, "{%08d-app}", i);
        wsprintfA(name, "Application %d 表計算ソフト", i);
        driver::AddDisplayName(key, name);
    }
    // The program empties the clipboard, which waits on the previous owner: keep one pumping.
    driver::ClipboardHolder holder;
    holder.Put("previous");

    std::vector<double> builds, outputs;
    std::vector<std::string> lines;
    for (int i = 0; i < kRuns; ++i) {
        double start = Now();
        BuildInstalledApplicationsReport(lines);
        builds.push_back(Now() - start);
        outputs.push_back(ClickToInformation());
    }
    std::printf("%d entries, median of %d runs\n", kEntries, kRuns);
    std::printf("  report build alone:                  %8.1f ms\n", Median(builds) * 1e3);
    std::printf("  clipboard output, click to message:  %8.1f ms\n", Median(outputs) * 1e3);
    return 0;
}
