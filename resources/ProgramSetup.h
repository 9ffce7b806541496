// How the program's application object is made; the tests make theirs the same way.
#pragma once

#include "resources/Product.h"
#include "resources/ResourceIds.h"
#include "resources/UserTexts.h"
#include "ui/Application.h"

inline constexpr ui::ApplicationSetup kProgramSetup{QUORVIN_PROGRAM_NAME, QUORVIN_MAINICON,
                                                    kUnknownErrorText};
