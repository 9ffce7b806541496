#!/usr/bin/env bash
# Installs what is missing, builds the shipped 32-bit Quorvin and starts it under Wine on this
# display; where Wine cannot start 32-bit programs, the 64-bit build instead.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
. scripts/wine-env.sh
quorvin_detect_win32
preset=win32
if [ -n "$QUORVIN_WIN32_UNAVAILABLE" ]; then
  echo "Starting the 64-bit Quorvin instead of the shipped 32-bit one: $QUORVIN_WIN32_UNAVAILABLE." >&2
  preset=win64
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)" >/dev/null

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
