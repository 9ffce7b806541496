// A version.dll planted beside a program, as a download into the same folder can leave one.
// Wine is told to prefer a native version.dll for the program, so that it searches the
// program's folder first, as Windows does for a DLL that is not a KnownDLL.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "resources/Version.h"
#include "tests/support/Driver.h"
#include "win/UniqueHandle.h"

namespace {

class PlantedDll : public ::testing::Test {
  protected:
    // A fresh download folder with the planted DLL and Quorvin.exe in it. The prefix, and the
    // folder with it, is thrown away after the run.
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
        folder_ = temp + std::string(testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        Copy("PlantedVersion.dll", "version.dll");
        Copy("Quorvin.exe", "Quorvin.exe");
    }

    // Runs a program of the build tree from the folder; returns its exit code.
    DWORD Run(const std::string& exe) const {
        Copy(exe, exe);
        // Wine's per-program override, read when the program starts; an environment variable
        // set here does not reach the child.
        std::string keyName = "Software\\Wine\\AppDefaults\\" + exe + "\\DllOverrides";
        win::UniqueHkey key;
        const char order[] = "native,builtin";
        if (RegCreateKeyExA(HKEY_CURRENT_USER, keyName.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                            nullptr, key.put(), nullptr) != ERROR_SUCCESS ||
            RegSetValueExA(key.get(), "version", 0, REG_SZ, reinterpret_cast<const BYTE*>(order),
                           sizeof order) != ERROR_SUCCESS)
            throw std::runtime_error("cannot set the DLL override of " + exe);
        return support::Program(Path(exe)).WaitExit();
    }

    void Copy(const std::string& from, const std::string& to) const {
        if (!CopyFileA((support::ExeDir() + "\\" + from).c_str(), Path(to).c_str(), FALSE))
            throw std::runtime_error("cannot copy " + from);
    }
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    bool PlantedDllRan() const {
        return GetFileAttributesA(Path("planted-dll-ran").c_str()) != INVALID_FILE_ATTRIBUTES;
    }

  private:
    std::string folder_;
};

// The control: without it, the cases below would also pass on a Wine that never loads the copy.
TEST_F(PlantedDll, IsLoadedThroughAStaticImport) {
    Run("StaticVersionImport.exe");
    EXPECT_TRUE(PlantedDllRan());
}

// The library's way to version.dll, in a program that loads nothing that would bring it in.
TEST_F(PlantedDll, IsPassedOverByTheProgramsOwnLoadOfVersionDll) {
    EXPECT_EQ(Run("SystemVersionCheck.exe"), 0u) << "the record's size did not come from System32";
    EXPECT_FALSE(PlantedDllRan());
}

// Wine's own user32.dll imports version.dll (Windows' does not), so under the override every
// program that uses user32 has the planted copy loaded before its first instruction, Quorvin.exe
// too: what Wine can show here is that the library reads through the system's copy all the same.
// That Quorvin.exe itself does not import version.dll the import-table check shows.
TEST_F(PlantedDll, DoesNotServeTheLibrarysVersionRecordReads) {
    EXPECT_EQ(Run("VersionReader.exe"), 0u);
    std::ifstream read(Path("version-read.txt"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(read), {}), QUORVIN_VERSION_TEXT);
}

}  // namespace
