#!/usr/bin/env bash
# Installs what is missing, builds the 32- and 64-bit programs and runs the whole test suite
# once for each: every test program runs as a 32-bit and as a 64-bit program. The last line says
# whether the 32-bit tests ran natively or under emulation; on a host where Wine cannot start
# 32-bit programs, they are skipped and it says how many and why (QUORVIN_REQUIRE_WIN32=1 makes
# them fail instead).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
QUORVIN_BUILD_LOG=1 quorvin_prepare all
status=0
for preset in "${presets[@]}"; do
  echo "== $preset"
  [ "$preset" != win32 ] || [ -z "$QUORVIN_WIN32_UNAVAILABLE" ] ||
    echo "The tests that need Wine are skipped: $QUORVIN_WIN32_UNAVAILABLE."
  ctest --preset "$preset" -j"$(nproc)" --output-junit "$root/build/$preset/ctest-results.xml" ||
    status=1
done
if [ -n "$QUORVIN_WIN32_UNAVAILABLE" ]; then
  skipped=$(grep -c '<skipped' "$root/build/win32/ctest-results.xml" || true)
  echo "win32: $skipped tests that need Wine were not run: $QUORVIN_WIN32_UNAVAILABLE."
else
  echo "win32: the tests ran $(quorvin_32bit_mode)."
fi
exit $status
