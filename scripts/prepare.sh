# shellcheck shell=bash
# Sourced by the scripts that build and run Quorvin: installs what is missing, builds presets,
# and tells which builds Wine can start on this host. Its callers then work from the
# repository's root, $root, wherever they were started from.
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

# The presets whose programs Wine can start here, the shipped 32-bit one first. Where it cannot
# start 32-bit programs, win64 alone, with a line on stderr that says why.
quorvin_startable_presets() {
  quorvin_detect_win32
  if [ -n "$QUORVIN_WIN32_UNAVAILABLE" ]; then
    echo "The 64-bit Quorvin stands in for the shipped 32-bit one: $QUORVIN_WIN32_UNAVAILABLE." >&2
    echo win64
  else
    echo win32 win64
  fi
}
