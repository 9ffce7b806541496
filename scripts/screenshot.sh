#!/usr/bin/env bash
# Renders what a user sees of the shipped 32-bit Quorvin's windows (the 64-bit one's where Wine
# cannot start 32-bit programs), title bars and Japanese texts included, under a private Xvfb,
# at a display scale given as a DPI (96 is 100 %):
#   bash scripts/screenshot.sh [main|about] [out.png] [dpi]
#   (default: main, build/<window>.png, 96)
# QUORVIN_CONTRAST=dark (or light) shows them in a contrast theme.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
which=${1:-main}
out=${2:-$root/build/$which-window.png}
dpi=${3:-96}

quorvin_prepare shipped
build=$root/build/${presets[0]}
quorvin_enter_run_prefix "$build" display
quorvin_set_dpi "$dpi"
[ -z "${QUORVIN_CONTRAST:-}" ] || quorvin_set_contrast "$QUORVIN_CONTRAST"

"$WINE64" "$build/Quorvin.exe" </dev/null >/dev/null 2>&1 &

# Where the window is, found by the names the program is built with; then the screen cropped
# to it with a small margin.
rect=$("$WINE64" "$build/FindQuorvinWindow.exe" "$which" </dev/null 2>/dev/null | tr -d '\r')
read -r x y w h <<<"$rect" || true
[ -n "${h:-}" ] || { echo "The window did not appear." >&2; exit 1; }
m=$((8 * dpi / 96))
geometry="$((w + 2 * m))x$((h + 2 * m))+$((x - m))+$((y - m))"
mkdir -p "$(dirname "$out")"
xwd -root -silent | convert xwd:- -crop "$geometry" +repage "png:$out"
echo "$out"
