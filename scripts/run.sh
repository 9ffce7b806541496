#!/usr/bin/env bash
# Installs what is missing, builds the shipped 32-bit Quorvin and starts it under Wine on this
# display.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)" >/dev/null
. scripts/wine-env.sh

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
# The shipped 32-bit program; wine64 starts it with Wine's 32-bit half.
exec "$WINE64" build/win32/Quorvin.exe
