// The installed-applications report, built from the real registry of the test's Wine prefix.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/Report.h"
#include "lib/ZDQFunctions.h"
#include "support/Uninstall.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kNoApplications =
    "アプリケーションがまったくインストールされていないか、レジストリが壊れています";
const std::string kBadType = "'DisplayName' のデータ型が不正です";

Lines Header() {
    return driver::ExpectedReport();
}

Lines HeaderAnd(const Lines& names) {
    return driver::ExpectedReport(names);
}

std::string Dword(DWORD value) {
    return std::string(reinterpret_cast<char*>(&value), 4);
}

class Report : public ::testing::Test {
  protected:
    void SetUp() override { driver::ResetUninstallKeys(); }

    // Builds the report and keeps the error that stopped it, if any.
    Lines Build() {
        InstalledApplicationsReport report = BuildInstalledApplicationsReport();
        error = report.error;
        return report.lines;
    }

    // The build's error message as a list: none, or the one.
    std::vector<std::string> Messages() const {
        return error ? std::vector<std::string>{*error} : std::vector<std::string>{};
    }

    std::optional<std::string> error;
};

TEST_F(Report, NamesTheComputerAndTheUserInItsHeader) {
    char computer[256] = {}, user[256] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    size = sizeof user;
    GetUserNameA(user, &size);
    EXPECT_EQ(GetLocalComputerName(), computer);
    EXPECT_EQ(GetLogonUserName(), user);
    EXPECT_FALSE(GetLocalComputerName().empty());
    driver::AddBareEntry("a");
    EXPECT_EQ(Build(), Header());
    EXPECT_FALSE(error);
}

TEST_F(Report, ListsTrimmedDisplayNamesInEnumerationOrderKeepingDuplicates) {
    driver::AddDisplayName("01", "  Alpha Tool\t");
    driver::AddDisplayName("02", "\r\nBeta\r\n");
    driver::AddDisplayName("03", "　Gamma　");  // ideographic spaces stay
    driver::AddDisplayName("04", "");
    driver::AddDisplayName("05", " \t \r\n ");
    driver::AddBareEntry("06");
    driver::AddUninstallEntry("07", REG_EXPAND_SZ, std::string("%SystemRoot%\\app.exe\0", 21));
    driver::AddDisplayName("08", "Alpha Tool");
    driver::AddDisplayName("09", "Alpha Tool");
    driver::AddUninstallEntry("10", REG_SZ, "No terminator");
    driver::AddUninstallEntry("11", REG_SZ, std::string("Before\0After\0", 13));
    // 表, ソ and 能 have 0x5C ("\") as their trail byte.
    driver::AddDisplayName("12", "表計算ソフト 能率版");
    driver::AddUninstallEntry("13", REG_DWORD, std::string());  // another type, size 0
    driver::AddUninstallEntry("14", REG_SZ, std::string());

    EXPECT_EQ(Build(),
              HeaderAnd({"Alpha Tool", "Beta", "　Gamma　", "%SystemRoot%\\app.exe", "Alpha Tool",
                         "Alpha Tool", "No terminator", "Before", "表計算ソフト 能率版"}));
    EXPECT_FALSE(error);
}

TEST_F(Report, ReadsSubkeysWithLongJapaneseNames) {
    // The longest name is counted in UTF-16 units but takes twice as many Shift-JIS bytes.
    driver::AddDisplayName("日本語のとても長いキーの名前です", "Japanese Key");
    driver::AddDisplayName("b", "Short");
    EXPECT_EQ(Build(), HeaderAnd({"Short", "Japanese Key"}));
}

TEST_F(Report, StopsAtADisplayNameOfAnotherTypeAndKeepsWhatItHad) {
    driver::AddDisplayName("1", "First");
    driver::AddBareEntry("2");
    driver::AddUninstallEntry("3", REG_DWORD, Dword(7));
    driver::AddDisplayName("4", "Never read");

    EXPECT_EQ(Build(), HeaderAnd({"First"}));
    EXPECT_EQ(Messages(), std::vector<std::string>{kBadType});
}

