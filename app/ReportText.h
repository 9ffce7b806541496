// The report's text form: its lines as one text, as both outputs write it.
#pragma once

#include <string>
#include <vector>

// Every line followed by CR LF, the last one too.
std::wstring ReportText(const std::vector<std::wstring>& lines);
