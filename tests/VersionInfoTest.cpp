// The version-record reader on real program files.
#include <gtest/gtest.h>

#include <string>

#include "lib/System.h"
#include "lib/ZDQException.h"
#include "lib/ZDQFunctions.h"
#include "resources/Product.h"
#include "tests/support/Driver.h"

namespace {

std::string File(const char* name) {
    return support::ExeDir() + "\\" + name;
}

const TVersionInfoItem kAllItems[] = {
    viComments,     viCompanyName,    viFileDescription, viFileVersion,
    viInternalName, viLegalCopyright, viLegalTrademarks, viOriginalFilename,
    viPrivateBuild, viProductName,    viProductVersion,  viSpecialBuild,
};

TEST(VersionInfo, ReadsEveryItemOfTheProgramsOwnRecord) {
    const std::string quorvin = File("Quorvin.exe");
    for (TVersionInfoItem item : kAllItems) {
        std::string expected;
        switch (item) {
            case viCompanyName:
                expected = QUORVIN_COMPANY_NAME;
                break;
            case viFileVersion:
            case viProductVersion:
                expected = QUORVIN_VERSION_TEXT;
                break;
            case viProductName:
                expected = QUORVIN_PRODUCT_NAME;
                break;
            default:
                break;
        }
        EXPECT_EQ(GetVersionInfo(quorvin, item), expected) << "item " << item;
    }
}

TEST(VersionInfo, GivesEmptyTextsForAFileWithoutARecord) {
    for (const char* name : {"VerNone.exe", "no-such-file.exe"})
        for (TVersionInfoItem item : kAllItems)
            EXPECT_EQ(GetVersionInfo(File(name), item), "") << name << " item " << item;
}

TEST(VersionInfo, ReadsThroughTheFirstTranslationOnly) {
    // The first translation, 0x0409 with code page 0x04B0, names the block 040904B0.
    EXPECT_EQ(GetVersionInfo(File("VerTwoTranslations.exe"), viProductName), "First Translation");
    EXPECT_EQ(GetVersionInfo(File("VerTwoTranslations.exe"), viComments), "");
}

TEST(VersionInfo, TrimsValuesAndKeepsDoubleByteText) {
    const std::string file = File("VerBlanks.exe");
    EXPECT_EQ(GetVersionInfo(file, viProductName), "Padded Name");
    EXPECT_EQ(GetVersionInfo(file, viComments), "");
    EXPECT_EQ(GetVersionInfo(file, viCompanyName), "株式会社表計算");
    EXPECT_EQ(GetVersionInfo(file, viFileVersion), "01.002.3.4");
    EXPECT_EQ(GetVersionInfo(file, viSpecialBuild), "");
}

TEST(VersionInfo, RaisesTheRuntimesGeneralErrorForARecordWithoutTranslation) {
    long before = lib::Exception::LiveInstances();
    try {
        GetVersionInfo(File("VerNoTranslation.exe"), viProductName);
        ADD_FAILURE() << "no exception";
    } catch (const lib::Exception& e) {
        EXPECT_EQ(e.Message(), "情報の取得に失敗しました");
        EXPECT_EQ(e.ClassType(), lib::Exception::StaticClass());
        EXPECT_EQ(dynamic_cast<const ECException*>(&e), nullptr);
    }
    EXPECT_EQ(lib::Exception::LiveInstances(), before);
}

}  // namespace
