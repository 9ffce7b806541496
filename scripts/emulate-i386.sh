# shellcheck shell=bash
# Sourced through host-win32.sh by the install step: runs 32-bit x86 Linux programs, and so
# Wine's 32-bit half, under user-mode emulation on a kernel without IA32 emulation: qemu-user 10
# or later from bookworm-backports, registered with binfmt_misc. Debian 12's own qemu 7.2 treats
# mmap(MAP_FIXED_NOREPLACE) as a hint, and every 32-bit Wine process then takes a minute to start.
# Each step that fails says so in one line, which the tests' skip line repeats.

# shellcheck source=i386-pairs.sh
. "$(dirname "${BASH_SOURCE[0]}")/i386-pairs.sh"

# Stand-ins for the checks of this file: the binfmt_misc folder and apt's configuration folder.
QUORVIN_BINFMT=${QUORVIN_BINFMT:-/proc/sys/fs/binfmt_misc}
QUORVIN_APT_ETC=${QUORVIN_APT_ETC:-/etc/apt}

quorvin_emulator=/usr/bin/qemu-i386
quorvin_emulator_package=qemu-user
quorvin_emulator_minimum=1:10
quorvin_binfmt_name=qemu-i386
# qemu's own magic and mask for i386 ELF programs (class 1, little-endian, machine 3, types 2
# and 3), as binfmt_misc takes them and as it shows them back in hex.
quorvin_i386_magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
quorvin_i386_mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
quorvin_i386_magic_hex=7f454c4601010100000000000000000002000300

