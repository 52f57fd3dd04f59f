#!/usr/bin/env python3
"""The benches' tree of many small files: 10,000 files of 1-64 KiB of random bytes in 280
folders under ROOT, the same bytes on every run (seeded).

Usage: bench/maketree.py ROOT
"""
import os
import random
import sys

root = sys.argv[1]
rng = random.Random(1)
for i in range(10000):
    folder = os.path.join(root, f"d{i % 40:02d}", f"e{i % 7}")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, f"f{i:05d}.bin"), "wb") as f:
        f.write(rng.randbytes(rng.randint(1024, 65536)))
