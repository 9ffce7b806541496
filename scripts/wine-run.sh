#!/usr/bin/env bash
# Runs one Windows program of a build tree (a test, a benchmark) under Wine in a throwaway
# copy of the tree's prefix, with a private Xvfb unless QUORVIN_NO_DISPLAY=1, at the display
# scale QUORVIN_LOGPIXELS (a DPI) when it is set. Leaves no Wine or Xvfb process behind.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"

exe=$1
shift
build=$(cd "$(dirname "$exe")" && pwd)
if [ "${QUORVIN_NO_DISPLAY:-0}" = 1 ]; then
  quorvin_enter_run_prefix "$build"
else
  quorvin_enter_run_prefix "$build" display
fi

# A display scale other than 100 %, as a DPI.
if [ -n "${QUORVIN_LOGPIXELS:-}" ]; then
  quorvin_set_dpi "$QUORVIN_LOGPIXELS"
fi

# A file-size limit (in KiB) makes writes fall short for real; it must not bind the server.
if [ -n "${QUORVIN_FILE_SIZE_LIMIT:-}" ]; then
  trap '' XFSZ
  ulimit -f "$QUORVIN_FILE_SIZE_LIMIT"
fi

"$WINE64" "$exe" "$@"
