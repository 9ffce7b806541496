#!/usr/bin/env bash
# Renders what a user sees of the shipped 32-bit Quorvin's windows, title bars and Japanese
# texts included, under a private Xvfb, at a display scale given as a DPI (96 is 100 %):
#   bash scripts/screenshot.sh [main|about] [out.png] [dpi]
#   (default: main, build/<window>.png, 96)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
which=${1:-main}
out=${2:-$root/build/$which-window.png}
dpi=${3:-96}
build=$root/build/win32

bash scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)" >/dev/null
. scripts/wine-env.sh
quorvin_enter_run_prefix "$build" display
quorvin_set_dpi "$dpi"

"$WINE64" "$build/Quorvin.exe" </dev/null >/dev/null 2>&1 &

caption='Brindlex - アプリケーションの一覧を取得'
if [ "$which" = about ]; then
  "$WINE64" "$build/ClickButton.exe" TfrmQuorvinMain "$caption" "About.." >/dev/null
  caption='Quorvin のバージョン情報'
fi

# Wait for the window to be drawn, then crop the screen to it with a small margin.
geometry=
for _ in $(seq 100); do
  id=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$caption\"" | awk '{print $1}' | head -n1 || true)
  if [ -n "$id" ] && xwininfo -id "$id" | grep -q IsViewable; then
    sleep 1
    geometry=$(xwininfo -id "$id" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
      /Width/{w=$2} /Height/{h=$2} END{printf "%dx%d+%d+%d", w+2*m, h+2*m, x-m, y-m}' m=$((8 * dpi / 96)))
    break
  fi
  sleep 0.1
done
[ -n "$geometry" ] || { echo "The window did not appear." >&2; exit 1; }
mkdir -p "$(dirname "$out")"
xwd -root -silent | convert xwd:- -crop "$geometry" +repage "png:$out"
echo "$out"
