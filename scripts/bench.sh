#!/usr/bin/env bash
# Builds the benchmark programs of both presets and runs each one under Wine in a throwaway
# prefix, the 32-bit figures beside the 64-bit ones. Takes about ten minutes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)" >/dev/null
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for name in ReportBenchmark JobBenchmark; do
  for preset in win32 win64; do
    bash scripts/wine-run.sh "build/$preset/$name.exe" >"$out/$preset.txt"
  done
  echo "== $name"
  paste -d'|' "$out/win32.txt" "$out/win64.txt" | column -t -s'|' -o ' | '
done
