// The version text of an About dialog.
#include "about/VersionText.h"

#include "lib/System.h"
#include "lib/ZDQFunctions.h"
#include "win/ModulePath.h"

namespace {

// Gives the part of V before its first "." and leaves V with the part after it. Without a "."
// it gives an empty text and leaves V as it was: the empty text is no integer, so a version of
// fewer than four parts fails the conversion.
std::string TakeField(std::string& v) {
    std::string::size_type dot = v.find('.');
    if (dot == std::string::npos) return std::string();
    std::string field = v.substr(0, dot);
    v.erase(0, dot + 1);
    return field;
}

}  // namespace

std::string FormatVersionText(const std::string& fileVersion, TVersionFormat format) {
    std::string v = fileVersion;
    int major = lib::StrToInt(TakeField(v));
    int minor = lib::StrToInt(TakeField(v));
    int release = lib::StrToInt(TakeField(v));
    int build = lib::StrToInt(v);

    std::string r;
    if (format.Contains(vfMajor)) r = std::to_string(major);
    if (format.Contains(vfMinor)) r += "." + std::to_string(minor);
    if (format.Contains(vfRelease)) r += "." + std::to_string(release);
    if (format.Contains(vfBuild)) {
        if (format.Contains(vfBuildSeparation) || IsBlank(r)) {
            if (!IsBlank(r)) r += " ";
            r += "Build " + std::to_string(build);
        } else {
            r += "." + std::to_string(build);
        }
    }
    return r;
}

std::string BuildVersionText(TVersionFormat format) {
    return FormatVersionText(GetVersionInfo(win::ModulePath(), viFileVersion), format);
}

TVersionFormat NormaliseVersionFormat(TVersionFormat oldFormat, TVersionFormat newFormat) {
    TVersionFormat s = newFormat;
    if (oldFormat.Contains(vfMajor) && !newFormat.Contains(vfMajor)) {
        s = newFormat.Without(vfMinor).Without(vfRelease).With(vfBuild);
    } else if (oldFormat.Contains(vfMinor) && !newFormat.Contains(vfMinor)) {
        s = newFormat.Without(vfRelease);
    } else if (oldFormat.Contains(vfBuild) && !newFormat.Contains(vfBuild)) {
        s = newFormat.Without(vfBuildSeparation);
        if (s.Empty()) s = s.With(vfRelease);
    }
    if (s.Contains(vfBuildSeparation)) s = s.With(vfBuild);
    if (s.Contains(vfRelease)) s = s.With(vfMinor);
    if (s.Contains(vfMinor)) s = s.With(vfMajor);
    return s;
}
