#!/usr/bin/env bash
# Checks that a build tree holds programs of its own architecture only: Quorvin.exe a GUI
# program, and every test and benchmark program beside it of the same format and machine;
# with a size limit, that Quorvin.exe keeps within it.
#   check-executables.sh <build tree> <PE32|PE32+> <Intel 80386|x86-64> [<most bytes>]
set -euo pipefail
tree=$1 format=$2 machine=$3 most=${4:-}
fail=0
check() {
  local exe=$1 want=$2 got
  got=$(file -b "$exe")
  case "$got" in
    "$want"*) echo "ok: $exe: $got" ;;
    *) echo "FAILED: $exe: $got (want $want)"; fail=1 ;;
  esac
}
[ -f "$tree/Quorvin.exe" ] || { echo "FAILED: no $tree/Quorvin.exe"; exit 1; }
for exe in "$tree"/*.exe; do
  if [ "$(basename "$exe")" = Quorvin.exe ]; then
    check "$exe" "$format executable (GUI) $machine"
  else
    check "$exe" "$format executable ("
    case "$(file -b "$exe")" in *"$machine"*) ;; *) echo "FAILED: $exe: not $machine"; fail=1 ;; esac
  fi
done
if [ -n "$most" ]; then
  size=$(stat -c %s "$tree/Quorvin.exe")
  if [ "$size" -le "$most" ]; then
    echo "ok: Quorvin.exe is $size bytes"
  else
    echo "FAILED: Quorvin.exe is $size bytes, more than $most"
    fail=1
  fi
fi
exit $fail
