# shellcheck shell=bash
# Sourced: whether Wine on this host can start 32-bit Windows programs such as the shipped
# Quorvin.exe. It needs two things that fail for different reasons: a host that runs 32-bit
# Linux programs (some virtual machines and container hosts run without IA32 emulation; there
# the install step makes them run under qemu) and Wine's 32-bit half, the package wine32:i386.

# Where the install step leaves the line on why 32-bit programs could not be made to run under
# emulation, for the tests' skip line.
QUORVIN_EMULATION_FAILED=${QUORVIN_EMULATION_FAILED:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/emulation-failed.txt}
# shellcheck source=emulate-i386.sh
. "$(dirname "${BASH_SOURCE[0]}")/emulate-i386.sh"

# Whether this host runs a 32-bit x86 Linux program, natively or through an emulator registered
# with binfmt_misc: a 96-byte static ELF that only exits with 42. A kernel without IA32
# emulation and no emulator says "Exec format error", whatever is installed.
quorvin_runs_32bit() {
  local probe status
  probe=$(mktemp "${TMPDIR:-/tmp}/quorvin-ia32.XXXXXX") || return 1
  printf '%b' \
    '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
    '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
    '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
    '\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08' \
    '\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00' \
    '\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
  chmod +x "$probe"
  status=0
  "$probe" </dev/null >/dev/null 2>&1 || status=$?
  rm -f "$probe"
  [ "$status" -eq 42 ]
}

# The machine field of a Windows program's PE header: 014c for x86, 8664 for x86-64.
quorvin_pe_machine() {
  local header
  header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' '
}

# Whether dpkg has a package installed, by name with or without its architecture (wine32:i386).
quorvin_package_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# One line on why Wine cannot start 32-bit Windows programs here; nothing when it can.
# QUORVIN_ASSUME_NO_WIN32=1 acts as on a host without them, so that every host can try that path.
quorvin_win32_unavailable_reason() {
  if [ "${QUORVIN_ASSUME_NO_WIN32:-0}" = 1 ]; then
    echo "QUORVIN_ASSUME_NO_WIN32=1 asks to act as on a host without 32-bit support"
  elif ! quorvin_runs_32bit; then
    local emulation=""
    [ ! -s "$QUORVIN_EMULATION_FAILED" ] || emulation=" and $(cat "$QUORVIN_EMULATION_FAILED");"
    echo "this host's kernel cannot run 32-bit programs (no IA32 emulation)$emulation, so Wine cannot start 32-bit Windows programs"
  elif ! quorvin_package_installed wine32:i386; then
    echo "wine32:i386 (Wine's 32-bit half) is not installed, so Wine cannot start 32-bit Windows programs"
  fi
}

# Detects once per process tree: the answer goes to every script and test started from here.
quorvin_detect_win32() {
  if [ -z "${QUORVIN_WIN32_UNAVAILABLE+set}" ]; then
    QUORVIN_WIN32_UNAVAILABLE=$(quorvin_win32_unavailable_reason)
    export QUORVIN_WIN32_UNAVAILABLE
  fi
}

# How 32-bit programs run here, for the scripts' last word on them: natively, or under emulation.
quorvin_32bit_mode() {
  local version
  if ! quorvin_i386_emulated; then
    echo natively
  elif version=$(quorvin_emulator_version); then
    echo "under emulation (qemu-user $version)"
  else
    echo "under emulation"
  fi
}
