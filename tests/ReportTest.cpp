// The installed-applications report, built from the real registry of the test's Wine prefix.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/Report.h"
#include "lib/SysText.h"
#include "lib/ZDQFunctions.h"
#include "resources/RegistryNames.h"
#include "resources/UserTexts.h"
#include "tests/support/Packages.h"
#include "tests/support/Uninstall.h"
#include "win/ShiftJis.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kNoApplications = kNoApplicationsError;
const std::string kBadType = lib::FormatText(kValueTypeError, {win::ToShiftJis(kDisplayNameValue)});

Lines Header() {
    return support::ExpectedReport();
}

Lines HeaderAnd(const Lines& names) {
    return support::ExpectedReport(names);
}

std::string Dword(DWORD value) {
    return std::string(reinterpret_cast<char*>(&value), 4);
}

class Report : public ::testing::Test {
  protected:
    void SetUp() override {
        support::ResetUninstallKeys();
        support::RemovePackages();
    }

    // Builds the report and keeps the error that stopped it, if any; the lines in Shift-JIS,
    // as the file gets them.
    Lines Build(IndirectStringResolver resolve = &win::LoadIndirectString) {
        InstalledApplicationsReport report = BuildInstalledApplicationsReport(resolve);
        error = report.error;
        Lines lines;
        for (const std::wstring& line : report.lines) lines.push_back(win::ToShiftJis(line));
        return lines;
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
    support::AddBareEntry("a");
    EXPECT_EQ(Build(), Header());
    EXPECT_FALSE(error);
}

TEST_F(Report, ListsTrimmedDisplayNamesInEnumerationOrderKeepingDuplicates) {
    support::AddDisplayName("01", "  Alpha Tool\t");
    support::AddDisplayName("02", "\r\nBeta\r\n");
    support::AddDisplayName("03", "　Gamma　");  // ideographic spaces stay
    support::AddDisplayName("04", "");
    support::AddDisplayName("05", " \t \r\n ");
    support::AddBareEntry("06");
    support::AddUninstallEntry("07", REG_EXPAND_SZ, std::string("%SystemRoot%\\app.exe\0", 21));
    support::AddDisplayName("08", "Alpha Tool");
    support::AddDisplayName("09", "Alpha Tool");
    support::AddUninstallEntry("10", REG_SZ, "No terminator");
    support::AddUninstallEntry("11", REG_SZ, std::string("Before\0After\0", 13));
    // 表, ソ and 能 have 0x5C ("\") as their trail byte.
    support::AddDisplayName("12", "表計算ソフト 能率版");
    support::AddUninstallEntry("13", REG_DWORD, std::string());  // another type, size 0
    support::AddUninstallEntry("14", REG_SZ, std::string());

    EXPECT_EQ(Build(),
              HeaderAnd({"Alpha Tool", "Beta", "　Gamma　", "%SystemRoot%\\app.exe", "Alpha Tool",
                         "Alpha Tool", "No terminator", "Before", "表計算ソフト 能率版"}));
    EXPECT_FALSE(error);
}

TEST_F(Report, ReadsSubkeysWithLongJapaneseNames) {
    // The longest name is counted in UTF-16 units but takes twice as many Shift-JIS bytes.
    support::AddDisplayName("日本語のとても長いキーの名前です", "Japanese Key");
    support::AddDisplayName("b", "Short");
    EXPECT_EQ(Build(), HeaderAnd({"Short", "Japanese Key"}));
}

TEST_F(Report, StopsAtADisplayNameOfAnotherTypeAndKeepsWhatItHad) {
    support::AddDisplayName("1", "First");
    support::AddBareEntry("2");
    support::AddUninstallEntry("3", REG_DWORD, Dword(7));
    support::AddDisplayName("4", "Never read");

    EXPECT_EQ(Build(), HeaderAnd({"First"}));
    EXPECT_EQ(Messages(), std::vector<std::string>{kBadType});
}

TEST_F(Report, TreatsMultiStringAndBinaryNamesAsOfTheWrongType) {
    support::AddUninstallEntry("1", REG_MULTI_SZ, std::string("A\0B\0\0", 5));
    EXPECT_EQ(Build(), Header());
    EXPECT_EQ(Messages(), std::vector<std::string>{kBadType});

    support::ResetUninstallKey();
    support::AddUninstallEntry("1", REG_BINARY, "xyz");
    EXPECT_EQ(Build(), Header());
    EXPECT_EQ(Messages(), std::vector<std::string>{kBadType});
}

TEST_F(Report, EmptyUninstallKeyGivesTheNoApplicationsMessageAndNoLines) {
    EXPECT_EQ(Build(), Lines{});
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoApplications});
}

