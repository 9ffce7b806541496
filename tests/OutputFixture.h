// The real Quorvin.exe started on a registry that the test seeds, with the steps of its two
// outputs as a user takes them: shared by the output tests.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "tests/support/Driver.h"
#include "win/WindowClass.h"

namespace output {

extern const std::string kSaved;
extern const std::string kCopied;
extern const std::string kNoApplications;
extern const std::string kBadType;

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

class OutputFixture : public ::testing::Test {
  protected:
    // Empty uninstall keys in both views, no packages and a fresh folder for the files of the
    // test.
    void SetUp() override;

    void Start();
    HWND Button(const char* text) const {
        return support::FindChild(window, win::kButtonClass, text);
    }
    // The save dialog, opened with Enter as a user would right after the start.
    HWND OpenSaveDialog();
    // The next message box of the program, read and answered with OK.
    support::MessageBoxView NextBox(bool* mainVisible = nullptr);
    // The next message box of the program, read but left open.
    HWND WaitForBox();
    // The report the program copies, up to its NUL, read while its information message is up;
    // with its Unicode form too when asked for.
    std::string CopiedReport(std::wstring* unicode = nullptr);
    // Nothing pops up for a while, and the main window is still there.
    void ExpectStillWaiting();
    void ExitNormally();

    std::string folder;
    std::unique_ptr<support::Program> program;
    HWND window = nullptr;
};

}  // namespace output