# The apt source files, one-line (.list) and deb822 (.sources).
quorvin_apt_source_files() {
  local f
  for f in "$QUORVIN_APT_ETC/sources.list" "$QUORVIN_APT_ETC"/sources.list.d/*.list \
    "$QUORVIN_APT_ETC"/sources.list.d/*.sources; do
    [ -f "$f" ] && echo "$f"
  done
}

# Makes bookworm-backports an apt source, from the source of the release that the machine
# already uses: the same address and keyring, in that source's format. Nothing when one is
# there; otherwise prints the file it wrote. Fails with one line on why.
quorvin_add_backports_source() {
  local suite backports file stanza line
  suite=$(quorvin_debian_suite)
  backports=$suite-backports
  local -a files
  mapfile -t files < <(quorvin_apt_source_files)
  if [ ${#files[@]} -gt 0 ] &&
    grep -qsE "^[^#]*(^|[[:space:]])$backports([[:space:]]|\$)" "${files[@]}"; then
    return 0
  fi
  for file in "${files[@]}"; do
    case $file in
    *.sources)
      # The stanza of type deb whose suites hold the release itself; its keyring field may be
      # a path or a key block on the lines that follow.
      stanza=$(awk -v suite="$suite" '
        function flush() {
          if (types ~ /(^| )deb( |$)/ && (" " suites " ") ~ (" " suite " ") && uris != "" &&
              enabled !~ /^ *no *$/) { print uris; if (signed != "") print signed; found = 1; exit }
          types = suites = uris = signed = enabled = ""; field = ""
        }
        /^[ \t]*$/ { flush(); next }
        /^#/ { next }
        /^[ \t]/ { if (field == "signed-by") signed = signed "\n" $0; next }
        {
          split($0, kv, ":"); field = tolower(kv[1]); value = substr($0, length(kv[1]) + 2)
          sub(/^[ \t]+/, "", value)
          if (field == "types") types = value
          else if (field == "suites") suites = value
          else if (field == "uris") uris = "URIs: " value
          else if (field == "signed-by") signed = "Signed-By:" (value == "" ? "" : " " value)
          else if (field == "enabled") enabled = value
        }
        END { if (!found) flush() }' "$file")
      [ -n "$stanza" ] || continue
      quorvin_write_root "$QUORVIN_APT_ETC/sources.list.d/quorvin-backports.sources" <<EOF
# For qemu-user 10, which runs 32-bit programs fast enough on a kernel without IA32 emulation.
Types: deb
$(head -n1 <<<"$stanza")
Suites: $backports
Components: main
$(tail -n +2 <<<"$stanza")
EOF
      echo "$QUORVIN_APT_ETC/sources.list.d/quorvin-backports.sources"
      return 0
      ;;
    *)
      line=$(sed -nE "s/^[[:space:]]*deb[[:space:]]+((\[[^]]*\][[:space:]]+)?[^[:space:]]+)[[:space:]]+$suite([[:space:]].*)?\$/\1/p" \
        "$file" | head -n1)
      [ -n "$line" ] || continue
      printf '%s\n' "# For qemu-user 10, which runs 32-bit programs fast enough on a kernel without IA32 emulation." \
        "deb $line $backports main" |
        quorvin_write_root "$QUORVIN_APT_ETC/sources.list.d/quorvin-backports.list"
      echo "$QUORVIN_APT_ETC/sources.list.d/quorvin-backports.list"
      return 0
      ;;
    esac
  done
  echo "no apt source of Debian $suite in $QUORVIN_APT_ETC to take $backports from"
  return 1
}

# Writes stdin to a file that only root may write.
quorvin_write_root() {
  ${sudo:-} tee "$1" >/dev/null
}

# The installed version of the emulator's package, without its epoch and Debian revision
# (10.0.2), when it is recent enough; fails otherwise.
quorvin_emulator_version() {
  local version
  version=$(dpkg-query -W -f='${Version}' "$quorvin_emulator_package" 2>/dev/null) || return 1
  dpkg --compare-versions "$version" ge "$quorvin_emulator_minimum" || return 1
  version=${version#*:}
  echo "${version%%[+~-]*}"
}

# Installs qemu-user from backports, that package alone, unless a recent enough one is there.
# Fails with one line on why.
quorvin_install_emulator() {
  local plan why suite
  quorvin_emulator_version >/dev/null && return 0
  why=$(quorvin_add_backports_source) || { echo "$why"; return 1; }
  ${sudo:-} apt-get update -qq >/dev/null 2>&1 || true
  suite=$(quorvin_debian_suite)-backports
  local -a args=(install -y --no-install-recommends "$quorvin_emulator_package/$suite")
  if ! plan=$(apt-get -s "${args[@]}" 2>&1); then
    echo "apt cannot install $quorvin_emulator_package from $suite: $(grep -m1 '^E:' <<<"$plan")"
    return 1
  fi
  if why=$(quorvin_unsafe_plan "" <<<"$plan"); then
    echo "installing $quorvin_emulator_package from $suite: $why"
    return 1
  fi
  if ! why=$(${sudo:-} apt-get -qq "${args[@]}" 2>&1 >/dev/null); then
    echo "apt-get could not install $quorvin_emulator_package from $suite: $(grep -m1 '^E:' <<<"$why")"
    return 1
  fi
  quorvin_emulator_version >/dev/null || {
    echo "$quorvin_emulator_package from $suite is older than $quorvin_emulator_minimum"
    return 1
  }
}

# The binfmt_misc entries that run i386 ELF programs.
quorvin_i386_entries() {
  local entry
  for entry in "$QUORVIN_BINFMT"/*; do
    case ${entry##*/} in register | status) continue ;; esac
    [ -f "$entry" ] && grep -qx "magic $quorvin_i386_magic_hex" "$entry" && echo "$entry"
  done
}

# Whether an entry runs our emulator as it is installed now: enabled, with the flag that keeps
# the opened emulator (F), and made after the emulator's file was (an entry with F keeps the
# file it opened, so an upgrade leaves it on the old one).
quorvin_entry_current() {
  grep -qx enabled "$1" && grep -qx "interpreter $quorvin_emulator" "$1" &&
    grep -qE '^flags: .*F' "$1" && [ -e "$quorvin_emulator" ] &&
    [ "$(stat -L -c %Y "$1")" -ge "$(stat -L -c %Z "$quorvin_emulator")" ]
}