TEST_F(Report, MissingUninstallKeyGivesNoLinesAndNoMessage) {
    support::RemoveUninstallKeys();
    EXPECT_EQ(Build(), Lines{});
    EXPECT_FALSE(error);
}

// 64-bit Windows keeps the entries of 32-bit and 64-bit programs in two registry views; the
// report lists the program's own view first, then the other.
using support::kOtherView;
using support::kOwnView;
using support::kUser;
using support::kView32;
using support::kView64;

// The names in the order the report gives them: the own view's, then the other's.
Lines OwnThenOther(const Lines& in64, const Lines& in32) {
    constexpr bool kOwnIs64 = sizeof(void*) == 8;
    Lines names = kOwnIs64 ? in64 : in32;
    const Lines& other = kOwnIs64 ? in32 : in64;
    names.insert(names.end(), other.begin(), other.end());
    return names;
}

TEST_F(Report, ListsEntriesOfEitherViewAlone) {
    support::AddDisplayName("a", "Only 64-bit", kView64);
    support::AddDisplayName("b", "Also 64-bit", kView64);
    EXPECT_EQ(Build(), HeaderAnd({"Only 64-bit", "Also 64-bit"}));

    support::ResetUninstallKeys();
    support::AddDisplayName("a", "Only 32-bit", kView32);
    EXPECT_EQ(Build(), HeaderAnd({"Only 32-bit"}));
    EXPECT_FALSE(error);
}

TEST_F(Report, ListsTheOwnViewFirstAndKeepsAnApplicationFoundInBoth) {
    support::AddDisplayName("x", "Tool (64-bit)", kView64);
    support::AddDisplayName("shared", "Same Application", kView64);
    support::AddDisplayName("shared", "Same Application", kView32);
    support::AddDisplayName("a", "Tool (32-bit)", kView32);
    EXPECT_EQ(Build(), HeaderAnd(OwnThenOther({"Same Application", "Tool (64-bit)"},
                                              {"Tool (32-bit)", "Same Application"})));
    EXPECT_FALSE(error);
}

TEST_F(Report, ReadsTheOtherViewWhenTheOwnViewHasNoUninstallKey) {
    support::RemoveUninstallKey(kOwnView);
    support::AddDisplayName("1", "Elsewhere", kOtherView);
    EXPECT_EQ(Build(), HeaderAnd({"Elsewhere"}));

    support::ResetUninstallKeys();
    support::RemoveUninstallKey(kOtherView);
    support::AddDisplayName("1", "Here", kOwnView);
    EXPECT_EQ(Build(), HeaderAnd({"Here"}));
    EXPECT_FALSE(error);
}

TEST_F(Report, ShowsTheNoApplicationsMessageOnceWhenNoViewHasAnEntry) {
    EXPECT_EQ(Build(), Lines{});
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoApplications});

    support::RemoveUninstallKey(kOwnView);
    EXPECT_EQ(Build(), Lines{});
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoApplications});
}

TEST_F(Report, StopsAtATypeErrorInTheSecondView) {
    support::AddDisplayName("1", "Own One", kOwnView);
    support::AddDisplayName("2", "Own Two", kOwnView);
    support::AddDisplayName("1", "Other One", kOtherView);
    support::AddUninstallEntry("2", REG_DWORD, Dword(3), kOtherView);
    support::AddDisplayName("3", "Never read", kOtherView);
    EXPECT_EQ(Build(), HeaderAnd({"Own One", "Own Two", "Other One"}));
    EXPECT_EQ(Messages(), std::vector<std::string>{kBadType});
}

// Per-user installs register under HKEY_CURRENT_USER; they follow the machine's entries.
TEST_F(Report, ListsTheUsersApplicationsAfterTheMachinesWithTheSameRules) {
    support::AddDisplayName("m", "Machine 64", kView64);
    support::AddDisplayName("m", "Machine 32", kView32);
    support::AddDisplayName("b", "  User Tool\t", kUser);
    support::AddDisplayName("a", " \t ", kUser);
    support::AddBareEntry("c", kUser);
    support::AddDisplayName("d", "Machine 64", kUser);  // also installed machine-wide
    Lines names = OwnThenOther({"Machine 64"}, {"Machine 32"});
    names.insert(names.end(), {"User Tool", "Machine 64"});
    EXPECT_EQ(Build(), HeaderAnd(names));
    EXPECT_FALSE(error);
}

TEST_F(Report, ListsTheUsersApplicationsAloneWhateverTheMachinesKeys) {
    support::AddDisplayName("1", "Only Mine", kUser);
    EXPECT_EQ(Build(), HeaderAnd({"Only Mine"}));
    support::RemoveUninstallKey(kView64);
    support::RemoveUninstallKey(kView32);
    EXPECT_EQ(Build(), HeaderAnd({"Only Mine"}));
    EXPECT_FALSE(error);
}

