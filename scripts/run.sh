#!/usr/bin/env bash
# Installs what is missing, builds the shipped 32-bit Quorvin and starts it under Wine on this
# display (under emulation where the kernel cannot run 32-bit programs); where Wine cannot start
# 32-bit programs at all, the 64-bit build instead.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
quorvin_prepare shipped
preset=${presets[0]}
[ "$preset" != win32 ] || echo "The 32-bit Quorvin runs $(quorvin_32bit_mode)."

if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<'TXT'
There is no display to show Quorvin on (DISPLAY is not set).
Run this command from a desktop session (a terminal on an X or Wayland desktop), or over
"ssh -X". To see the windows without a desktop, run: bash scripts/screenshot.sh
TXT
  exit 1
fi

prefix=$root/build/wine-user
quorvin_make_prefix "$prefix"
export WINEPREFIX=$prefix
exec "$WINE64" "build/$preset/Quorvin.exe"
