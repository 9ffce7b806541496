#!/usr/bin/env bash
# Installs what is missing, builds the 32- and 64-bit programs and runs every test under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)"
done
# Only the 64-bit build runs here: these machines cannot execute 32-bit code.
ctest --preset win64 -j"$(nproc)"
