#!/usr/bin/env bash
# Checks that the 32-bit build is a PE32 GUI program and the 64-bit one a PE32+ GUI program.
set -u
win32=$1 win64=$2
fail=0
check() {
  local exe=$1 want=$2 got
  got=$(file -b "$exe" 2>&1)
  case "$got" in
    "$want"*) echo "ok: $exe: $got" ;;
    *) echo "FAILED: $exe: $got (want $want)"; fail=1 ;;
  esac
}
check "$win32" "PE32 executable (GUI) Intel 80386"
check "$win64" "PE32+ executable (GUI) x86-64"
exit $fail
