# shellcheck shell=bash
# Sourced by the install step: installs i386 packages that a plain install cannot, because an
# amd64 Multi-Arch: same library they need is at a version the i386 index lacks. That happens
# when apt-get update failed on one architecture's security index: both halves of such a pair
# must have one version. Both then go to a version both architectures offer, if apt's plan for
# that removes nothing and downgrades nothing else.

# The Debian release this machine runs (bookworm); QUORVIN_DEBIAN_SUITE stands in for it in checks.
quorvin_debian_suite() {
  if [ -n "${QUORVIN_DEBIAN_SUITE:-}" ]; then
    echo "$QUORVIN_DEBIAN_SUITE"
  else
    # shellcheck source=/dev/null
    (. /etc/os-release && echo "$VERSION_CODENAME")
  fi
}

# "name version" for each such pair the given i386 packages need, with the version to pin both
# halves to; or one line on why a pair cannot be met, and a failure.
quorvin_i386_pairs() {
  local -a needed
  mapfile -t needed < <(comm -12 \
    <(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
      --no-replaces --no-enhances "$@" | sed -n 's/^\([^ <][^ :]*\).*/\1/p' | sort -u) \
    <(dpkg-query -W -f='${Package} ${Architecture} ${db:Status-Abbrev} ${Multi-Arch}\n' |
      awk '$2 == "amd64" && $3 == "ii" && $4 == "same" { print $1 }' | sort -u))
  [ ${#needed[@]} -gt 0 ] || return 0
  # One call for all: apt-cache takes about a second to start.
  apt-cache policy "${needed[@]/%/:amd64}" "${needed[@]/%/:i386}" | awk '
    /^[^ ]/ { pkg = $0; sub(/:$/, "", pkg); sub(/:amd64$/, "", pkg); next }
    $1 == "Installed:" { installed[pkg] = $2 }
    $1 == "Candidate:" { candidate[pkg] = $2 }
    /^ (\*\*\*|   ) [^ ]/ { table[pkg] = table[pkg] " " ($1 == "***" ? $2 : $1) " " }
    END {
      for (pkg in installed) {
        if (pkg ~ /:i386$/ || installed[pkg] == "(none)" || installed[pkg ":i386"] != "(none)")
          continue
        v = candidate[pkg ":i386"]
        # Where both indexes offer the same candidate, apt brings the halves together itself.
        if (v == "" || v == "(none)" || v == installed[pkg] || v == candidate[pkg]) continue
        if (index(table[pkg], " " v " ")) { pairs = pairs pkg " " v "\n"; continue }
        print "no version of " pkg " is offered for both architectures (amd64 has " \
          installed[pkg] ", i386 " v ")"
        exit 1
      }
      printf "%s", pairs
    }' | sort
}

# Whether apt's plan (apt-get -s output on stdin) is unsafe to run, with one line on why: it
# removes a package, or downgrades one that is not among the pinned names in $1.
quorvin_unsafe_plan() {
  local word pkg old new _
  while read -r word pkg old new _; do
    if [ "$word" = Remv ]; then
      echo "apt's plan removes $pkg"
      return 0
    fi
    [[ $word == Inst && $old == \[*\] ]] || continue
    old=${old#[} old=${old%]} new=${new#(}
    [[ " $1 " != *" ${pkg%%:*} "* ]] || continue
    if dpkg --compare-versions "$new" lt "$old"; then
      echo "apt's plan downgrades $pkg from $old to $new"
      return 0
    fi
  done
  return 1
}

# Installs the given i386 packages with their pairs pinned and says so in one line; otherwise
# says on stderr why not, and fails.
quorvin_install_i386_pinned() {
  local pairs plan why name version suite
  local -a args
  if ! pairs=$(quorvin_i386_pairs "$@"); then
    echo "Not pinning Multi-Arch pairs: $pairs" >&2
    return 1
  fi
  if [ -z "$pairs" ]; then
    echo "Not pinning Multi-Arch pairs: none differs between amd64 and i386" >&2
    return 1
  fi
  suite=$(quorvin_debian_suite)
  # wine64 and libwine:amd64 named, so that apt keeps them rather than removing them.
  args=(-t "$suite" --allow-downgrades wine64 libwine:amd64)
  while read -r name version; do
    args+=("$name:amd64=$version" "$name:i386=$version")
  done <<<"$pairs"
  args+=("$@")
  if ! plan=$(apt-get -s install -y --no-install-recommends "${args[@]}" 2>&1); then
    echo "Not pinning Multi-Arch pairs: apt finds no plan: $(grep -m1 '^E:' <<<"$plan")" >&2
    return 1
  fi
  if why=$(quorvin_unsafe_plan "$(cut -d' ' -f1 <<<"$pairs" | tr '\n' ' ')" <<<"$plan"); then
    echo "Not pinning Multi-Arch pairs: $why" >&2
    return 1
  fi
  ${sudo:-} apt-get install -y -qq --no-install-recommends "${args[@]}" >/dev/null || {
    echo "apt-get install failed with the Multi-Arch pairs pinned" >&2
    return 1
  }
  echo "Pinned Multi-Arch pairs to the version both architectures offer:" \
    "$(tr '\n' ',' <<<"$pairs" | sed 's/,$//; s/,/, /g')"
}
