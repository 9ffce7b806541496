#!/usr/bin/env bash
# Checks that what the scripts detect about this host agrees with what Wine does: a 32-bit
# Windows program starts exactly when the detection says it can.
#   check-win32-detection.sh <32-bit program that exits 0>
set -euo pipefail
exe=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
unset QUORVIN_WIN32_UNAVAILABLE QUORVIN_ASSUME_NO_WIN32
. "$here/../scripts/wine-env.sh"
reason=$(quorvin_win32_unavailable_reason)
quorvin_enter_run_prefix "$(cd "$(dirname "$exe")" && pwd)"
started=yes
timeout 60 "$WINE64" "$exe" </dev/null >/dev/null 2>&1 || started=no
echo "detected: ${reason:-32-bit programs run}; a 32-bit program started: $started"
expected=yes
[ -z "$reason" ] || expected=no
if [ "$started" = "$expected" ]; then
  echo "ok: the detection agrees with Wine"
else
  echo "FAILED: the detection disagrees with Wine"
  exit 1
fi
