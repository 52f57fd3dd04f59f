#!/usr/bin/env bash
# The reading figures at rest in one unattended run (about 3 minutes on two idle cores), written
# as a markdown section for bench/README.md ("Figures at rest"):
#   - CRC-32, Adler-32 and SHA-256 of a cached 1 GiB file against dd bs=1M and against the
#     digest alone (bench/digestfile --memory: the same bytes from memory, no reading);
#   - veritome-cli -r against rhash -r on 10,000 files of 1-64 KiB (the tree of bench/tree.sh);
#   - checking a SHA256SUMS of those 10,000 files: sha256sum -c, veritome-cli -c and the window's
#     check action (from the drop to the end of the run);
#   - the window's run on a cached 1 GiB file against veritome-cli (CRC-32 + MD5);
#   - start-up of the window program (bench/startup.sh).
# Whole processes are timed with hyperfine -N (no shell in between); the window's figures come
# from the dialog tests' measuring cases on their own Xvfb with openbox.
# It waits up to WAIT seconds (default 120) for the load average to fall below MAX_LOAD
# (default 1.0), then runs anyway and says so; the load average goes into every table.
# Usage: bench/rest.sh [BUILD_DIR [OUT.md]]   (default build/release, BUILD_DIR/rest.md)
#   RUNS=10 timed runs per command; SKIP_WINDOW=1 leaves out the window's figures; NO_BUILD=1
#   takes the build as it is.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$here" && mkdir -p "${1:-build/release}" && cd "${1:-build/release}" && pwd)
out=${2:-$build/rest.md}
runs=${RUNS:-10}
max_load=${MAX_LOAD:-1.0}
wait_s=${WAIT:-120}
started=$(date +%s)

for tool in hyperfine rhash sha256sum dd python3; do
  command -v "$tool" >/dev/null || { echo "rest.sh: $tool is missing (scripts/bootstrap)" >&2; exit 1; }
done
targets=(veritome-cli digestfile)
if [ -z "${SKIP_WINDOW:-}" ]; then
  for tool in Xvfb openbox; do
    command -v "$tool" >/dev/null || { echo "rest.sh: $tool is missing (scripts/bootstrap)" >&2; exit 1; }
  done
  targets+=(dialog_tests veritome)
fi
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVERITOME_BENCH=ON >/dev/null
fi
grep -q '^CMAKE_BUILD_TYPE:STRING=Release$' "$build/CMakeCache.txt" ||
  echo "rest.sh: $build is not a Release build; its figures are not the ones to note" >&2
if [ -z "${NO_BUILD:-}" ]; then
  echo "building ${targets[*]} in $build" >&2
  cmake --build "$build" --target "${targets[@]}" >/dev/null
fi
export PATH="$build/apps/veritome-cli:$build/bench:$PATH"

load() { cut -d' ' -f1-3 /proc/loadavg; }
waited=0
while python3 -c "import os,sys; sys.exit(os.getloadavg()[0] < $max_load)" && [ "$waited" -lt "$wait_s" ]; do
  [ "$waited" = 0 ] && echo "load average $(load): waiting up to ${wait_s}s for it to fall below $max_load" >&2
  sleep 10
  waited=$((waited + 10))
done
at_rest=yes
python3 -c "import os,sys; sys.exit(os.getloadavg()[0] >= $max_load)" || at_rest=no

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
echo "making the files in $work" >&2
"$here/bench/maketree.py" tree
find tree -type f | sort | xargs sha256sum >SHA256SUMS
head -c $((1024 * 1024 * 1024)) /dev/urandom >big
cat big >/dev/null

# One table: hyperfine over the commands, the ratio of each mean to the first command's.
table() {
  local title=$1 note=$2
  shift 2
  local before
  before=$(load)
  hyperfine -N --warmup 2 --runs "$runs" --export-json "$work/run.json" "$@" >&2
  python3 - "$work/run.json" "$title" "$note" "$before" "$(load)" <<'PY' >>"$work/tables.md"
import json, sys
results = json.load(open(sys.argv[1]))["results"]
title, note, before, after = sys.argv[2:6]
print(f"{title} (load average {before} before, {after} after):\n")
print("| command | mean ms | ± ms | user ms | system ms | ratio to the first |")
print("|---|---:|---:|---:|---:|---:|")
first = results[0]["mean"]
for r in results:
    print(f"| `{r['command']}` | {r['mean'] * 1000:.1f} | {r['stddev'] * 1000:.1f} "
          f"| {r['user'] * 1000:.1f} | {r['system'] * 1000:.1f} | {r['mean'] / first:.3f} |")
print(f"\n{note}\n")
PY
}

