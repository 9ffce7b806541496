// The installed-applications report: a header naming the computer and the user, then the
// display name of every entry under the uninstall key: the machine's, in every registry view
// that has one, then the user's own; then the user's packaged applications.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/Packages.h"
#include "win/IndirectString.h"

struct InstalledApplicationsReport {
    // One entry per line, in build order, never sorted; in UTF-16, each name exactly as the
    // registry holds it. Its Shift-JIS form is made where the report is written out.
    std::vector<std::wstring> lines;
    // The message of the error that stopped the build, if one did; the lines built so far
    // stay.
    std::optional<std::string> error;
};

// Builds the report from the registry. Without packaged applications to list, the lines are
// none when the uninstall key is missing in every place (no error) or has no subkeys in any
// (an error). Else they are the five header lines and the names: the machine's, the program's
// own view first, then the user's, then the packages'. Indirect package names are resolved
// with the given resolver.
InstalledApplicationsReport BuildInstalledApplicationsReport(
    IndirectStringResolver resolve = &win::LoadIndirectString);
