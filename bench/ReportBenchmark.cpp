// Times the report build against the registry's own floor and against "reg query /s", for
// growing numbers of uninstall entries. Run: bash scripts/bench.sh
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/Report.h"
#include "tests/driver/Uninstall.h"
#include "tests/driver/TestApplication.h"
#include "ui/UniqueHandle.h"

namespace {

constexpr char kUninstall[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr int kRuns = 5;

double Seconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

double Median(const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) times.push_back(Seconds(work));
    std::sort(times.begin(), times.end());
    return times[kRuns / 2];
}

// The least any reader must do: enumerate, open, ask the size, read, close.
void BareLoop() {
    ui::UniqueHkey root;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstall, 0, KEY_READ, root.put()) != ERROR_SUCCESS)
        return;
    DWORD count = 0, longest = 0;
    RegQueryInfoKeyA(root.get(), nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr);
    std::vector<char> name(2 * longest + 2);
    std::vector<char> value;
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(root.get(), i, name.data(), &length, nullptr, nullptr, nullptr,
                          nullptr) != ERROR_SUCCESS)
            continue;
        ui::UniqueHkey sub;
        if (RegOpenKeyExA(root.get(), name.data(), 0, KEY_READ, sub.put()) != ERROR_SUCCESS)
            continue;
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(sub.get(), "DisplayName", nullptr, &type, nullptr, &size) !=
                ERROR_SUCCESS ||
            size == 0)
            continue;
        value.resize(size);
        RegQueryValueExA(sub.get(), "DisplayName", nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data()), &size);
    }
}

void RegQuery() {
    ui::UniqueFile nul(
        CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = nul.get();
    PROCESS_INFORMATION pi{};
    std::string command = std::string("reg.exe query \"HKLM\\") + kUninstall + "\" /s";
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                        &pi))
        return;
    ui::UniqueKernelHandle process(pi.hProcess), thread(pi.hThread);
    WaitForSingleObject(process.get(), INFINITE);
}

}  // namespace

int main() {
    auto app = driver::MakeQuorvinApplication();

    std::printf("%8s %16s %16s %16s %12s\n", "entries", "BuildReport", "bare loop", "reg query /s",
                "ratio");
    std::printf("%8s %16s %16s %16s %12s\n", "", "(us/entry)", "(us/entry)", "(us/entry)",
                "build/bare");
    for (int entries : {100, 1000, 10000}) {
        driver::ResetUninstallKey();
        for (int i = 0; i < entries; ++i) {
            char key[32], name[64];
            wsprintfA(key, "{%08d-app}", i);
            wsprintfA(name, "  Application %d 表計算ソフト  ", i);
            driver::AddDisplayName(key, name);
        }
        std::vector<std::string> lines;
        BuildInstalledApplicationsReport(lines);  // warm the registry once
        double build = Median([&] { BuildInstalledApplicationsReport(lines); });
        double bare = Median(BareLoop);
        double reg = Median(RegQuery);
        std::printf("%8d %16.2f %16.2f %16.2f %12.3f\n", entries, build * 1e6 / entries,
                    bare * 1e6 / entries, reg * 1e6 / entries, build / bare);
    }
    return 0;
}
