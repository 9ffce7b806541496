#!/usr/bin/env bash
# Installs what is missing, builds the 32- and 64-bit programs and runs the whole test suite
# once for each: every test program runs as a 32-bit and as a 64-bit program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)"
done
status=0
for preset in win32 win64; do
  echo "== $preset"
  ctest --preset "$preset" -j"$(nproc)" || status=1
done
exit $status