: >"$work/tables.md"
table "A cached 1 GiB file against only reading it" \
  "Targets: CRC-32 and Adler-32 within 1.15 of \`dd bs=1M\`." \
  "dd if=big of=/dev/null bs=1M status=none" \
  "veritome-cli --print Crc32 big" \
  "veritome-cli --print Adler32 big"
table "SHA-256 of the cached 1 GiB file against the digest alone" \
  "Target: within 1.05 of the digest alone (the same bytes from memory, no reading)." \
  "digestfile -a sha256 --memory 1024" \
  "veritome-cli --print Sha2_256 big"
table "10,000 files of 1-64 KiB (280 folders, 330 MB, cached)" \
  "Targets: rhash's time at least 1.6 times ours; our system time no more than rhash's." \
  "veritome-cli -r --print Sha2_256 tree" \
  "rhash -r --sha256 tree"
table "Checking a SHA256SUMS of the 10,000 files" \
  "Target: at least 1.5 times faster than \`sha256sum -c\` (ratio at most 0.67); the window's check below." \
  "sha256sum -c --quiet SHA256SUMS" \
  "veritome-cli -c --quiet SHA256SUMS"

window_lines=""
if [ -z "${SKIP_WINDOW:-}" ]; then
  echo "the window's check and run" >&2
  cli_check=$(python3 -c "import json; print('%.3f' % json.load(open('$work/run.json'))['results'][1]['mean'])")
  before=$(load)
  check=$(VERITOME_MEASURE_LIST="$work/SHA256SUMS" VERITOME_MEASURE_ROUNDS=3 \
    "$build/dialog_tests" --gtest_filter='DialogWindow.MeasureCheckingAList' | grep '^check list:' || true)
  one_gib=$(VERITOME_MEASURE=1 VERITOME_MEASURE_MIB=1024 VERITOME_MEASURE_ONLY=two \
    "$build/dialog_tests" --gtest_filter='DialogWindow.MeasureAgainstTheCli' | grep '^CRC32' || true)
  startup=$("$here/bench/startup.sh" "$build" 10 | tail -n 1 || true)
  window_check=$(sed -n 's/^check list: window \([0-9.]*\) s.*/\1/p' <<<"$check")
  ratio=""
  [ -n "$window_check" ] && ratio=$(python3 -c "print('%.3f' % ($window_check / $cli_check))")
  window_lines="The window (load average $before before, $(load) after):

| run | window | veritome-cli | window/cli | target |
|---|---:|---:|---:|---:|
| checking the SHA256SUMS of 10,000 files (best of 3; $(sed -n 's/.*(\(.*\)).*/\1/p' <<<"$check")) | ${window_check:-?} s | $cli_check s (mean above) | ${ratio:-?} | 1.05 |
| CRC-32 + MD5 of a cached 1 GiB file (best of 3) | $(sed -n 's/.*window \([0-9.]*\) s,.*/\1/p' <<<"$one_gib") s | $(sed -n 's/.*veritome-cli \([0-9.]*\) s,.*/\1/p' <<<"$one_gib") s | $(sed -n 's/.*window\/cli \([0-9.]*\).*/\1/p' <<<"$one_gib") | 1.05 |

The window's times run from the drop to the end of the run; veritome-cli's are whole processes.
Start-up of the window program, exec to the window mapped (\`bench/startup.sh\`, 10 runs each):
$startup (target under 100 ms).
"
fi

{
  echo "### Figures at rest"
  echo
  echo "\`bench/rest.sh\`, $(date -u '+%Y-%m-%d %H:%M UTC'), $runs runs per command after 2 warm-ups"
  echo "(hyperfine -N). $(nproc) cores, $(sed -n 's/^model name[^:]*: //p' /proc/cpuinfo | head -n 1),"
  echo "Linux $(uname -r); build $(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt")."
  echo "Peers: $(rhash --version), $(sha256sum --version | head -n 1), $(dd --version | head -n 1),"
  echo "$(hyperfine --version)."
  if [ "$at_rest" = no ]; then
    echo
    echo "**Not at rest**: the load average stayed at or above $max_load; the figures are indicative only."
  fi
  echo
  cat "$work/tables.md"
  printf '%s' "$window_lines"
  echo
  echo "Whole run: $(($(date +%s) - started)) s."
} >"$out"
cat "$out"
