// The installed-applications report: a header naming the computer and the user, then the
// display name of every entry under the uninstall key, in every registry view that has one.
#pragma once

#include <string>
#include <vector>

// Clears the lines and rebuilds them from the registry. An error while building is shown in
// the plain message dialog and ends the build; the lines built so far stay. The result has no
// lines when the uninstall key is missing in every view or has no subkeys in any, and at least
// the five header lines else. The program's own view comes first.
void BuildInstalledApplicationsReport(std::vector<std::string>& lines);
