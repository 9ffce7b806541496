// The About component: carries the facts that the About dialog shows and shows it.
#pragma once

#include "about/AboutSettings.h"
#include "about/VersionText.h"
#include "lib/System.h"

class TCAboutForm : public lib::TComponent, public TAboutSettings {
  public:
    // The maker's two web pages are the addresses it starts with.
    explicit TCAboutForm(lib::TComponent* owner);
    static lib::TClass StaticClass();
    lib::TClass ClassType() const override { return StaticClass(); }

    // Builds an About dialog from the settings, shows it modally and releases it.
    void Execute();

    // Which parts of the file version the version text shows in file mode. A write is
    // normalised (NormaliseVersionFormat), so the stored set always makes sense.
    TVersionFormat VersionFormat() const { return versionFormat_; }
    void SetVersionFormat(TVersionFormat format);

  private:
    TVersionFormat versionFormat_{vfMajor, vfMinor, vfRelease, vfBuild};
};
