#!/usr/bin/env bash
# Checks how the install step makes 32-bit programs run under qemu on a kernel without IA32
# emulation, offline: fake apt and dpkg commands, and folders standing in for binfmt_misc and
# /etc/apt. The backports source follows the machine's own, a registration is written once, kept
# when current and replaced when stale, a host that runs 32-bit programs itself is left alone,
# and a failure at each step ends in the skip line that names it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QUORVIN_BINFMT=$work/binfmt QUORVIN_APT_ETC=$work/apt QUORVIN_DEBIAN_SUITE=bookworm
export QUORVIN_EMULATION_FAILED=$work/emulation-failed.txt
unset QUORVIN_EMULATE_WIN32 QUORVIN_ASSUME_NO_WIN32 QUORVIN_WIN32_UNAVAILABLE
# shellcheck source=../scripts/host-win32.sh
. "$here/../scripts/host-win32.sh"
fake=$work/bin
mkdir -p "$fake"
# shellcheck disable=SC2034  # read by the sourced functions
PATH=$fake:$PATH sudo="" quorvin_emulator=$work/qemu-i386 fail=0

# apt-get records what it is asked and installs qemu-user 10 unless told to fail; dpkg-query
# answers from what was installed; mount fails unless told otherwise.
cat >"$fake/apt-get" <<EOF
#!/bin/sh
echo "\$*" >>"$work/apt.log"
case "\$*" in
*update*) exit 0 ;;
-s*) [ -e "$work/apt-refuses" ] && { echo "E: Unable to locate package qemu-user"; exit 100; }
     echo "Inst qemu-user (1:10.0.2+ds-2+deb13u1~bpo12+1 Debian Backports:12/bookworm-backports [amd64])" ;;
