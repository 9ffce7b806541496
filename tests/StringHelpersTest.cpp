// Texts with the ideographic space as white space, in Shift-JIS and in a single-byte code page.
#include <gtest/gtest.h>

#include <string>

#include "lib/ZDQFunctions.h"

namespace {

const TLeadByteSet kShiftJis = TLeadByteSet::ForCodePage(932);
const TLeadByteSet kSingleByte;  // as on a system with a single-byte ANSI code page

// 0x95 0x81 is one character; the 0x81 0x40 after its lead byte is not an ideographic space.
const std::string kTrailThenAt = "\x95\x81\x40";

TEST(LeadBytes, ComeFromTheCodePage) {
    EXPECT_TRUE(kShiftJis.IsLeadByte(0x81));
    EXPECT_TRUE(kShiftJis.IsLeadByte(0x9F));
    EXPECT_TRUE(kShiftJis.IsLeadByte(0xE0));
    EXPECT_FALSE(kShiftJis.IsLeadByte(0x41));
    EXPECT_FALSE(kShiftJis.IsLeadByte(0xA0));  // half-width katakana are single bytes
    EXPECT_TRUE(TLeadByteSet::ForCodePage(1252).Empty());
    EXPECT_FALSE(TLeadByteSet::Process().Empty()) << "the tests run with code page 932";
}

TEST(IsBlank, TreatsIdeographicSpacesAsWhiteSpace) {
    EXPECT_TRUE(IsBlank("", kShiftJis));
    EXPECT_TRUE(IsBlank("　", kShiftJis));
    EXPECT_TRUE(IsBlank(" 　\t\r\n　 ", kShiftJis));
    EXPECT_FALSE(IsBlank("　a　", kShiftJis));
    EXPECT_FALSE(IsBlank(kTrailThenAt, kShiftJis));
    EXPECT_TRUE(IsBlank(" 　 ", kSingleByte));
}

TEST(TrimFullWidth, RemovesEveryMixtureOfWhiteSpaceAtBothEnds) {
    EXPECT_EQ(TrimFullWidth("　 \tword　 ", kShiftJis), "word");
    EXPECT_EQ(TrimFullWidth(" 　 　two　words　\r\n　", kShiftJis), "two　words");
    EXPECT_EQ(TrimFullWidth("　表　", kShiftJis), "表");
    EXPECT_EQ(TrimFullWidth("abc", kShiftJis), "abc");
}

TEST(TrimFullWidth, LeavesAPairThatIsTheTailOfAnotherCharacter) {
    EXPECT_FALSE(EndsWithStr("　", kTrailThenAt, kShiftJis));
    EXPECT_EQ(TrimFullWidth(kTrailThenAt, kShiftJis), kTrailThenAt);
}

TEST(EndsWithStr, DecidesRunsOfLeadByteValuesByTheirParity) {
    // 0x81 0x81 is one character, so the 0x81 0x40 after it is an ideographic space.
    EXPECT_TRUE(EndsWithStr("　", "\x81\x81\x81\x40", kShiftJis));
    EXPECT_EQ(TrimFullWidth("\x81\x81\x81\x40", kShiftJis), "\x81\x81");
    // After one lead-byte value the 0x81 is a trail byte.
    EXPECT_FALSE(EndsWithStr("　", "x\x81\x81\x40", kShiftJis));
    EXPECT_TRUE(EndsWithStr("　", "x\x81\x81\x81\x40", kShiftJis));
    EXPECT_FALSE(EndsWithStr("　", "x\x81\x81\x81\x81\x40", kShiftJis));
    EXPECT_FALSE(EndsWithStr("　", "\x81\x81\x81\x81\x40", kShiftJis));
}

TEST(EndsWithStr, ComparesCaseSensitively) {
    EXPECT_TRUE(EndsWithStr("abc", "xyzabc", kShiftJis));
    EXPECT_FALSE(EndsWithStr("ABC", "xyzabc", kShiftJis));
    EXPECT_TRUE(EndsWithStr("表", "一覧表", kShiftJis));
}

TEST(EndsWithStr, NeverMatchesATextShorterThanTheSuffix) {
    EXPECT_FALSE(EndsWithStr("　", "", kShiftJis));
    EXPECT_FALSE(EndsWithStr("　", "\x40", kShiftJis));
    EXPECT_FALSE(EndsWithStr("long suffix", "short", kSingleByte));
    // Only the text's own bytes are looked at, also when a NUL follows them in memory.
    std::string text = std::string("ab\0\x81\x40", 5).substr(0, 2);
    EXPECT_FALSE(EndsWithStr("　", text, kShiftJis));
}

TEST(SingleByteCodePage, RemovesTheIdeographicSpaceBytesWithoutATrailCheck) {
    EXPECT_TRUE(EndsWithStr("　", kTrailThenAt, kSingleByte));
    EXPECT_EQ(TrimFullWidth(kTrailThenAt, kSingleByte), "\x95");
    EXPECT_EQ(TrimFullWidth("\x81\x40"
                            "abc\x81\x40",
                            kSingleByte),
              "abc");
}

}  // namespace
