#!/usr/bin/env bash
# Builds the benchmark programs of both presets and runs each one under Wine in a throwaway
# prefix, the 32-bit figures beside the 64-bit ones. Takes about ten minutes.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
quorvin_prepare startable
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for name in ReportBenchmark JobBenchmark; do
  for preset in "${presets[@]}"; do
    bash scripts/wine-run.sh "build/$preset/$name.exe" >"$out/$preset.txt"
  done
  echo "== $name"
  (cd "$out" && paste -d'|' "${presets[@]/%/.txt}") | column -t -s'|' -o ' | '
done
