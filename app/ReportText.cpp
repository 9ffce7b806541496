// The report's text form.
#include "app/ReportText.h"

std::wstring ReportText(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) text.append(line).append(L"\r\n");
    return text;
}
