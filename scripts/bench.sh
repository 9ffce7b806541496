#!/usr/bin/env bash
# Builds the 64-bit benchmark programs and runs them under Wine in a throwaway prefix.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$(nproc)" >/dev/null
for bench in build/win64/*Benchmark.exe; do
  echo "== $(basename "$bench" .exe)"
  bash scripts/wine-run.sh "$bench"
done