# Registers the emulator for i386 ELF programs, replacing an entry that runs another or an older
# emulator, and leaving a current one alone. Prints what it did: kept, registered or replaced.
quorvin_register_emulator() {
  local entry kept="" removed=""
  while read -r entry; do
    [ -n "$entry" ] || continue
    if [ -z "$kept" ] && quorvin_entry_current "$entry"; then
      kept=$entry
    else
      echo -1 | quorvin_write_root "$entry" || return 1
      removed=yes
    fi
  done < <(quorvin_i386_entries)
  if [ -n "$kept" ]; then
    echo kept
    return 0
  fi
  printf ':%s:M::%s:%s:%s:F\n' "$quorvin_binfmt_name" "$quorvin_i386_magic" "$quorvin_i386_mask" \
    "$quorvin_emulator" | quorvin_write_root "$QUORVIN_BINFMT/register" || return 1
  if [ -n "$removed" ]; then echo replaced; else echo registered; fi
}

# Whether an enabled binfmt_misc entry runs i386 ELF programs: it is tried before the kernel's
# own loader, so they run under emulation then, whatever the kernel can do.
quorvin_i386_emulated() {
  local entry
  grep -qsx enabled "$QUORVIN_BINFMT/status" || return 1
  while read -r entry; do
    [ -n "$entry" ] && grep -qx enabled "$entry" && return 0
  done < <(quorvin_i386_entries)
  return 1
}

# Why the emulation was taken: the kernel's lack, or the request.
quorvin_emulation_cause() {
  if [ "${QUORVIN_EMULATE_WIN32:-0}" = 1 ]; then
    echo "QUORVIN_EMULATE_WIN32=1 asks for emulation"
  else
    echo "this kernel has no IA32 emulation"
  fi
}

# The whole path, step by step; says in one line what it did, or which step failed and why, and
# leaves that line in the file that the tests' skip line reads.
quorvin_emulate_32bit() {
  local why="" step="" version result
  rm -f "$QUORVIN_EMULATION_FAILED"
  mkdir -p "$(dirname "$QUORVIN_EMULATION_FAILED")"
  if [ "$(id -u)" -ne 0 ] && ! sudo -n true 2>/dev/null; then
    step="root" why="neither root nor sudo without a password"
  elif [ ! -e "$QUORVIN_BINFMT/register" ] &&
    ! ${sudo:-} mount -t binfmt_misc binfmt_misc "$QUORVIN_BINFMT" 2>/dev/null; then
    step="binfmt_misc" why="$QUORVIN_BINFMT is not mounted and cannot be"
  elif ! why=$(quorvin_install_emulator); then
    step="qemu-user"
  elif ! result=$(quorvin_register_emulator); then
    step="binfmt_misc registration" why="cannot write to $QUORVIN_BINFMT"
  elif ! quorvin_runs_32bit; then
    step="check" why="a 32-bit program does not run under $quorvin_emulator"
  fi
  if [ -n "$step" ]; then
    echo "emulating them failed at the $step step: $why" >"$QUORVIN_EMULATION_FAILED"
    echo "32-bit programs cannot run under emulation here: the $step step failed: $why" >&2
    return 1
  fi
  [ "$result" = kept ] && return 0
  version=$(quorvin_emulator_version)
  echo "32-bit programs run under emulation (qemu-user $version): $(quorvin_emulation_cause)"
}

# Where the kernel runs 32-bit programs itself, nothing. A kernel without IA32 emulation runs
# them under qemu (quick when that is set up already); so does any host that asks with
# QUORVIN_EMULATE_WIN32=1, and one where an earlier run set it up keeps its registration current.
quorvin_ensure_32bit() {
  if [ "${QUORVIN_EMULATE_WIN32:-0}" = 1 ] || ! quorvin_runs_32bit ||
    quorvin_emulator_version >/dev/null; then
    quorvin_emulate_32bit
  fi
}
