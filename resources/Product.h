// The program's facts and its maker's, written once for the resource script and the code.
#pragma once

#include "resources/Version.h"

// The program's name: the application title, and the name its About dialog shows.
#define QUORVIN_PROGRAM_NAME "Quorvin"
// The product's name in the version record and the main window's caption.
#define QUORVIN_PRODUCT_NAME "Brindlex"
#define QUORVIN_COMPANY_NAME "Quorvin Soft Co., Ltd."
#define QUORVIN_COPYRIGHT "Copyright (C) 2026 Quorvin Soft Co., Ltd."
#define QUORVIN_REGISTER_URL "https://www.example.jp/quorvin/register/"
#define QUORVIN_INQUIRY_URL "https://www.example.jp/quorvin/inquiry/"
