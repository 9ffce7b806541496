#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and releasing Quorvin need,
# Wine's 32-bit half included (the shipped program is 32-bit). Quiet and quick when everything
# is there.
set -euo pipefail
# shellcheck source=host-win32.sh
. "$(dirname "${BASH_SOURCE[0]}")/host-win32.sh"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

packages=(
  cmake make clang-format git
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64 xvfb xauth
  googletest
  fonts-ipafont-gothic fonts-wine
  x11-apps imagemagick
  file locales
  shellcheck  # keeps the scripts checked
  python3  # writes and checks the release zips
)
# Without these the same wine64 cannot start 32-bit programs; the X libraries are what the
# 64-bit half gets as recommends. A host that cannot run 32-bit programs could not use them.
packages_i386=(
  wine32 libxcomposite1 libxcursor1 libxfixes3 libxi6 libxinerama1 libxrandr2 libxrender1
  libxxf86vm1
)
quorvin_ensure_32bit || packages_i386=()

# The Japanese UTF-8 locale, so that Wine's ANSI code page is 932 and tools print Japanese;
# the English one for the tests of an English Windows (code page 1252).
locales=(ja_JP en_US)
locale_ready() {
  local l
  for l in "${locales[@]}"; do
    locale -a 2>/dev/null | grep -qi "^$l\.utf-\?8\$" || return 1
  done
}

missing=()
for p in "${packages[@]}"; do
  quorvin_package_installed "$p" || missing+=("$p")
done
missing_i386=()
for p in "${packages_i386[@]}"; do
  quorvin_package_installed "$p:i386" || missing_i386+=("$p:i386")
done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_i386[@]} -eq 0 ] && locale_ready && exit 0

apt_install() {
  $sudo apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}
if [ ${#missing[@]} -gt 0 ] || [ ${#missing_i386[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]} ${missing_i386[*]}"
  [ ${#missing_i386[@]} -eq 0 ] || dpkg --print-foreign-architectures | grep -qx i386 ||
    $sudo dpkg --add-architecture i386
  # A mirror that is half-way through a sync fails one index now and then; the install below
  # says whether what it needs was there.
  $sudo apt-get update -qq || echo "apt-get update reported errors; installing from what it has" >&2
  [ ${#missing[@]} -eq 0 ] || apt_install "${missing[@]}"
  # Wine's 32-bit half can be missing from a mirror that has the rest: the 64-bit build still
  # builds and runs, and the test script says which tests that leaves out. An index that failed
  # to update can leave it installable only with its Multi-Arch pairs pinned.
  if [ ${#missing_i386[@]} -gt 0 ] && ! error=$(apt_install "${missing_i386[@]}" 2>&1) &&
    ! quorvin_install_i386_pinned "${missing_i386[@]}"; then
    printf '%s\n' "$error" >&2
    echo "Could not install ${missing_i386[*]}: 32-bit Windows programs will not run under Wine" >&2
  fi
fi
if ! locale_ready; then
  for l in "${locales[@]}"; do
    $sudo sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  done
  $sudo locale-gen >/dev/null
fi
