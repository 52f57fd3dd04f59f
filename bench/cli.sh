#!/usr/bin/env bash
# Side-by-side timing of veritome-cli and rhash on one file in the page cache, as ratios
# (rhash time / our time: above 1.0 means we are faster), plus peak memory and start-up.
# Usage: bench/cli.sh [SIZE_MIB]   (default 512)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/release"
cli="$build/apps/veritome-cli/veritome-cli"
size=${1:-512}

if [ ! -x "$cli" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target veritome-cli >/dev/null
fi
for tool in rhash hyperfine /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "bench: $tool is missing (scripts/bootstrap)"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file="$work/data.bin"
head -c "$((size * 1024 * 1024))" /dev/urandom >"$file"
cat "$file" >/dev/null  # into the page cache
touch "$work/empty"

# Mean seconds of a command over several runs, from hyperfine's JSON.
mean() {
  hyperfine --warmup 1 --runs "${RUNS:-5}" --export-json "$work/t.json" "$1" >/dev/null 2>&1
  python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["results"][0]["mean"])' "$work/t.json"
}
ratio() { python3 -c "import sys; print(f'{float(sys.argv[1])/float(sys.argv[2]):.2f}')" "$1" "$2"; }
mbps() { python3 -c "import sys; print(f'{$size/float(sys.argv[1]):.0f}')" "$1"; }

printf '%-34s %10s %10s %8s\n' "run (${size} MiB file)" "ours MB/s" "rhash MB/s" "ratio"
row() {  # label, our arguments, rhash arguments
  local ours theirs
  ours=$(mean "$cli --fields '' $2 $file")
  theirs=$(mean "rhash $3 $file")
  printf '%-34s %10s %10s %8s\n' "$1" "$(mbps "$ours")" "$(mbps "$theirs")" "$(ratio "$theirs" "$ours")"
}
row "CRC32 + MD5 (default rows)" "-a crc32,md5" "--crc32 --md5"
row "nine algorithms rhash also has" "-a crc32,md4,md5,sha1,sha256,sha384,sha512,ripemd160,gost" \
    "--crc32 --md4 --md5 --sha1 --sha256 --sha384 --sha512 --ripemd160 --gost94"

peak=$(/usr/bin/time -f '%M' "$cli" --all "$file" 2>&1 >/dev/null | tail -n 1)
echo "peak memory, --all on the file: $((peak / 1024)) MiB"
start=$(mean "$cli $work/empty")
python3 -c "import sys; print(f'start-up and an empty file: {float(sys.argv[1])*1000:.1f} ms')" "$start"
