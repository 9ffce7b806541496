// The version text and the rules that keep a version format sensible.
#include <gtest/gtest.h>

#include <string>

#include "about/CAboutForm.h"
#include "lib/System.h"

namespace {

using F = TVersionFormat;

std::string ConversionError(const std::string& version) {
    try {
        FormatVersionText(version, F{vfMajor});
    } catch (const lib::EConvertError& e) {
        return e.Message();
    }
    return "(nothing raised)";
}

TEST(VersionText, ShowsThePartsTheFormatAsksFor) {
    const std::string v = "1.2.3.4";
    EXPECT_EQ(FormatVersionText(v, F{vfMajor, vfMinor, vfRelease, vfBuild}), "1.2.3.4");
    EXPECT_EQ(FormatVersionText(v, F{vfMajor, vfMinor, vfRelease, vfBuild, vfBuildSeparation}),
              "1.2.3 Build 4");
    EXPECT_EQ(FormatVersionText(v, F{vfMajor, vfMinor, vfRelease}), "1.2.3");
    EXPECT_EQ(FormatVersionText(v, F{vfMajor, vfMinor}), "1.2");
    EXPECT_EQ(FormatVersionText(v, F{vfMajor}), "1");
    EXPECT_EQ(FormatVersionText(v, F{vfMajor, vfBuild}), "1.4");
    EXPECT_EQ(FormatVersionText(v, F{vfMajor, vfBuild, vfBuildSeparation}), "1 Build 4");
    EXPECT_EQ(FormatVersionText(v, F{vfMajor, vfMinor, vfBuild}), "1.2.4");
    EXPECT_EQ(FormatVersionText(v, F{vfBuild}), "Build 4");
    EXPECT_EQ(FormatVersionText(v, F{vfBuild, vfBuildSeparation}), "Build 4");
}

TEST(VersionText, ShowsNumbersAsConvertedNotAsWritten) {
    EXPECT_EQ(FormatVersionText("01.002.3.4", F{vfMajor, vfMinor, vfRelease, vfBuild}), "1.2.3.4");
    EXPECT_EQ(FormatVersionText("-1.0.0.7", F{vfMajor, vfBuild}), "-1.7");
}

TEST(VersionText, RaisesTheConversionErrorUnlessThereAreFourIntegers) {
    EXPECT_EQ(ConversionError("1.2.3"), "'' は整数ではありません");
    EXPECT_EQ(ConversionError("1.2.3.4.5"), "'4.5' は整数ではありません");
    EXPECT_EQ(ConversionError(""), "'' は整数ではありません");
    EXPECT_EQ(ConversionError("1.x.3.4"), "'x' は整数ではありません");
    EXPECT_EQ(ConversionError("1.2.3.99999999999"), "'99999999999' は整数ではありません");
}

struct Normalisation {
    F oldFormat, written, stored;
};

// The conversion takes every 32-bit integer and nothing beyond, nor a sign without digits.
TEST(VersionText, ConvertsEvery32BitIntegerAndNothingBeyond) {
    EXPECT_EQ(lib::StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(lib::StrToInt("-2147483648"), -2147483647 - 1);
    for (const char* text : {"2147483648", "-2147483649", "-", "+"})
        EXPECT_THROW(lib::StrToInt(text), lib::EConvertError) << text;
}

TEST(VersionFormatWrite, FollowsTheExampleTable) {
    const F all4{vfMajor, vfMinor, vfRelease, vfBuild};
    const Normalisation rows[] = {
        {all4, all4, all4},
        {all4, F{vfMajor, vfMinor, vfRelease, vfBuild, vfBuildSeparation},
         F{vfMajor, vfMinor, vfRelease, vfBuild, vfBuildSeparation}},
        {all4, F{vfMajor, vfMinor, vfRelease}, F{vfMajor, vfMinor, vfRelease}},
        {all4, F{vfMajor, vfMinor}, F{vfMajor, vfMinor}},
        {all4, F{vfMajor, vfRelease, vfBuild}, F{vfMajor, vfBuild}},
        {all4, F{vfMajor, vfBuildSeparation}, F{vfMajor, vfBuild, vfBuildSeparation}},
        {all4, F{vfMinor, vfRelease, vfBuild}, F{vfBuild}},
        {all4, F{vfBuildSeparation}, F{vfBuild, vfBuildSeparation}},
        {all4, F{vfRelease}, F{vfBuild}},
        {all4, F{}, F{vfBuild}},
        {F{vfBuild}, F{}, F{vfMajor, vfMinor, vfRelease}},
        {F{vfBuild}, F{vfRelease}, F{vfMajor, vfMinor, vfRelease}},
    };
    for (const Normalisation& row : rows)
        EXPECT_EQ(NormaliseVersionFormat(row.oldFormat, row.written).Bits(), row.stored.Bits())
            << "old " << int(row.oldFormat.Bits()) << " written " << int(row.written.Bits());
}

bool KeepsTheImplications(F f) {
    return !f.Empty() && (!f.Contains(vfRelease) || f.Contains(vfMinor)) &&
           (!f.Contains(vfMinor) || f.Contains(vfMajor)) &&
           (!f.Contains(vfBuildSeparation) || f.Contains(vfBuild));
}

TEST(VersionFormatWrite, NeverStoresAnEmptySetAndAlwaysKeepsTheImplications) {
    int storedSets = 0;
    for (int old = 0; old < 32; ++old) {
        F oldFormat = F::FromBits(static_cast<std::uint8_t>(old));
        if (!KeepsTheImplications(oldFormat)) continue;  // not a set that can be stored
        ++storedSets;
        for (int written = 0; written < 32; ++written) {
            F stored =
                NormaliseVersionFormat(oldFormat, F::FromBits(static_cast<std::uint8_t>(written)));
            EXPECT_TRUE(KeepsTheImplications(stored))
                << "old " << old << " written " << written << " stored " << int(stored.Bits());
        }
        // Writing what is stored changes nothing.
        EXPECT_EQ(NormaliseVersionFormat(oldFormat, oldFormat), oldFormat);
    }
    EXPECT_GT(storedSets, 10);
}

TEST(VersionFormatWrite, TheComponentStartsWithTheFourNumbersAndNormalisesWrites) {
    TCAboutForm about(nullptr);
    EXPECT_EQ(about.VersionFormat(), (F{vfMajor, vfMinor, vfRelease, vfBuild}));
    about.SetVersionFormat(F{vfMinor, vfRelease, vfBuild});
    EXPECT_EQ(about.VersionFormat(), F{vfBuild});
    about.SetVersionFormat(F{});
    EXPECT_EQ(about.VersionFormat(), (F{vfMajor, vfMinor, vfRelease}));
}

}  // namespace