TEST_F(Report, AnEmptyUserKeyAloneGivesTheNoApplicationsMessage) {
    support::RemoveUninstallKey(kView64);
    support::RemoveUninstallKey(kView32);
    support::ResetUninstallKey(kUser);
    EXPECT_EQ(Build(), Lines{});
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoApplications});
}

TEST_F(Report, StopsAtATypeErrorInTheUsersKey) {
    support::AddDisplayName("1", "Machine", kOwnView);
    support::AddDisplayName("1", "Mine", kUser);
    support::AddUninstallEntry("2", REG_BINARY, "xyz", kUser);
    support::AddDisplayName("3", "Never read", kUser);
    EXPECT_EQ(Build(), HeaderAnd({"Machine", "Mine"}));
    EXPECT_EQ(Messages(), std::vector<std::string>{kBadType});
}

TEST_F(Report, ReadsEntriesThatGrantLessThanKeyRead) {
    support::AddDisplayName("1", "No Notify");
    support::AddDisplayName("2", "Query Only");
    support::GrantOnly("1", STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS);
    support::GrantOnly("2", KEY_QUERY_VALUE);
    Lines lines = Build();
    for (const char* key : {"1", "2"}) support::GrantOnly(key, KEY_ALL_ACCESS);
    EXPECT_EQ(lines, HeaderAnd({"No Notify", "Query Only"}));
}

TEST_F(Report, EachBuildStartsAfreshAndShowsItsOwnMessage) {
    support::AddDisplayName("1", "One");
    support::AddUninstallEntry("2", REG_DWORD, Dword(1));
    Lines first = Build();
    EXPECT_EQ(Messages().size(), 1u);
    Lines second = Build();
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(first, second);
    EXPECT_EQ(second, HeaderAnd({"One"}));
}

// Packaged applications follow the uninstall entries. Indirect names resolve as on Windows 8
// and later through a resolver that knows the one of Contoso Notes.
std::optional<std::wstring> ResolveContosoNotes(const std::wstring& indirect) {
    if (indirect == support::kIndirectName) return L"Contoso Notes";
    return std::nullopt;
}

TEST_F(Report, ListsThePackagedApplicationsAfterTheUninstallEntries) {
    support::AddDisplayName("1", "Machine Tool");
    support::AddDisplayName("1", "User Tool", kUser);
    support::AddPackagesOfEveryKind();
    EXPECT_EQ(Build(&ResolveContosoNotes),
              HeaderAnd({"Machine Tool", "User Tool", "Machine Tool", "Contoso Notes",
                         "Contoso Tool", "　Trimmed Tool　", "Two Apps", "Fabrikam.Mail"}));
    EXPECT_FALSE(error);
}

// Windows 11 22H2 and later keep the manifest's resource reference as a package's display
// name. The resolver hears each as the indirect string that earlier Windows stored for the
// same package, once; it knows the Calculator and Contoso Notes.
std::vector<std::wstring> gAsked;

std::optional<std::wstring> ResolveAndRecord(const std::wstring& indirect) {
    gAsked.push_back(indirect);
    if (indirect ==
        L"@{Microsoft.WindowsCalculator_11.2112.3.0_x64__8wekyb3d8bbwe?ms-resource://"
        L"Microsoft.WindowsCalculator/Resources/AppStoreName}")
        return L"電卓";
    return ResolveContosoNotes(indirect);
}

