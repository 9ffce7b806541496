// The report as a text file: Shift-JIS, made here from the report's UTF-16.
#pragma once

#include <string>

// Creates (or empties) the file and writes the whole text as Shift-JIS in one write, without a
// byte-order mark. Throws when the file cannot be created, or when the write fails or falls
// short.
void WriteReportFile(const std::wstring& path, const std::wstring& text);
