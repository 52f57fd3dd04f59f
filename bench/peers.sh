#!/usr/bin/env bash
# Per-algorithm speed of our digesters against the fastest other implementation on this
# machine, whole processes on one file in the page cache. Our side is bench/digestfile, which
# reads 16 KiB blocks with read(2) as the hash job does. Peers: openssl dgst, rhash, and small
# C programs over nettle (MD2, GOST), libmhash (RIPEMD-128, GOST), libgcrypt (CRC-32) and zlib
# (Adler-32, CRC-32), which read 64 KiB blocks.
# Prints, per algorithm, both speeds and the ratio best peer time / our time (above 1.0: we are
# faster).
# Usage: bench/peers.sh [SIZE_MIB]   (default 256; RUNS=n runs per command, default 3)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/digest-rel"
ours="$build/bench/digestfile"
size=${1:-256}
runs=${RUNS:-3}

if [ ! -x "$ours" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target digestfile >/dev/null
fi
for tool in openssl rhash hyperfine cc pkg-config python3; do
  command -v "$tool" >/dev/null || { echo "peers: $tool is missing (scripts/bootstrap)"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/peer.c" <<'EOF'
/* Hashes a file with one library routine: peer ALGORITHM FILE; prints the digest in hex. */
#include <fcntl.h>
#include <gcrypt.h>
#include <mhash.h>
#include <nettle/gosthash94.h>
#include <nettle/md2.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>
#include <zlib.h>

static unsigned char block[65536];

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const char* a = argv[1];
    int fd = open(argv[2], O_RDONLY);
    if (fd < 0) return 1;
    unsigned char out[64];
    size_t size = 0;
    struct md2_ctx md2;
    struct gosthash94_ctx gost;
    MHASH mh = NULL;
    gcry_md_hd_t gc = NULL;
    uLong z = 0;
    int kind = !strcmp(a, "md2-nettle") ? 0 : !strcmp(a, "gost-nettle") ? 1
             : !strcmp(a, "ripemd128-mhash") ? 2 : !strcmp(a, "gost-mhash") ? 3
             : !strcmp(a, "crc32-gcrypt") ? 4 : !strcmp(a, "adler32-zlib") ? 5
             : !strcmp(a, "crc32-zlib") ? 6 : -1;
    switch (kind) {
        case 0: md2_init(&md2); break;
        case 1: gosthash94_init(&gost); break;
        case 2: mh = mhash_init(MHASH_RIPEMD128); break;
        case 3: mh = mhash_init(MHASH_GOST); break;
        case 4: gcry_check_version(NULL); gcry_md_open(&gc, GCRY_MD_CRC32, 0); break;
        case 5: z = adler32(0, NULL, 0); break;
        case 6: z = crc32(0, NULL, 0); break;
        default: return 2;
    }
    ssize_t n;
    while ((n = read(fd, block, sizeof block)) > 0) {
        switch (kind) {
            case 0: md2_update(&md2, n, block); break;
            case 1: gosthash94_update(&gost, n, block); break;
            case 2: case 3: mhash(mh, block, n); break;
            case 4: gcry_md_write(gc, block, n); break;
            default: z = kind == 5 ? adler32(z, block, n) : crc32(z, block, n); break;
        }
    }
    switch (kind) {
        case 0: md2_digest(&md2, 16, out); size = 16; break;
        case 1: gosthash94_digest(&gost, 32, out); size = 32; break;
        case 2: mhash_deinit(mh, out); size = 16; break;
        case 3: mhash_deinit(mh, out); size = 32; break;
        case 4: memcpy(out, gcry_md_read(gc, 0), 4); size = 4; break;
        default: printf("%08lx\n", z); return 0;
    }
    for (size_t i = 0; i < size; i++) printf("%02x", out[i]);
    printf("\n");
    return 0;
}
EOF
# shellcheck disable=SC2046
cc -O2 -o "$work/peer" "$work/peer.c" $(pkg-config --cflags --libs nettle zlib libgcrypt) -lmhash

file="$work/data.bin"
head -c "$((size * 1024 * 1024))" /dev/urandom >"$file"
cat "$file" >/dev/null  # into the page cache

# Fastest of several runs of a command, in seconds.
best() {
  hyperfine --warmup 1 --runs "$runs" --export-json "$work/t.json" "$1" >/dev/null 2>&1
  python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["results"][0]["min"])' "$work/t.json"
}
mbps() { python3 -c "import sys; print(f'{$size * 1.048576 / float(sys.argv[1]):.0f}')" "$1"; }

ossl="openssl dgst -provider legacy -provider default"
printf '%-10s %9s %9s  %-28s %6s\n' "algorithm" "ours MB/s" "peer MB/s" "fastest peer" "ratio"
row() {  # name, our algorithm, then peer label/command pairs
  local name=$1 alg=$2 t label cmd peer="" peerTime=""
  shift 2
  t=$(best "$ours -a $alg $file")
  while [ $# -gt 0 ]; do
    label=$1 cmd=$2
    shift 2
    local s
    s=$(best "$cmd $file")
    if [ -z "$peerTime" ] || python3 -c "import sys; sys.exit(not float(sys.argv[1]) < float(sys.argv[2]))" "$s" "$peerTime"; then
      peer=$label peerTime=$s
    fi
  done
  printf '%-10s %9s %9s  %-28s %6s\n' "$name" "$(mbps "$t")" "$(mbps "$peerTime")" "$peer" \
    "$(python3 -c "import sys; print(f'{float(sys.argv[1]) / float(sys.argv[2]):.2f}')" "$peerTime" "$t")"
}
row CRC-32 crc32 "libgcrypt" "$work/peer crc32-gcrypt" "zlib" "$work/peer crc32-zlib" "rhash" "rhash --crc32"
row MD2 md2 "nettle" "$work/peer md2-nettle"
row MD4 md4 "openssl dgst" "$ossl -md4" "rhash" "rhash --md4"
row MD5 md5 "openssl dgst" "$ossl -md5" "rhash" "rhash --md5"
row SHA-1 sha1 "openssl dgst" "$ossl -sha1" "rhash" "rhash --sha1"
row SHA-256 sha256 "openssl dgst" "$ossl -sha256" "rhash" "rhash --sha256"
row SHA-384 sha384 "openssl dgst" "$ossl -sha384" "rhash" "rhash --sha384"
row SHA-512 sha512 "openssl dgst" "$ossl -sha512" "rhash" "rhash --sha512"
row RIPEMD-128 ripemd128 "libmhash" "$work/peer ripemd128-mhash"
row RIPEMD-160 ripemd160 "rhash" "rhash --ripemd160" "openssl dgst" "$ossl -ripemd160"
row Adler-32 adler32 "zlib" "$work/peer adler32-zlib"
row GOST gost "libmhash" "$work/peer gost-mhash" "rhash" "rhash --gost94" "nettle" "$work/peer gost-nettle"
