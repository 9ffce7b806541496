// Times the report build, which reads both registry views, against the size-then-read loop
// over the one view that holds the entries (enumerate, open, ask the size, read, close),
// round by round (build, loop, build, loop ...) so that a change of the machine's load falls
// on both. Prints microseconds per entry, min and median, and the median of the rounds'
// ratios; first what 200 packaged applications with names to resolve cost. Run:
// bash scripts/bench.sh
#include <windows.h>

#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Packages.h"
#include "app/Report.h"
#include "resources/RegistryNames.h"
#include "tests/bench/Run.h"
#include "tests/bench/Timing.h"
#include "tests/support/Packages.h"
#include "tests/support/Uninstall.h"
#include "win/UniqueHandle.h"

namespace {

// The program's path from the root key, here relative to it.
constexpr const char* kUninstall = kUninstallKeyPath + 1;
constexpr int kRounds = 15;
constexpr int kBits = sizeof(void*) * 8;

// The size-then-read loop over one view: enumerate, open, ask the size, read, close.
void BareLoop() {
    win::UniqueHkey root;
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
        win::UniqueHkey sub;
        if (RegOpenKeyExA(root.get(), name.data(), 0, KEY_READ, sub.put()) != ERROR_SUCCESS)
            continue;
        DWORD type = 0, size = 0;
        if (RegQueryValueExW(sub.get(), kDisplayNameValue, nullptr, &type, nullptr, &size) !=
                ERROR_SUCCESS ||
            size == 0)
            continue;
        value.resize(size);
        RegQueryValueExW(sub.get(), kDisplayNameValue, nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data()), &size);
    }
}

std::string PerEntry(const bench::Samples& samples, int entries) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f/%.1f", samples.Min() * 1e6 / entries,
                  samples.Median() * 1e6 / entries);
    return text;
}

// The build must read what was seeded: the header and one line per entry, and no error.
void CheckTheBuildReads(int entries) {
    InstalledApplicationsReport report = BuildInstalledApplicationsReport();
    if (report.error) throw std::runtime_error("the build stopped: " + *report.error);
    if (report.lines.size() != support::ExpectedReport().size() + entries)
        throw std::runtime_error("the build read " + std::to_string(report.lines.size()) +
                                 " lines for " + std::to_string(entries) + " entries");
}

// Packages with indirect names and resource references: the registry's part of their cost,
// with a resolver that answers at once, and the whole with the system's resolver (Wine
// resolves none).
std::optional<std::wstring> ResolveAtOnce(const std::wstring&) {
    return L"Resolved Name";
}

void TimePackages() {
    constexpr int kPackages = 200;
    support::RemovePackages();
    support::AddStorePackages(kPackages);
    if (PackagedApplicationNames(&ResolveAtOnce).size() != kPackages)
        throw std::runtime_error("the packages were not all read");
    bench::Samples seam, system;
    for (int round = 0; round < kRounds; ++round) {
        seam.Add(bench::Seconds([] { PackagedApplicationNames(&ResolveAtOnce); }));
        system.Add(bench::Seconds([] { PackagedApplicationNames(&win::LoadIndirectString); }));
    }
    std::printf("%d packages, us per package: resolver on a seam %s, the system's %s\n", kPackages,
                PerEntry(seam, kPackages).c_str(), PerEntry(system, kPackages).c_str());
    support::RemovePackages();
}

void Run() {
    TimePackages();
    std::printf("%d-bit: us per entry, min/median of %d rounds\n", kBits, kRounds);
    std::printf("%7s %11s %11s %10s\n", "entries", "build", "bare loop", "build/bare");
    for (int entries : {1000, 10000}) {
        support::ResetUninstallKeys();
        for (int i = 0; i < entries; ++i) {
            char key[32], name[64];
            wsprintfA(key, "{%08d-app}", i);
            wsprintfA(name, "  Application %d 表計算ソフト  ", i);
            support::AddDisplayName(key, name);
        }
        CheckTheBuildReads(entries);
        bench::Samples build, bare, ratio;
        BareLoop();  // warm the registry once
        for (int round = 0; round < kRounds; ++round) {
            double b = bench::Seconds([] { BuildInstalledApplicationsReport(); });
            double l = bench::Seconds(BareLoop);
            build.Add(b);
            bare.Add(l);
            ratio.Add(b / l);
        }
        std::printf("%7d %11s %11s %10.2f\n", entries, PerEntry(build, entries).c_str(),
                    PerEntry(bare, entries).c_str(), ratio.Median());
        std::fflush(stdout);
    }
}

}  // namespace

int main() {
    return bench::Run("ReportBenchmark", Run);
}
