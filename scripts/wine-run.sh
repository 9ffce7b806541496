#!/usr/bin/env bash
# Runs one Windows test program under wine64 in a throwaway copy of its build tree's prefix,
# with a private Xvfb unless QUORVIN_NO_DISPLAY=1. Leaves no Wine or Xvfb process behind.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"

exe=$1
shift
build=$(cd "$(dirname "$exe")" && pwd)
quorvin_make_prefix "$build/wine-template" test

run=$(mktemp -d "${TMPDIR:-/tmp}/quorvin-run.XXXXXX")
cleanup() {
  WINEPREFIX="$run/prefix" TMPDIR="$run/tmp" wineserver -k </dev/null >/dev/null 2>&1
  quorvin_stop_xvfb
  rm -rf "$run"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

cp -a "$build/wine-template/." "$run/prefix/"
rm -f "$run/prefix/wineserver"
mkdir -p "$run/tmp"
export WINEPREFIX=$run/prefix TMPDIR=$run/tmp
if [ "${QUORVIN_NO_DISPLAY:-0}" = 1 ]; then
  unset DISPLAY
else
  quorvin_start_xvfb "$run"
fi
# Started here so that it does not hold the test's output pipe open.
wineserver -p5 </dev/null >/dev/null 2>&1

# A file-size limit (in KiB) makes writes fall short for real; it must not bind the server.
if [ -n "${QUORVIN_FILE_SIZE_LIMIT:-}" ]; then
  trap '' XFSZ
  ulimit -f "$QUORVIN_FILE_SIZE_LIMIT"
fi

"$WINE64" "$exe" "$@"