TEST_F(Report, TreatsMultiStringAndBinaryNamesAsOfTheWrongType) {
    driver::AddUninstallEntry("1", REG_MULTI_SZ, std::string("A\0B\0\0", 5));
    EXPECT_EQ(Build(), Header());
    EXPECT_EQ(Messages(), std::vector<std::string>{kBadType});

    driver::ResetUninstallKey();
    driver::AddUninstallEntry("1", REG_BINARY, "xyz");
    EXPECT_EQ(Build(), Header());
    EXPECT_EQ(Messages(), std::vector<std::string>{kBadType});
}

TEST_F(Report, EmptyUninstallKeyGivesTheNoApplicationsMessageAndNoLines) {
    EXPECT_EQ(Build(), Lines{});
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoApplications});
}

TEST_F(Report, MissingUninstallKeyGivesNoLinesAndNoMessage) {
    driver::RemoveUninstallKeys();
    EXPECT_EQ(Build(), Lines{});
    EXPECT_FALSE(error);
}

// 64-bit Windows keeps the entries of 32-bit and 64-bit programs in two registry views; the
// report lists the program's own view first, then the other.
using driver::kOtherView;
using driver::kOwnView;
using driver::kUser;
using driver::kView32;
using driver::kView64;

// The names in the order the report gives them: the own view's, then the other's.
Lines OwnThenOther(const Lines& in64, const Lines& in32) {
    constexpr bool kOwnIs64 = sizeof(void*) == 8;
    Lines names = kOwnIs64 ? in64 : in32;
    const Lines& other = kOwnIs64 ? in32 : in64;
    names.insert(names.end(), other.begin(), other.end());
    return names;
}

TEST_F(Report, ListsEntriesOfEitherViewAlone) {
    driver::AddDisplayName("a", "Only 64-bit", kView64);
    driver::AddDisplayName("b", "Also 64-bit", kView64);
    EXPECT_EQ(Build(), HeaderAnd({"Only 64-bit", "Also 64-bit"}));

    driver::ResetUninstallKeys();
    driver::AddDisplayName("a", "Only 32-bit", kView32);
    EXPECT_EQ(Build(), HeaderAnd({"Only 32-bit"}));
    EXPECT_FALSE(error);
}

TEST_F(Report, ListsTheOwnViewFirstAndKeepsAnApplicationFoundInBoth) {
    driver::AddDisplayName("x", "Tool (64-bit)", kView64);
    driver::AddDisplayName("shared", "Same Application", kView64);
    driver::AddDisplayName("shared", "Same Application", kView32);
    driver::AddDisplayName("a", "Tool (32-bit)", kView32);
    EXPECT_EQ(Build(), HeaderAnd(OwnThenOther({"Same Application", "Tool (64-bit)"},
                                              {"Tool (32-bit)", "Same Application"})));
    EXPECT_FALSE(error);
}

TEST_F(Report, ReadsTheOtherViewWhenTheOwnViewHasNoUninstallKey) {
    driver::RemoveUninstallKey(kOwnView);
    driver::AddDisplayName("1", "Elsewhere", kOtherView);
    EXPECT_EQ(Build(), HeaderAnd({"Elsewhere"}));

    driver::ResetUninstallKeys();
    driver::RemoveUninstallKey(kOtherView);
    driver::AddDisplayName("1", "Here", kOwnView);
    EXPECT_EQ(Build(), HeaderAnd({"Here"}));
    EXPECT_FALSE(error);
}

TEST_F(Report, ShowsTheNoApplicationsMessageOnceWhenNoViewHasAnEntry) {
    EXPECT_EQ(Build(), Lines{});
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoApplications});

    driver::RemoveUninstallKey(kOwnView);
    EXPECT_EQ(Build(), Lines{});
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoApplications});
}

TEST_F(Report, StopsAtATypeErrorInTheSecondView) {
    driver::AddDisplayName("1", "Own One", kOwnView);
    driver::AddDisplayName("2", "Own Two", kOwnView);
    driver::AddDisplayName("1", "Other One", kOtherView);
    driver::AddUninstallEntry("2", REG_DWORD, Dword(3), kOtherView);
    driver::AddDisplayName("3", "Never read", kOtherView);
    EXPECT_EQ(Build(), HeaderAnd({"Own One", "Own Two", "Other One"}));
    EXPECT_EQ(Messages(), std::vector<std::string>{kBadType});
}

