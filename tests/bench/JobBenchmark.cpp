// Times the whole job as a user sees it, from the start of Quorvin.exe to its information
// box after a click on "copy", with N uninstall entries and 200 packaged applications, against
// Wine's "uninstaller --list" and "reg query /s" of the same bitness on the same registry, each
// a whole process started from here. The three alternate round by round. Prints milliseconds, min
// and median, and the job's time as a share of the others' (the median of the rounds' ratios). Run:
// bash scripts/bench.sh
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/bench/Run.h"
#include "tests/bench/Timing.h"
#include "resources/Product.h"
#include "resources/RegistryNames.h"
#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "tests/support/Clipboard.h"
#include "tests/support/Driver.h"
#include "tests/support/Packages.h"
#include "tests/support/Uninstall.h"
#include "win/ShiftJis.h"
#include "win/UniqueHandle.h"
#include "win/WindowClass.h"

namespace {

// The program's path from the root key, here relative to it.
constexpr const char* kUninstall = kUninstallKeyPath + 1;
constexpr DWORD kJobTimeoutMs = 300000;
constexpr int kBits = sizeof(void*) * 8;

struct Size {
    int entries;
    int rounds;
};
constexpr Size kSizes[] = {{1000, 9}, {10000, 7}, {50000, 3}};
// Packaged applications of the user beside the uninstall entries, as on a Windows 11 machine.
constexpr int kPackages = 200;

// Entries as installers leave them: a display name and an uninstall command; and packages.
void Seed(int entries) {
    support::ResetUninstallKeys();
    support::RemovePackages();
    support::AddStorePackages(kPackages);
    win::UniqueHkey uninstall;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstall, 0, KEY_ALL_ACCESS, uninstall.put()) !=
        ERROR_SUCCESS)
        throw std::runtime_error("no uninstall key");
    for (int i = 0; i < entries; ++i) {
        char key[32], name[64], command[64];
        wsprintfA(key, "{%08d-app}", i);
        wsprintfA(name, "Application %d 表計算ソフト", i);
        wsprintfA(command, "C:\\Program Files\\App%d\\uninstall.exe", i);
        win::UniqueHkey entry;
        if (RegCreateKeyExA(uninstall.get(), key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            entry.put(), nullptr) != ERROR_SUCCESS ||
            RegSetValueExA(entry.get(), win::ToShiftJis(kDisplayNameValue).c_str(), 0, REG_SZ,
                           reinterpret_cast<BYTE*>(name), lstrlenA(name) + 1) != ERROR_SUCCESS ||
            RegSetValueExA(entry.get(), "UninstallString", 0, REG_SZ,
                           reinterpret_cast<BYTE*>(command),
                           lstrlenA(command) + 1) != ERROR_SUCCESS)
            throw std::runtime_error(std::string("cannot seed ") + key);
    }
    DWORD count = 0;
    RegQueryInfoKeyA(uninstall.get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr);
    if (count != static_cast<DWORD>(entries))
        throw std::runtime_error("seeded " + std::to_string(count) + " entries, not " +
                                 std::to_string(entries));
}

// The lines of a report on the clipboard, each ending in CR LF.
std::size_t ReportLines(const std::string& block) {
    std::size_t lines = 0;
    for (std::size_t at = block.find("\r\n"); at != std::string::npos;
         at = block.find("\r\n", at + 2))
        ++lines;
    return lines;
}

// The program from its start to the information box of the clipboard output. The box is
// taken for the end of the job only if the clipboard then holds the whole report: the header
// and one line per entry.
double QuorvinJob(int entries) {
    double start = bench::Now();
    support::Program program;
    HWND window = program.WaitForWindow(kMainWindowClass, kMainWindowCaption);
    if (!window) throw std::runtime_error("no main window");
    support::Click(support::FindChild(window, win::kButtonClass, kCopyButtonCaption));
    HWND box = program.WaitForWindow(win::kDialogClass, QUORVIN_PROGRAM_NAME, kJobTimeoutMs);
    double seconds = bench::Now() - start;
    if (!box) throw std::runtime_error("no information box");
    std::size_t lines = ReportLines(support::ReadClipboardBlock());
    support::Answer(box, IDOK);
    program.WaitExit();
    if (lines != support::ExpectedReport().size() + entries + kPackages)
        throw std::runtime_error("the job copied " + std::to_string(lines) + " lines for " +
                                 std::to_string(entries) + " entries");
    return seconds;
}

// A console program from its start to its end, its output thrown away.
double WholeProcess(std::string commandLine) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    win::UniqueFile nul(
        CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr));
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = si.hStdOutput = si.hStdError = nul.get();
    PROCESS_INFORMATION pi{};
    double start = bench::Now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &si, &pi))
        throw std::runtime_error("cannot start " + commandLine);
    win::UniqueKernelHandle process(pi.hProcess), thread(pi.hThread);
    WaitForSingleObject(process.get(), INFINITE);
    double seconds = bench::Now() - start;
    DWORD code = 1;
    GetExitCodeProcess(process.get(), &code);
    if (code != 0) throw std::runtime_error(commandLine + " failed with " + std::to_string(code));
    return seconds;
}

std::string MinMedian(const bench::Samples& samples) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f/%.0f", samples.Min() * 1e3, samples.Median() * 1e3);
    return text;
}

double Uninstaller() {
    return WholeProcess("uninstaller.exe --list");
}

double RegQuery() {
    return WholeProcess(std::string("reg.exe query \"HKLM\\") + kUninstall + "\" /s");
}

void Run() {
    // Hiding a window waits up to 2 s for a window manager's answer under Wine's managed mode,
    // and the benchmark's display has none: Quorvin is unmanaged here, as on a desktop it
    // would get its answer at once.
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Quorvin.exe\\X11 Driver",
                    "Managed", REG_SZ, "N", 2);
    std::printf("%d-bit: ms from start to information box (job),\n", kBits);
    std::printf("whole-process ms of the others, min/median\n");
    std::printf("%7s %11s %11s %11s %5s %5s\n", "entries", "job", "uninstaller", "reg query",
                "/unin", "/reg");
    for (const Size& size : kSizes) {
        Seed(size.entries);
        Uninstaller();  // warm the registry and the loader once
        QuorvinJob(size.entries);
        bench::Samples job, uninstaller, reg, toUninstaller, toReg;
        for (int round = 0; round < size.rounds; ++round) {
            double j, u, r;
            // The order turns round by round, so that no program always runs first.
            if (round % 2 == 0) {
                j = QuorvinJob(size.entries);
                u = Uninstaller();
                r = RegQuery();
            } else {
                r = RegQuery();
                u = Uninstaller();
                j = QuorvinJob(size.entries);
            }
            job.Add(j);
            uninstaller.Add(u);
            reg.Add(r);
            toUninstaller.Add(j / u);
            toReg.Add(j / r);
        }
        std::printf("%7d %11s %11s %11s %5.2f %5.2f\n", size.entries, MinMedian(job).c_str(),
                    MinMedian(uninstaller).c_str(), MinMedian(reg).c_str(), toUninstaller.Median(),
                    toReg.Median());
        std::fflush(stdout);
    }
}

}  // namespace

int main() {
    return bench::Run("JobBenchmark", Run);
}