TEST_F(Report, ResolvesResourceReferencesAsTheIndirectStringsWindowsStored) {
    support::AddResourceReferencePackages();
    // Shapes no Windows package was seen with, as Microsoft describes them: a leading "/" runs
    // from the package's root, an empty authority is the package itself, and an empty
    // reference names nothing. Beside them, as before: an indirect name, a framework left out
    // unasked, plain names (the scheme is case-sensitive).
    const std::wstring apps = L"C:\\Program Files\\WindowsApps\\";
    support::AddPackage("Contoso.Empty_1.0.0.0_x64__x", L"ms-resource:", apps + L"Empty");
    support::AddPackage("Contoso.Notes_1.0.0.0_x64__8wekyb3d8bbwe", support::kIndirectName,
                        apps + L"Notes");
    support::AddPackage("Contoso.Own_1.0.0.0_x64__x", L" ms-resource:///Resources/AppName ",
                        apps + L"Own");
    support::AddPackage("Contoso.Rooted_1.0.0.0_x64__x", L"ms-resource:/Manifest/AppName",
                        apps + L"Rooted");
    support::AddPackage("Contoso.Runtime_1.0.0.0_x64__x", L"ms-resource:AppName", apps + L"Rt");
    support::MarkFramework("Contoso.Runtime_1.0.0.0_x64__x");
    support::AddPackage("Contoso.Upper_1.0.0.0_x64__x", L"MS-RESOURCE:AppName", apps + L"Upper");
    support::AddPackage("Microsoft.OutlookForWindows_1.2024.111.100_x64__8wekyb3d8bbwe",
                        L"Outlook for Windows", apps + L"Outlook");
    gAsked.clear();
    EXPECT_EQ(Build(&ResolveAndRecord),
              HeaderAnd({"Contoso.Empty", "Contoso Notes", "Contoso.Own", "Contoso.Rooted",
                         "MS-RESOURCE:AppName", "Microsoft.MicrosoftStickyNotes",
                         "Outlook for Windows", "Microsoft.Windows.StartMenuExperienceHost", "電卓",
                         "Microsoft.WindowsCamera", "microsoft.windowscommunicationsapps"}));
    EXPECT_EQ(gAsked,
              (std::vector<std::wstring>{
                  support::kIndirectName,
                  L"@{Contoso.Own_1.0.0.0_x64__x?ms-resource://Contoso.Own/Resources/AppName}",
                  L"@{Contoso.Rooted_1.0.0.0_x64__x?ms-resource://Contoso.Rooted/Manifest/AppName}",
                  L"@{Microsoft.MicrosoftStickyNotes_4.0.422.0_x64__8wekyb3d8bbwe?ms-resource://"
                  L"Microsoft.MicrosoftStickyNotes/Resources/StickyNotesStoreAppName}",
                  L"@{Microsoft.Windows.StartMenuExperienceHost_10.0.22000.37_neutral_neutral_"
                  L"cw5n1h2txyewy?ms-resource://Microsoft.Windows.StartMenuExperienceHost/"
                  L"StartMenuExperienceHost/PkgDisplayName}",
                  L"@{Microsoft.WindowsCalculator_11.2112.3.0_x64__8wekyb3d8bbwe?ms-resource://"
                  L"Microsoft.WindowsCalculator/Resources/AppStoreName}",
                  L"@{Microsoft.WindowsCamera_2022.2110.0.0_x64__8wekyb3d8bbwe?ms-resource://"
                  L"Microsoft.WindowsCamera/LensSDK/Resources/AppStoreName}",
                  L"@{microsoft.windowscommunicationsapps_16005.14326.20544.0_x64__8wekyb3d8bbwe?"
                  L"ms-resource://microsoft.windowscommunicationsapps/hxoutlookintl/"
                  L"AppManifest_OutlookDesktop_DisplayName}"}));
    EXPECT_FALSE(error);
}

TEST_F(Report, ListsPackagesWhenNoUninstallKeyHasAnEntry) {
    support::AddPackage("A.B_1.0.0.0_x64__x", L"Packaged", L"C:\\Program Files\\WindowsApps\\A");
    EXPECT_EQ(Build(), HeaderAnd({"Packaged"}));
    EXPECT_FALSE(error);
    support::RemoveUninstallKeys();
    EXPECT_EQ(Build(), HeaderAnd({"Packaged"}));
    EXPECT_FALSE(error);
}

TEST_F(Report, PackagesThatAreNotListedChangeNothing) {
    support::AddPackage("A.Runtime_1.0.0.0_x64__x", L"Runtime", L"C:\\Program Files\\A");
    support::AddPackage("A.System_1.0.0.0_x64__x", L"System", L"C:\\windows\\SystemApps\\A");
    EXPECT_EQ(Build(), Lines{});
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoApplications});
    support::RemoveUninstallKeys();
    EXPECT_EQ(Build(), Lines{});
    EXPECT_FALSE(error);
}

TEST_F(Report, SurvivesManyEntriesHugeNamesAndBrokenShiftJis) {
    const int kEntries = 10000;
    for (int i = 0; i < kEntries; ++i) {
        char key[16];
        wsprintfA(key, "k%05d", i);
        support::AddDisplayName(key, i % 2 ? "odd" : "even");
    }
    std::string huge(64 * 1024, 'x');
    support::AddDisplayName("z1", huge);
    support::AddUninstallEntry("z2", REG_SZ, std::string("End\x81", 4));  // a lone lead byte
    support::AddUninstallEntry("z3", REG_SZ, std::string("\x82\xA0\x82", 3));

    Lines expected = Header();
    for (int i = 0; i < kEntries; ++i) expected.push_back(i % 2 ? "odd" : "even");
    expected.push_back(huge);
    // What the registry makes of invalid bytes is its own affair; the report keeps it trimmed.
    for (const char* key : {"z2", "z3"}) {
        std::string back = support::ReadBackDisplayName(key);
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
