#!/usr/bin/env bash
# Installs what is missing, builds Quorvin and starts it under Wine on this display.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
. scripts/wine-env.sh

bash scripts/install-deps.sh
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)" >/dev/null
done

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
# The shipped program is the 32-bit one; where this machine cannot run 32-bit code (no wine32,
# or a kernel without 32-bit support), the 64-bit build of the same sources stands in.
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  exec /usr/lib/wine/wine build/win32/Quorvin.exe
fi
echo "This machine cannot run 32-bit Windows programs; starting the 64-bit build." >&2
exec "$WINE64" build/win64/Quorvin.exe
