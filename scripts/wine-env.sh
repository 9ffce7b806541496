# shellcheck shell=bash
# Sourced by the scripts that run Quorvin under Wine: the environment, the prefix set-up and
# the throwaway copy of a prefix that one run works in. It leaves the caller's shell options as
# they are; its callers run with set -euo pipefail.

. "$(dirname "${BASH_SOURCE[0]}")/host-win32.sh"

export WINE64=/usr/lib/wine/wine64
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes its ANSI code page from the locale: 932 (Shift-JIS), as on a Japanese Windows.
# QUORVIN_LOCALE=en_US.UTF-8 gives an English Windows (code page 1252) instead.
export LANG=${QUORVIN_LOCALE:-ja_JP.UTF-8} LC_ALL=${QUORVIN_LOCALE:-ja_JP.UTF-8}

# Settings of a prefix that shows Quorvin as Japanese users see it. With "test" also those
# that make it quick and quiet under Xvfb, where no window manager runs.
quorvin_configure_prefix() {
  local prefix=$1 mode=${2:-}
  local reg=(env WINEPREFIX="$prefix" "$WINE64" reg add)
  "${reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f >/dev/null
  "${reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d IPAGothic /f >/dev/null
  "${reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic /f >/dev/null
  if [ "$mode" = test ]; then
    "${reg[@]}" 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
    "${reg[@]}" 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
    "${reg[@]}" 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
  fi
  # The caption buttons' glyphs.
  cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
  # A new prefix links the user folders to $HOME; real folders keep the program out of it.
  local link
  find "$prefix/drive_c/users" -mindepth 2 -maxdepth 2 -type l | while read -r link; do
    rm -f "$link" && mkdir -p "$link"
  done
}

# A prefix made before Wine's 32-bit half was installed has no syswow64: 32-bit programs die
# in it ("could not load kernel32.dll"), and wineboot does not repair it. Where Wine cannot
# start them anyway, the 64-bit programs need no syswow64.
quorvin_prefix_ready() {
  [ -f "$1/.quorvin-ready" ] || return 1
  quorvin_detect_win32
  [ -n "$QUORVIN_WIN32_UNAVAILABLE" ] || [ -d "$1/drive_c/windows/syswow64" ]
}

# Makes a prefix (once) at the given path; safe to call from parallel runs. Only a prefix that
# was made completely is marked ready.
quorvin_make_prefix() {
  local prefix=$1 mode=${2:-}
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    quorvin_prefix_ready "$prefix" && exit 0
    rm -rf "$prefix" "$prefix.tmp"
    tmp=$(mktemp -d)
    trap 'WINEPREFIX="$prefix.tmp" TMPDIR="$tmp" wineserver -k </dev/null >/dev/null 2>&1 || true
          rm -rf "$tmp"' EXIT
    # Exported in this subshell alone: wineboot, the settings and the server work in the new prefix.
    # shellcheck disable=SC2030
    export TMPDIR=$tmp WINEPREFIX=$prefix.tmp
    mkdir -p "$WINEPREFIX"
    # wineboot starts the server itself. A server started before it made, on a host without
    # 32-bit support, a prefix without a Windows folder for 32-bit programs; with no output of
    # the caller's attached to wineboot, the server holds no caller's pipe open either.
    if ! "$WINE64" wineboot -i </dev/null >"$tmp/wineboot.log" 2>&1; then
      echo "wineboot could not make a prefix in $prefix.tmp:" >&2
      tail -n 5 "$tmp/wineboot.log" >&2
      exit 1
    fi
    quorvin_configure_prefix "$WINEPREFIX" "$mode"
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    quorvin_detect_win32
    if [ -z "$QUORVIN_WIN32_UNAVAILABLE" ] && [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
      echo "Wine made a prefix without syswow64 although this host runs 32-bit programs and wine32:i386 is installed:" >&2
      tail -n 5 "$tmp/wineboot.log" >&2
      exit 1
    fi
    mv "$prefix.tmp" "$prefix"
    touch "$prefix/.quorvin-ready"
  ) 9>"$prefix.lock"
}

