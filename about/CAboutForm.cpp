// The About component and the version text.
#include "about/CAboutForm.h"

#include <windows.h>

#include "about/ZDQGUICommonAboutForm.h"
#include "lib/ZDQFunctions.h"
#include "resources/ResourceIds.h"
#include "ui/Application.h"

namespace {

std::string OwnExecutable() {
    char path[MAX_PATH * 4] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length);
}

// Takes the part of V before its first "." (all of V when there is none, as the runtime's
// Pos and Copy would give it) and leaves V with the part after.
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
    return FormatVersionText(GetVersionInfo(OwnExecutable(), viFileVersion), format);
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

TCAboutForm::TCAboutForm(lib::TComponent* owner)
    : TComponent(owner), InquiryURL(QUORVIN_INQUIRY_URL), RegisterURL(QUORVIN_REGISTER_URL) {}

lib::TClass TCAboutForm::StaticClass() {
    return lib::ClassOf<TCAboutForm, lib::TComponent>("TCAboutForm");
}

void TCAboutForm::SetVersionFormat(TVersionFormat format) {
    versionFormat_ = NormaliseVersionFormat(versionFormat_, format);
}

void TCAboutForm::Execute() {
    auto* dialog = ui::Application::Current().CreateOwnedForm<T_ZDQGUICommonAboutForm>();
    // Released on every path; destroyed once the messages already queued are handled.
    struct Release {
        ui::Form* form;
        ~Release() { form->Release(); }
    } release{dialog};

    dialog->UseVersionInfoFromFile = UseVersionInfoFromFile;
    dialog->InquiryURL = InquiryURL;
    dialog->RegisterURL = RegisterURL;
    dialog->SetAppIcon(Picture);
    dialog->SetEnableRegSite(EnableRegSite);
    std::string appendix;
    for (const std::string& line : Appendix) appendix += line + "\r\n";
    dialog->AddAppendix(appendix);
    dialog->RegSiteButtonVisible = RegSiteButtonVisible;
    dialog->ContactButtonVisible = ContactButtonVisible;
    dialog->Width = Width;
    dialog->VersionFormat = versionFormat_;
    if (!UseVersionInfoFromFile) {
        dialog->ProductName = ProductName;
        dialog->ProductVersion = ProductVersion;
        dialog->CompanyName = CompanyName;
        dialog->Copyright = Copyright;
    }
    dialog->ShowModal();
}
