# Sourced by the scripts that run Quorvin under Wine: the environment and the prefix set-up.

export WINE64=/usr/lib/wine/wine64
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes its ANSI code page from the locale: 932 (Shift-JIS) for the program's texts.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

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
  cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
  # A new prefix links the user folders to $HOME; real folders keep the program out of it.
  local link
  find "$prefix/drive_c/users" -mindepth 2 -maxdepth 2 -type l 2>/dev/null | while read -r link; do
    rm -f "$link" && mkdir -p "$link"
  done
}

# A prefix made before Wine's 32-bit half was installed has no syswow64: 32-bit programs die
# in it ("could not load kernel32.dll"), and wineboot does not repair it.
quorvin_prefix_ready() {
  [ -f "$1/.quorvin-ready" ] && [ -d "$1/drive_c/windows/syswow64" ]
}

# Makes a prefix (once) at the given path; safe to call from parallel runs.
quorvin_make_prefix() {
  local prefix=$1 mode=${2:-}
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    quorvin_prefix_ready "$prefix" && exit 0
    rm -rf "$prefix" "$prefix.tmp"
    local tmp
    tmp=$(mktemp -d)
    export TMPDIR=$tmp WINEPREFIX=$prefix.tmp
    mkdir -p "$WINEPREFIX"
    # Started here with no output attached, so that it holds no caller's pipe open.
    wineserver -p5 </dev/null >/dev/null 2>&1
    "$WINE64" wineboot -i </dev/null >/dev/null 2>&1
    quorvin_configure_prefix "$WINEPREFIX" "$mode"
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    rm -rf "$tmp"
    mv "$prefix.tmp" "$prefix"
    if [ ! -d "$prefix/drive_c/windows/syswow64" ]; then
      echo "Wine made a prefix without syswow64: is wine32:i386 installed?" >&2
      exit 1
    fi
    touch "$prefix/.quorvin-ready"
  ) 9>"$prefix.lock"
}

# Starts a private Xvfb and exports its DISPLAY; the caller stops it with quorvin_stop_xvfb.
quorvin_start_xvfb() {
  local dir=$1
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" </dev/null >/dev/null 2>&1 &
  QUORVIN_XVFB_PID=$!
  local i
  for i in $(seq 100); do
    [ -s "$dir/display" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$dir/display")"
}

quorvin_stop_xvfb() {
  [ -n "${QUORVIN_XVFB_PID:-}" ] || return 0
  kill "$QUORVIN_XVFB_PID" 2>/dev/null
  wait "$QUORVIN_XVFB_PID" 2>/dev/null
  QUORVIN_XVFB_PID=
}
