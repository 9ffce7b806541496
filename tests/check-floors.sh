#!/usr/bin/env bash
# Checks that no product file includes a file of a folder above its own floor:
# app > about > lib, resources > ui > win, lib and resources side by side.
#   bash tests/check-floors.sh [--plant] [source-root]
# With --plant it first shows, on a copy of the product folders with win/ShiftJis.h including
# app/Report.h, that the check catches such an include.
set -euo pipefail
plant=0
[ "${1:-}" != --plant ] || { plant=1; shift; }
root=$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}" && pwd)
folders=(app about lib resources ui win)

# Only includes of a product folder are on a floor; those of another folder, or without one,
# are the compiler's business. tests/ is above every floor: the product must not depend on it.
check() (
  cd "$1"
  # shellcheck disable=SC2016  # an awk program, with awk's own $0
  find "${folders[@]}" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.rc' -o -name '*.in' \) \
    -print0 | sort -z | xargs -0 awk '
    BEGIN { floor["win"] = 1; floor["ui"] = 2; floor["lib"] = floor["resources"] = 3
            floor["about"] = 4; floor["app"] = 5; floor["tests"] = 6 }
    /^[ \t]*#[ \t]*include[ \t]*"[^"\/]+\// {
      inc = $0; sub(/^[^"]*"/, "", inc); sub(/".*/, "", inc)
      dir = inc; sub(/\/.*/, "", dir)
      if (!(dir in floor)) next
      own = FILENAME; sub(/\/.*/, "", own)
      checked++
      if (floor[dir] > floor[own]) {
        print "FAILED: " FILENAME ":" FNR " includes " inc " above its floor"
        bad++
      }
    }
    END { if (bad) exit 1; print "ok: " checked + 0 " includes checked, none above its floor" }'
)

if [ "$plant" = 1 ]; then
  copy=$(mktemp -d)
  trap 'rm -rf "$copy"' EXIT
  cp -r "${folders[@]/#/$root/}" "$copy/"
  # On a line of its own, even after a last line without a newline.
  printf '\n#include "app/Report.h"\n' >>"$copy/win/ShiftJis.h"
  line=$(wc -l <"$copy/win/ShiftJis.h")
  want="FAILED: win/ShiftJis.h:$line includes app/Report.h above its floor"
  if got=$(check "$copy") || [ "$got" != "$want" ]; then
    echo "FAILED: the include planted in a copy gave, instead of one failure:"
    printf '%s\n' "$got"
    exit 1
  fi
  echo "ok: an include of app/Report.h planted in win/ShiftJis.h is caught"
fi
check "$root" || exit 1
