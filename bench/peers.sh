#!/usr/bin/env bash
# Per-algorithm speed of our digesters against the fastest other implementation on this
# machine, whole processes on one file in the page cache. Our side is bench/digestfile, which
# reads 16 KiB blocks with read(2) as the hash job does. Peers: openssl dgst, rhash, and small
# C programs over nettle (MD2, GOST), libmhash (RIPEMD-128, GOST), libgcrypt (CRC-32) and zlib
# (Adler-32, CRC-32), which read 64 KiB blocks.
# Prints, per algorithm, both speeds and the ratio best peer time / our time (above 1.0: we are
# faster), from the smallest CPU time of several interleaved runs.
# Usage: bench/peers.sh [SIZE_MIB [ALGORITHM...]]   (default 256 MiB and all twelve;
#        RUNS=n runs per command, default 3)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/digest-rel"
ours="$build/bench/digestfile"
size=${1:-256}
shift || true
runs=${RUNS:-3}

if [ ! -x "$ours" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target digestfile >/dev/null
fi
for tool in openssl rhash cc pkg-config python3; do
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

# Runs every command RUNS times, interleaved (ours, then each peer, then again), and keeps the
# smallest user + system CPU time of each: the machine may be shared, and the CPU time of a
# single-threaded process reading from the page cache is its run time without the waits for
# other processes. Prints one row per algorithm: speeds and the ratio best peer / ours.
ossl="openssl dgst -provider legacy -provider default"
python3 - "$ours" "$file" "$size" "$runs" "$work/peer" "$ossl" "$@" <<'EOF'
import resource, shlex, subprocess, sys

ours, file, size, runs, peer, ossl = sys.argv[1:7]
size, runs = int(size), int(runs)
rows = [
    ("CRC-32", "crc32", [("libgcrypt", f"{peer} crc32-gcrypt"), ("zlib", f"{peer} crc32-zlib"),
                         ("rhash", "rhash --crc32")]),
    ("MD2", "md2", [("nettle", f"{peer} md2-nettle")]),
    ("MD4", "md4", [("openssl dgst", f"{ossl} -md4"), ("rhash", "rhash --md4")]),
    ("MD5", "md5", [("openssl dgst", f"{ossl} -md5"), ("rhash", "rhash --md5")]),
    ("SHA-1", "sha1", [("openssl dgst", f"{ossl} -sha1"), ("rhash", "rhash --sha1")]),
    ("SHA-256", "sha256", [("openssl dgst", f"{ossl} -sha256"), ("rhash", "rhash --sha256")]),
    ("SHA-384", "sha384", [("openssl dgst", f"{ossl} -sha384"), ("rhash", "rhash --sha384")]),
    ("SHA-512", "sha512", [("openssl dgst", f"{ossl} -sha512"), ("rhash", "rhash --sha512")]),
    ("RIPEMD-128", "ripemd128", [("libmhash", f"{peer} ripemd128-mhash")]),
    ("RIPEMD-160", "ripemd160", [("rhash", "rhash --ripemd160"),
                                 ("openssl dgst", f"{ossl} -ripemd160")]),
    ("Adler-32", "adler32", [("zlib", f"{peer} adler32-zlib")]),
    ("GOST", "gost", [("libmhash", f"{peer} gost-mhash"), ("rhash", "rhash --gost94"),
                      ("nettle", f"{peer} gost-nettle")]),
]
only = set(sys.argv[7:])


def cpu_seconds(command):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    subprocess.run(shlex.split(command) + [file], stdout=subprocess.DEVNULL, check=True)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


mb = size * 1.048576
print(f"{'algorithm':<11}{'ours MB/s':>10}{'peer MB/s':>10}  {'fastest peer':<14}{'ratio':>6}"
      "   ratio to each peer")
for name, alg, peers in rows:
    if only and alg not in only:
        continue
    commands = [f"{ours} -a {alg}"] + [command for _, command in peers]
    best = [float("inf")] * len(commands)
    for _ in range(runs):
        for i, command in enumerate(commands):
            best[i] = min(best[i], cpu_seconds(command))
    j = min(range(1, len(commands)), key=lambda i: best[i])
    each = ", ".join(f"{label} {best[i + 1] / best[0]:.2f}" for i, (label, _) in enumerate(peers))
    print(f"{name:<11}{mb / best[0]:>10.0f}{mb / best[j]:>10.0f}  {peers[j - 1][0]:<14}"
          f"{best[j] / best[0]:>6.2f}   {each}", flush=True)
EOF