// Per-user installs register under HKEY_CURRENT_USER; they follow the machine's entries.
TEST_F(Report, ListsTheUsersApplicationsAfterTheMachinesWithTheSameRules) {
    driver::AddDisplayName("m", "Machine 64", kView64);
    driver::AddDisplayName("m", "Machine 32", kView32);
    driver::AddDisplayName("b", "  User Tool\t", kUser);
    driver::AddDisplayName("a", " \t ", kUser);
    driver::AddBareEntry("c", kUser);
    driver::AddDisplayName("d", "Machine 64", kUser);  // also installed machine-wide
    Lines names = OwnThenOther({"Machine 64"}, {"Machine 32"});
    names.insert(names.end(), {"User Tool", "Machine 64"});
    EXPECT_EQ(Build(), HeaderAnd(names));
    EXPECT_FALSE(error);
}

TEST_F(Report, ListsTheUsersApplicationsAloneWhateverTheMachinesKeys) {
    driver::AddDisplayName("1", "Only Mine", kUser);
    EXPECT_EQ(Build(), HeaderAnd({"Only Mine"}));
    driver::RemoveUninstallKey(kView64);
    driver::RemoveUninstallKey(kView32);
    EXPECT_EQ(Build(), HeaderAnd({"Only Mine"}));
    EXPECT_FALSE(error);
}

TEST_F(Report, AnEmptyUserKeyAloneGivesTheNoApplicationsMessage) {
    driver::RemoveUninstallKey(kView64);
    driver::RemoveUninstallKey(kView32);
    driver::ResetUninstallKey(kUser);
    EXPECT_EQ(Build(), Lines{});
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoApplications});
}

TEST_F(Report, StopsAtATypeErrorInTheUsersKey) {
    driver::AddDisplayName("1", "Machine", kOwnView);
    driver::AddDisplayName("1", "Mine", kUser);
    driver::AddUninstallEntry("2", REG_BINARY, "xyz", kUser);
    driver::AddDisplayName("3", "Never read", kUser);
    EXPECT_EQ(Build(), HeaderAnd({"Machine", "Mine"}));
    EXPECT_EQ(Messages(), std::vector<std::string>{kBadType});
}

TEST_F(Report, EachBuildStartsAfreshAndShowsItsOwnMessage) {
    driver::AddDisplayName("1", "One");
    driver::AddUninstallEntry("2", REG_DWORD, Dword(1));
    Lines first = Build();
    EXPECT_EQ(Messages().size(), 1u);
    Lines second = Build();
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(first, second);
    EXPECT_EQ(second, HeaderAnd({"One"}));
}

TEST_F(Report, SurvivesManyEntriesHugeNamesAndBrokenShiftJis) {
    const int kEntries = 10000;
    for (int i = 0; i < kEntries; ++i) {
        char key[16];
        wsprintfA(key, "k%05d", i);
        driver::AddDisplayName(key, i % 2 ? "odd" : "even");
    }
    std::string huge(64 * 1024, 'x');
    driver::AddDisplayName("z1", huge);
    driver::AddUninstallEntry("z2", REG_SZ, std::string("End\x81", 4));  // a lone lead byte
    driver::AddUninstallEntry("z3", REG_SZ, std::string("\x82\xA0\x82", 3));

    Lines expected = Header();
    for (int i = 0; i < kEntries; ++i) expected.push_back(i % 2 ? "odd" : "even");
    expected.push_back(huge);
    // What the registry makes of invalid bytes is its own affair; the report keeps it trimmed.
    for (const char* key : {"z2", "z3"}) {
        std::string back = driver::ReadBackDisplayName(key);
        std::string::size_type b = back.find_first_not_of(std::string("\0 \t\r\n", 5));
        if (b != std::string::npos) expected.push_back(back.substr(b));
    }
    DWORD handlesBefore = 0, handlesAfter = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handlesBefore);
    Lines lines = Build();
    GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);

    EXPECT_FALSE(error);
    EXPECT_EQ(lines.size(), expected.size());
    EXPECT_EQ(lines, expected);
    EXPECT_LE(handlesAfter, handlesBefore + 2) << "registry keys must all be closed";
}

}  // namespace
