#!/usr/bin/env bash
# Checks that the release can be reproduced: clones the current commit twice into different
# temporary folders, runs release.sh in each, and compares what they wrote. Takes a few
# minutes; the test suite checks only the cheap signs of it.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for clone in first second-clone; do
  git clone -q "$root" "$work/$clone"
  git -C "$work/$clone" checkout -q "$(git -C "$root" rev-parse HEAD)"
  echo "== $work/$clone"
  bash "$work/$clone/scripts/release.sh"
done
if diff -r "$work/first/dist" "$work/second-clone/dist"; then
  echo "ok: both releases are byte-identical"
else
  echo "FAILED: the two releases differ"
  exit 1
fi
