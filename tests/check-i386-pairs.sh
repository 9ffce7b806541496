#!/usr/bin/env bash
# Checks how install-deps.sh installs Wine's 32-bit half when an amd64 Multi-Arch: same library
# is newer than the i386 index has, with fake apt commands: both halves go to the version both
# architectures offer, and a plan that removes or downgrades something else is refused.
set -euo pipefail
# shellcheck source=../scripts/i386-pairs.sh
. "$(dirname "$0")/../scripts/i386-pairs.sh"
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
# shellcheck disable=SC2034  # the sourced functions run apt-get as $sudo apt-get
PATH=$fake:$PATH sudo="" fail=0
gst=libgstreamer-plugins-base1.0-0

cat >"$fake/apt-cache" <<EOF
#!/bin/sh
[ "\$1" = depends ] && exec printf '%s\n' wine32:i386 '  Depends: libwine:i386' libwine:i386 \
  '  Depends: $gst:i386' '  Depends: libc6:i386' $gst:i386 libc6:i386 '<libopencl1:i386>'
shift; for p; do cat "$fake/\$p" 2>/dev/null || true; done
EOF
cat >"$fake/apt-get" <<EOF
#!/bin/sh
if [ "\$1" = -s ]; then cat "$fake/plan"; else echo "\$*" >"$fake/installed"; fi
EOF
printf '%s\n' "libc6 amd64 ii  same" "$gst amd64 ii  same" "libwine amd64 ii  same" \
  "wine64 amd64 ii  foreign" "$gst i386 un  " >"$fake/dpkg-query.out"
printf '#!/bin/sh\ncat "%s"\n' "$fake/dpkg-query.out" >"$fake/dpkg-query"
chmod +x "$fake/apt-cache" "$fake/apt-get" "$fake/dpkg-query"

# As apt-cache policy prints them: amd64 from bookworm-security, i386 only from bookworm.
security="        500 http://deb.debian.org/debian-security bookworm-security/main"
release="        500 http://deb.debian.org/debian bookworm/main"
status="        100 /var/lib/dpkg/status"
policy() { # file, header, installed, candidate, then the version table's lines
  local file=$1 name=$2 installed=$3 candidate=$4
  shift 4
  printf '%s\n' "$name:" "  Installed: $installed" "  Candidate: $candidate" \
    "  Version table:" "$@" >"$fake/$file"
}
policy $gst:amd64 $gst 1.22.0-3+deb12u7 1.22.0-3+deb12u7 " *** 1.22.0-3+deb12u7 500" \
  "$security amd64 Packages" "$status" "     1.22.0-3+deb12u6 500" "$release amd64 Packages"
policy $gst:i386 $gst:i386 "(none)" 1.22.0-3+deb12u6 "     1.22.0-3+deb12u6 500" \
  "$release i386 Packages"
# Older on amd64 than either index: apt upgrades it to meet its i386 half unaided.
policy libc6:amd64 libc6 2.36-9+deb12u4 2.36-9+deb12u7 "     2.36-9+deb12u7 500" \
  "$release amd64 Packages" " *** 2.36-9+deb12u4 100" "$status"
policy libc6:i386 libc6:i386 "(none)" 2.36-9+deb12u7 "     2.36-9+deb12u7 500" \
  "$release i386 Packages"

check() { # name, whether it installs, what its output has
  if [ "$2" = "$3" ] && [[ "$4" == *"$5"* ]]; then
    echo "ok: $1: $4"
  else
    echo "FAILED: $1: want install=$3 and \"$5\", got install=$2: $4"
    fail=1
  fi
}
run() { # the plan's lines
  printf '%s\n' "$@" >"$fake/plan"
  rm -f "$fake/installed"
  out=$(quorvin_install_i386_pinned wine32:i386 libxrandr2:i386 2>&1) && status=yes || status=no
}
pinned="$gst:amd64=1.22.0-3+deb12u6 $gst:i386=1.22.0-3+deb12u6"
downgrade="Inst $gst [1.22.0-3+deb12u7] (1.22.0-3+deb12u6 Debian:12.15/oldstable [amd64])"
new="Inst $gst:i386 (1.22.0-3+deb12u6 Debian:12.15/oldstable [i386])"

run "$downgrade" "$new" "Inst wine32:i386 (8.0~repack-4 Debian:12.15/oldstable [i386])"
check "both halves pinned to the common version" "$status" yes "$out" "$gst 1.22.0-3+deb12u6"
got=$(cat "$fake/installed" 2>/dev/null || true)
if [[ "$got" == *"--allow-downgrades wine64 libwine:amd64 $pinned wine32:i386 "* ]]; then
  echo "ok: apt-get install $got"
else
  echo "FAILED: want wine64, libwine:amd64, $pinned and wine32:i386 installed, got: $got"
  fail=1
fi

run "$downgrade" "$new" "Remv wine64 [8.0~repack-4]"
check "a plan with a removal refused" "$status" no "$out" "apt's plan removes wine64"
[ ! -e "$fake/installed" ] || { echo "FAILED: installed after refusing"; fail=1; }

run "$downgrade" "Inst libc6 [2.36-9+deb12u7] (2.36-9+deb12u4 Debian:12.0/stable [amd64])"
check "a downgrade not pinned refused" "$status" no "$out" "downgrades libc6 from 2.36-9+deb12u7"
exit $fail
