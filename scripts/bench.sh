#!/usr/bin/env bash
# Builds the benchmark programs of both presets and runs each one under Wine in a throwaway
# prefix, the 32-bit figures beside the 64-bit ones. Takes about ten minutes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh
. scripts/host-win32.sh
quorvin_detect_win32
presets=(win32 win64)
if [ -n "$QUORVIN_WIN32_UNAVAILABLE" ]; then
  echo "Only the 64-bit figures: $QUORVIN_WIN32_UNAVAILABLE."
  presets=(win64)
fi
for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)" >/dev/null
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for name in ReportBenchmark JobBenchmark; do
  for preset in "${presets[@]}"; do
    bash scripts/wine-run.sh "build/$preset/$name.exe" >"$out/$preset.txt"
  done
  echo "== $name"
  (cd "$out" && paste -d'|' "${presets[@]/%/.txt}") | column -t -s'|' -o ' | '
done
