#!/usr/bin/env bash
# Many small files and one large cached file, timed in interleaved rounds (bench/interleaved.py):
#   10,000 files of 1-64 KiB in a tree: veritome-cli -r --print Sha2_256 against rhash -r --sha256
#   and find | xargs sha256sum;
#   CRC32 and Adler32 of a 1 GiB cached file against only reading it (dd bs=1M), and SHA-256 of
#   it against the digest alone (bench/digestfile --memory: the same bytes' worth from memory).
# The load average before each table is printed with it: take the figures on an idle machine.
# Usage: bench/tree.sh [CLI] [ROUNDS]   (default build/release's veritome-cli, 5 rounds)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/release/apps/veritome-cli/veritome-cli}
rounds=${2:-5}
digestfile="$here/build/release/bench/digestfile"
if [ ! -x "$digestfile" ]; then
  cmake -S "$here" -B "$here/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$here/build/release" --target digestfile >/dev/null
fi
echo "rhash: $(rhash --version), sha256sum: $(sha256sum --version | head -n 1)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$here/bench/maketree.py" "$work/tree"
cat $(find "$work/tree" -type f) >/dev/null
echo "== 10,000 files of 1-64 KiB"
"$here/bench/interleaved.py" "$rounds" \
  "veritome-cli=$cli -r --print Sha2_256 $work/tree" \
  "rhash=rhash -r --sha256 $work/tree" \
  "sha256sum=find $work/tree -type f -print0 | xargs -0 sha256sum"

head -c $((1024 * 1024 * 1024)) /dev/urandom >"$work/big"
cat "$work/big" >/dev/null
echo "== 1 GiB cached file"
"$here/bench/interleaved.py" "$rounds" \
  "dd=dd if=$work/big of=/dev/null bs=1M status=none" \
  "crc32=$cli --print Crc32 $work/big" \
  "adler32=$cli --print Adler32 $work/big"
"$here/bench/interleaved.py" "$rounds" \
  "sha256 alone=$digestfile -a sha256 --memory 1024" \
  "sha256=$cli --print Sha2_256 $work/big"
