# shellcheck shell=bash
# Sourced by the scripts that build and run Quorvin: installs what is missing, builds presets,
# and tells which builds Wine can start on this host. Its callers then work from the
# repository's root, $root, wherever they were started from; most need quorvin_prepare alone.
QUORVIN_SCRIPTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$QUORVIN_SCRIPTS/.." && pwd)
cd "$root" || exit
. "$QUORVIN_SCRIPTS/host-win32.sh"

quorvin_install() {
  bash "$QUORVIN_SCRIPTS/install-deps.sh"
}

# Configures and builds a preset, in its own binary folder or in the one given, all of it or
# one target:  quorvin_build PRESET [BINARY_FOLDER [TARGET]]
# Quiet unless QUORVIN_BUILD_LOG=1.
quorvin_build() {
  local preset=$1 folder=${2:-} target=${3:-}
  local configure=(cmake --preset "$preset") compile=(cmake --build --preset "$preset")
  if [ -n "$folder" ]; then
    configure+=(-B "$folder")
    compile=(cmake --build "$folder")
  fi
  [ -z "$target" ] || compile+=(--target "$target")
  "${configure[@]}" >/dev/null
  if [ "${QUORVIN_BUILD_LOG:-0}" = 1 ]; then
    "${compile[@]}" -j"$(nproc)"
  else
    "${compile[@]}" -j"$(nproc)" >/dev/null
  fi
}

# The set-up that the commands share, in one call: installs what is missing, tells once which
# builds Wine can start here (the answer goes to every script and test started from the caller),
# brings in the Wine environment and builds the presets asked for, which it leaves in the array
# presets:
#   all        both, the shipped 32-bit one first;
#   startable  those whose programs Wine can start here: both, or win64 alone where it cannot
#              start 32-bit programs, with a line on stderr that says why;
#   shipped    the first of those: the one to show a user.
quorvin_prepare() {
  local which=$1 preset
  quorvin_install
  quorvin_detect_win32
  # shellcheck source=wine-env.sh
  . "$QUORVIN_SCRIPTS/wine-env.sh"
  presets=(win32 win64)
  if [ "$which" != all ] && [ -n "$QUORVIN_WIN32_UNAVAILABLE" ]; then
    echo "The 64-bit Quorvin stands in for the shipped 32-bit one: $QUORVIN_WIN32_UNAVAILABLE." >&2
    presets=(win64)
  fi
  [ "$which" != shipped ] || presets=("${presets[0]}")
  for preset in "${presets[@]}"; do
    quorvin_build "$preset"
  done
}
