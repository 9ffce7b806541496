#!/usr/bin/env bash
# Checks that every C++ source of the repository is formatted by its .clang-format.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "ok: formatted"
