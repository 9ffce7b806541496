#!/usr/bin/env bash
# Checks what makes a downloaded Quorvin.exe safe to run and its build checkable: it imports
# only DLLs that Windows takes from System32 whatever lies beside the program (KnownDLLs, and
# comctl32 v6, bound through the manifest) and no function that Windows 7 lacks, it carries the
# flags of a modern program, and no time stamp or folder of the build machine is in it.
#   check-hardening.sh <exe> <objdump> <source folder> <build folder>
set -euo pipefail
exe=$1 objdump=$2 source=$3 build=$4
fail=0
ok() { echo "ok: $*"; }
failed() { echo "FAILED: $*"; fail=1; }

# KnownDLLs of Windows 7 to 11 that a program like this might use.
allowed=" advapi32 comctl32 comdlg32 gdi32 imm32 kernel32 msvcrt ole32 oleaut32 rpcrt4 shell32
 shlwapi user32 ws2_32 "
imports=$("$objdump" -p "$exe" | awk '/DLL Name:/ {print tolower($3)}')
[ -n "$imports" ] || failed "no imports read from $exe"
for dll in $imports; do
  case "$allowed" in
    *[[:space:]]"${dll%.dll}"[[:space:]]*) ok "imports $dll" ;;
    *) failed "imports $dll, which Windows may take from the program's folder" ;;
  esac
done

# Functions newer than Windows 7 SP1 are looked up at run time: a static import of one would
# stop the program from starting there.
newer="GetDpiForWindow AdjustWindowRectExForDpi GetSystemMetricsForDpi SetThreadDpiAwarenessContext
 SetProcessDpiAwarenessContext GetDpiForSystem EnableNonClientDpiScaling SetDefaultDllDirectories"
functions=$("$objdump" -p "$exe" | awk -F'[ \t]+' '/^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ {print $NF}')
for name in $newer; do
  if grep -qx "$name" <<<"$functions"; then failed "imports $name, which Windows 7 lacks"; fi
done
if [ -n "$functions" ]; then
  ok "no function newer than Windows 7 imported"
else
  failed "no functions read"
fi

# Little-endian unsigned fields of the PE headers.
field() { od -An -t"u$2" -j"$1" -N"$2" "$exe" | tr -d ' '; }
pe=$(field 60 4)
magic=$(field $((pe + 24)) 2)
has() {
  local name=$1 value=$2 bit=$3
  if (((value & bit) == bit)); then ok "$name"; else failed "not $name"; fi
}
has LARGE_ADDRESS_AWARE "$(field $((pe + 22)) 2)" 0x20
dll=$(field $((pe + 24 + 70)) 2)
has DYNAMIC_BASE "$dll" 0x40
has NX_COMPAT "$dll" 0x100
has TERMINAL_SERVER_AWARE "$dll" 0x8000
[ "$magic" -eq $((0x20b)) ] && has HIGH_ENTROPY_VA "$dll" 0x20
stamp=$(field $((pe + 8)) 4)
if [ "$stamp" -eq 0 ]; then ok "no time stamp"; else failed "time stamp $stamp"; fi

# Two clones build the same bytes only if neither folder shows in the program.
for folder in "$source" "$build"; do
  if grep -qaF "$folder" "$exe"; then failed "$folder is in the program"; else ok "no $folder"; fi
done
exit $fail
