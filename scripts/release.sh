#!/usr/bin/env bash
# Builds the release of both presets from the committed tree, each in a binary folder of its
# own (build/release-<preset>), and writes dist/: Quorvin-<version>-<preset>.zip with
# Quorvin.exe and the Japanese guide, and SHA256SUMS. The same commit gives the same bytes in
# any folder of any machine set up by install-deps.sh.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
quorvin_install
if [ -n "$(git status --porcelain)" ]; then
  echo "The tree has changes that are not committed; a release is built from a commit only." >&2
  git status --short >&2
  exit 1
fi
# Every file of the zip carries the commit's time.
epoch=$(git log -1 --format=%ct)

rm -rf dist
mkdir dist
for preset in win32 win64; do
  build=build/release-$preset
  rm -rf "$build"
  quorvin_build "$preset" "$build" Quorvin
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  /usr/bin/python3 scripts/release_zip.py "$build/Quorvin.exe" docs/guide.ja.txt \
    resources/Product.h "$version" "$epoch" "dist/Quorvin-$version-$preset.zip"
done
(cd dist && sha256sum Quorvin-*.zip >SHA256SUMS)
cat dist/SHA256SUMS