*) echo 1:10.0.2+ds-2+deb13u1~bpo12+1 >"$work/installed" ;;
esac
EOF
printf '#!/bin/sh\ncat "%s" 2>/dev/null\n' "$work/installed" >"$fake/dpkg-query"
printf '#!/bin/sh\nexit 32\n' >"$fake/mount"
chmod +x "$fake"/*

check() { # what, got, what it holds
  if [[ "$2" == *"$3"* ]]; then
    echo "ok: $1"
  else
    printf 'FAILED: %s: want "%s", got:\n%s\n' "$1" "$3" "$2"
    fail=1
  fi
}
fresh() { # a host: its apt sources (.list or .sources), its binfmt_misc, nothing installed
  rm -rf "$QUORVIN_APT_ETC" "$QUORVIN_BINFMT" "$work/installed" "$work/apt.log" \
    "$work/apt-refuses" "$QUORVIN_EMULATION_FAILED"
  mkdir -p "$QUORVIN_APT_ETC/sources.list.d" "$QUORVIN_BINFMT"
  echo enabled >"$QUORVIN_BINFMT/status"
  : >"$QUORVIN_BINFMT/register"
  : >"$quorvin_emulator"
}
# The kernel's probe: a 32-bit program runs natively (yes), once an emulator is registered (no),
# or not even then (never).
runs_32bit=no
quorvin_runs_32bit() {
  case $runs_32bit in
  yes) return 0 ;;
  no) [ -f "$QUORVIN_BINFMT/register" ] && [ -s "$QUORVIN_BINFMT/register" ] ;;
  *) return 1 ;;
  esac
}
entry() { # name, interpreter, flags, age: a registration as binfmt_misc shows it
  printf '%s\n' enabled "interpreter $2" "flags: $3" "offset 0" "magic $quorvin_i386_magic_hex" \
    "mask fffffffffffefe00fffffffffffffffffeffffff" >"$QUORVIN_BINFMT/$1"
  touch -d "$4" "$QUORVIN_BINFMT/$1"
}
registration=":qemu-i386:M::$quorvin_i386_magic:$quorvin_i386_mask:$quorvin_emulator:F"

# The backports source, in the format and with the address and keyring of the machine's own.
fresh
cat >"$QUORVIN_APT_ETC/sources.list.d/debian.sources" <<'EOF'
Types: deb
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb deb-src
URIs: http://mirror.example/debian
Suites: bookworm bookworm-updates
Components: main contrib
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL0BUBEADmW5NdOOHwPIJlgPu6JDcKw/NZJPR8lsD3K87ZM18gzyQZJD+w
 -----END PGP PUBLIC KEY BLOCK-----
EOF
out=$(quorvin_emulate_32bit 2>&1) || true
check "the one line" "$out" \
  "32-bit programs run under emulation (qemu-user 10.0.2): this kernel has no IA32 emulation"
check "a .sources source" "$(cat "$QUORVIN_APT_ETC/sources.list.d/quorvin-backports.sources")" \
  "Types: deb
URIs: http://mirror.example/debian
Suites: bookworm-backports
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL0BUBEADmW5NdOOHwPIJlgPu6JDcKw/NZJPR8lsD3K87ZM18gzyQZJD+w
 -----END PGP PUBLIC KEY BLOCK-----"
check "qemu-user alone from backports" "$(grep -v update "$work/apt.log")" \
  "-s install -y --no-install-recommends qemu-user/bookworm-backports
-qq install -y --no-install-recommends qemu-user/bookworm-backports"
check "a missing registration written once" "$(wc -l <"$QUORVIN_BINFMT/register") $(cat "$QUORVIN_BINFMT/register")" \
  "1 $registration"

fresh
printf '%s\n' "# deb http://old.example/debian bookworm main" \
  "deb [arch=amd64 signed-by=/etc/apt/keyrings/debian.gpg] http://mirror.example/debian bookworm main non-free-firmware" \
  "deb http://security.example/debian-security bookworm-security main" >"$QUORVIN_APT_ETC/sources.list"
quorvin_add_backports_source >/dev/null
check "a .list source" "$(cat "$QUORVIN_APT_ETC/sources.list.d/quorvin-backports.list")" \
  "deb [arch=amd64 signed-by=/etc/apt/keyrings/debian.gpg] http://mirror.example/debian bookworm-backports main"
echo "deb http://mirror.example/debian bookworm-backports main" >>"$QUORVIN_APT_ETC/sources.list"
rm "$QUORVIN_APT_ETC/sources.list.d/quorvin-backports.list"
quorvin_add_backports_source >/dev/null
check "a backports source already there, none added" "$(ls "$QUORVIN_APT_ETC/sources.list.d")" ""

# Registrations: a current one is kept, a stale or a foreign one replaced.
fresh
echo 1:10.0.2+ds-2+deb13u1~bpo12+1 >"$work/installed"
entry qemu-i386 "$quorvin_emulator" OCF tomorrow
check "a current registration kept" "$(quorvin_register_emulator)" kept
check "  and nothing written" "$(cat "$QUORVIN_BINFMT/register")" ""
entry qemu-i386 "$quorvin_emulator" F 2000-01-01
check "a registration older than its emulator replaced" "$(quorvin_register_emulator)" replaced
check "  the old one removed" "$(cat "$QUORVIN_BINFMT/qemu-i386")" -1
check "  the new one written" "$(cat "$QUORVIN_BINFMT/register")" "$registration"
fresh
echo 1:10.0.2+ds-2+deb13u1~bpo12+1 >"$work/installed"
entry i386 /usr/bin/qemu-i386-static F tomorrow
check "a registration of another emulator replaced" "$(quorvin_register_emulator)" replaced
check "  the new one written" "$(cat "$QUORVIN_BINFMT/register")" "$registration"

# A host whose kernel runs 32-bit programs gets nothing new; QUORVIN_EMULATE_WIN32=1 asks for it.
fresh
echo "deb http://mirror.example/debian bookworm main" >"$QUORVIN_APT_ETC/sources.list"
runs_32bit=yes
quorvin_ensure_32bit >/dev/null 2>&1
if [ -z "$(ls "$QUORVIN_APT_ETC/sources.list.d")" ] && [ ! -e "$work/apt.log" ] &&
  [ ! -s "$QUORVIN_BINFMT/register" ]; then
  echo "ok: a native host left alone"
else
  echo "FAILED: a native host got a source, a package or a registration"
  fail=1
fi
out=$(QUORVIN_EMULATE_WIN32=1 quorvin_ensure_32bit 2>&1)
check "QUORVIN_EMULATE_WIN32=1 takes the emulation path" "$out" \
  "(qemu-user 10.0.2): QUORVIN_EMULATE_WIN32=1 asks for emulation"

# Each step that fails is named in the line that the skipped tests give.
runs_32bit=no
failing() { # step, the start of why, then what makes it fail
  local step=$1 why=$2
  shift 2
  fresh
  echo "deb http://mirror.example/debian bookworm main" >"$QUORVIN_APT_ETC/sources.list"
  "$@"
  quorvin_ensure_32bit >/dev/null 2>&1 && { echo "FAILED: the $step step did not fail"; fail=1; }
  check "a failure at the $step step" "$(quorvin_win32_unavailable_reason)" \
    "(no IA32 emulation) and emulating them failed at the $step step: $why"
}
# What makes each step fail, called through failing.
# shellcheck disable=SC2317
no_root() {
  printf '#!/bin/sh\necho 1000\n' >"$fake/id"
  printf '#!/bin/sh\nexit 1\n' >"$fake/sudo"
  chmod +x "$fake/id" "$fake/sudo"
}
# shellcheck disable=SC2317
no_binfmt() { rm "$QUORVIN_BINFMT/register"; }
# shellcheck disable=SC2317
no_source() { rm "$QUORVIN_APT_ETC/sources.list"; }
# shellcheck disable=SC2317
no_package() { touch "$work/apt-refuses"; }
# shellcheck disable=SC2317
no_writing() { rm "$QUORVIN_BINFMT/register" && mkdir "$QUORVIN_BINFMT/register"; }
failing root "neither root nor sudo" no_root
rm "$fake/id" "$fake/sudo"
failing binfmt_misc "$QUORVIN_BINFMT is not mounted" no_binfmt
failing qemu-user "no apt source of Debian bookworm" no_source
failing qemu-user "apt cannot install qemu-user from bookworm-backports: E: Unable" no_package
failing "binfmt_misc registration" "cannot write" no_writing
runs_32bit=never
failing check "a 32-bit program does not run" true
exit $fail
