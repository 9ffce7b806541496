#!/usr/bin/env bash
# Checks the path of a host where Wine cannot start 32-bit programs, on any host by asking for
# it: a 32-bit test is skipped the CTest way with the reason, or fails when a release check
# requires it; and every test of the tree that runs through Wine tells CTest that exit 77 is a
# skip.
#   check-win32-skip.sh <wine-run.sh> <32-bit test program> <build tree>
set -euo pipefail
runner=$1 exe=$2 tree=$3
fail=0
unset QUORVIN_WIN32_UNAVAILABLE QUORVIN_REQUIRE_WIN32
export QUORVIN_ASSUME_NO_WIN32=1

status=0
out=$(bash "$runner" "$exe" 2>&1) || status=$?
if [ "$status" -eq 77 ] && [[ "$out" == "skipped: QUORVIN_ASSUME_NO_WIN32=1 "* ]]; then
  echo "ok: skipped with the reason: $out"
else
  echo "FAILED: want exit 77 and the reason, got $status: $out"
  fail=1
fi

status=0
out=$(QUORVIN_REQUIRE_WIN32=1 bash "$runner" "$exe" 2>&1) || status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ] && [[ "$out" == FAILED:* ]]; then
  echo "ok: QUORVIN_REQUIRE_WIN32=1 makes it a failure: $out"
else
  echo "FAILED: want a failure under QUORVIN_REQUIRE_WIN32=1, got $status: $out"
  fail=1
fi

ctest --test-dir "$tree" --show-only=json-v1 | /usr/bin/python3 -c '
import json, sys
tests = json.load(sys.stdin)["tests"]
wine = [t for t in tests if t.get("command", [""])[0].endswith("wine-run.sh")]
bad = [t["name"] for t in wine
       if not any(p["name"] == "SKIP_RETURN_CODE" and p["value"] == 77
                  for p in t.get("properties", []))]
if not wine:
    sys.exit("FAILED: no test runs through Wine")
if bad:
    sys.exit(f"FAILED: tests through Wine without SKIP_RETURN_CODE 77: {bad}")
print(f"ok: all {len(wine)} tests through Wine are skipped by exit 77")
' || fail=1
exit $fail
