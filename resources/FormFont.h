// The font of every form of the program, the About dialogs' included.
#pragma once

#include <windows.h>

#include "ui/Layout.h"

inline constexpr ui::FormFont kFormFont{"ＭＳ Ｐゴシック", 12, SHIFTJIS_CHARSET};
