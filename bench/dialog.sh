#!/usr/bin/env bash
# The hash job in the window against veritome-cli on the same file in the page cache: CRC-32 +
# MD5 and all twelve algorithms, as ratios (window time / veritome-cli time; 1.05 is 5% slower).
# The window runs in the dialog tests' measuring case, on its own Xvfb with openbox; the window's
# time runs from the drop to the end of the run, the CLI's is the whole process.
# Usage: bench/dialog.sh [SIZE_MIB] [two|all]   (default 1024 MiB, both)
# BUILD=<folder> picks the build (default build/dev, which has both programs).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="${BUILD:-$here/build/dev}"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERITOME_BENCH=OFF \
    >/dev/null
fi
cmake --build "$build" --target dialog_tests veritome-cli >/dev/null
for tool in Xvfb openbox; do
  command -v "$tool" >/dev/null || { echo "bench: $tool is missing (scripts/bootstrap)"; exit 1; }
done
export VERITOME_MEASURE=1 VERITOME_MEASURE_MIB="${1:-1024}"
if [ -n "${2:-}" ]; then export VERITOME_MEASURE_ONLY="$2"; fi
"$build/dialog_tests" --gtest_filter='DialogWindow.MeasureAgainstTheCli' |
  grep -E '^(CRC32|all twelve)'
