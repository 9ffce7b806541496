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

# A 32-bit program on a host where Wine cannot start one is skipped (exit 77, CTest's skip),
# with the reason; QUORVIN_REQUIRE_WIN32=1 makes that a failure, for a release check.
if [ "$(quorvin_pe_machine "$exe")" = 014c ]; then
  quorvin_detect_win32
  if [ -n "$QUORVIN_WIN32_UNAVAILABLE" ]; then
    if [ "${QUORVIN_REQUIRE_WIN32:-0}" = 1 ]; then
      echo "FAILED: QUORVIN_REQUIRE_WIN32=1, but $QUORVIN_WIN32_UNAVAILABLE" >&2
      exit 1
    fi
    echo "skipped: $QUORVIN_WIN32_UNAVAILABLE"
    exit 77
  fi
fi

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