# Starts a private Xvfb and exports its DISPLAY; fails when no display comes up. The caller
# stops it with quorvin_stop_xvfb.
quorvin_start_xvfb() {
  local dir=$1
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$dir/display" </dev/null >/dev/null 2>&1 &
  QUORVIN_XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$dir/display" ] && break
    sleep 0.05
  done
  if [ ! -s "$dir/display" ]; then
    echo "Xvfb did not come up" >&2
    quorvin_stop_xvfb
    return 1
  fi
  DISPLAY=":$(head -n1 "$dir/display")"
  export DISPLAY
}

quorvin_stop_xvfb() {
  [ -n "${QUORVIN_XVFB_PID:-}" ] || return 0
  kill "$QUORVIN_XVFB_PID" 2>/dev/null || true
  wait "$QUORVIN_XVFB_PID" 2>/dev/null || true
  QUORVIN_XVFB_PID=
}

# Works in a throwaway copy of a build tree's prefix (made once, for tests) until the script
# ends: exports WINEPREFIX and TMPDIR, starts the Wine server, and with "display" a private
# Xvfb. Everything it starts is stopped, and the copy deleted, when the script exits.
quorvin_enter_run_prefix() {
  local build=$1 display=${2:-}
  quorvin_make_prefix "$build/wine-template" test
  # shellcheck disable=SC2031  # the prefix maker's TMPDIR was its subshell's alone, as meant
  QUORVIN_RUN=$(mktemp -d "${TMPDIR:-/tmp}/quorvin-run.XXXXXX")
  trap quorvin_leave_run_prefix EXIT
  trap 'exit 143' TERM INT
  cp -a "$build/wine-template/." "$QUORVIN_RUN/prefix/"
  # Debian's loader writes this file, which pins the server's socket to the template's.
  rm -f "$QUORVIN_RUN/prefix/wineserver"
  mkdir -p "$QUORVIN_RUN/tmp"
  # shellcheck disable=SC2031
  export WINEPREFIX=$QUORVIN_RUN/prefix TMPDIR=$QUORVIN_RUN/tmp
  if [ "$display" = display ]; then
    quorvin_start_xvfb "$QUORVIN_RUN"
  else
    unset DISPLAY
  fi
  # Started here so that it does not hold the caller's output pipe open.
  wineserver -p5 </dev/null >/dev/null 2>&1
}

# The display scale of programs started from now on in the current prefix, as the DPI (96 is
# 100 %): Wine reads it when a program starts.
quorvin_set_dpi() {
  "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
}

# A contrast theme for programs started from now on in the current prefix, kept where Windows
# keeps the system colours (HKCU\Control Panel\Colors, "R G B"). dark: black faces and windows
# with white text, as "High Contrast Black" has them; light: white ones with black text.
quorvin_set_contrast() {
  local on off name
  case $1 in
    dark) on='0 0 0' off='255 255 255' ;;
    light) on='255 255 255' off='0 0 0' ;;
    *) echo "no contrast theme '$1': dark or light" >&2; return 1 ;;
  esac
  for name in ButtonFace Window ActiveTitle GradientActiveTitle InactiveTitle \
      GradientInactiveTitle Scrollbar Menu HilightText; do
    "$WINE64" reg add 'HKCU\Control Panel\Colors' /v "$name" /d "$on" /f >/dev/null
  done
  for name in ButtonText WindowText TitleText InactiveTitleText MenuText ButtonShadow \
      ButtonHilight ButtonLight ButtonDkShadow ActiveBorder InactiveBorder WindowFrame Hilight; do
    "$WINE64" reg add 'HKCU\Control Panel\Colors' /v "$name" /d "$off" /f >/dev/null
  done
  # Disabled text stands apart from both.
  "$WINE64" reg add 'HKCU\Control Panel\Colors' /v GrayText /d '0 160 0' /f >/dev/null
}

quorvin_leave_run_prefix() {
  [ -n "${QUORVIN_RUN:-}" ] || return 0
  WINEPREFIX="$QUORVIN_RUN/prefix" TMPDIR="$QUORVIN_RUN/tmp" wineserver -k </dev/null >/dev/null 2>&1 || true
  quorvin_stop_xvfb
  rm -rf "$QUORVIN_RUN"
  QUORVIN_RUN=
}
