// The version text of an About dialog: which parts of a four-part file version it shows, and
// the text itself.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

enum TVersionFormatEnum { vfMajor, vfMinor, vfRelease, vfBuild, vfBuildSeparation };

// A set of version-text parts, one byte, member n being bit n.
class TVersionFormat {
  public:
    constexpr TVersionFormat() = default;
    constexpr TVersionFormat(std::initializer_list<TVersionFormatEnum> members) {
        for (TVersionFormatEnum m : members) bits_ |= Bit(m);
    }
    static constexpr TVersionFormat FromBits(std::uint8_t bits) {
        TVersionFormat f;
        f.bits_ = bits & 0x1F;
        return f;
    }
    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr bool Contains(TVersionFormatEnum m) const { return (bits_ & Bit(m)) != 0; }
    constexpr TVersionFormat With(TVersionFormatEnum m) const { return FromBits(bits_ | Bit(m)); }
    constexpr TVersionFormat Without(TVersionFormatEnum m) const {
        return FromBits(bits_ & ~Bit(m));
    }
    constexpr bool operator==(TVersionFormat other) const { return bits_ == other.bits_; }
    constexpr bool operator!=(TVersionFormat other) const { return bits_ != other.bits_; }

  private:
    static constexpr std::uint8_t Bit(TVersionFormatEnum m) {
        return static_cast<std::uint8_t>(1u << m);
    }
    std::uint8_t bits_ = 0;
};

// The version text of the running program's own file version in the given format. Throws
// lib::Exception when the version record has no translation entry, and EConvertError unless
// the file version is four integers separated by three dots.
std::string BuildVersionText(TVersionFormat format);
// The same for a given file version.
std::string FormatVersionText(const std::string& fileVersion, TVersionFormat format);

// The set that writing newFormat over oldFormat stores: switching a part off switches off the
// parts that depend on it, and every stored set holds the parts its members need.
TVersionFormat NormaliseVersionFormat(TVersionFormat oldFormat, TVersionFormat newFormat);
