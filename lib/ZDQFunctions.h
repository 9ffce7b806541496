// The maker's system and string utilities.
#pragma once

#include <string>

// The local computer's NetBIOS name as the system gives it, or "" when it cannot be had.
std::string GetLocalComputerName();
// The logged-on user's name, or "" when it cannot be had (a name needing over 255 bytes).
std::string GetLogonUserName();
