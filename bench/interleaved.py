#!/usr/bin/env python3
"""Times shell commands in interleaved rounds (A B C, A B C, ...) so that a shared, loaded
machine slows each of them alike; prints the median wall time and the median CPU time (user +
system of the command and its children) of each, and the ratios to the first command.
Usage: interleaved.py ROUNDS LABEL=COMMAND...
"""
import os
import statistics
import subprocess
import sys
import time


def run(command):
    start = time.monotonic()
    process = subprocess.Popen(["bash", "-c", command], stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.monotonic() - start
    if status != 0:
        sys.exit(f"failed ({status}): {command}")
    return wall, usage.ru_utime + usage.ru_stime


def main():
    rounds = int(sys.argv[1])
    commands = [arg.split("=", 1) for arg in sys.argv[2:]]
    walls = {label: [] for label, _ in commands}
    cpus = {label: [] for label, _ in commands}
    for label, command in commands:  # one warm-up each
        run(command)
    for _ in range(rounds):
        for label, command in commands:
            wall, cpu = run(command)
            walls[label].append(wall)
            cpus[label].append(cpu)
    load = os.getloadavg()[0]
    print(f"{rounds} interleaved rounds, load average {load:.1f}")
    first = commands[0][0]
    base_wall = statistics.median(walls[first])
    base_cpu = statistics.median(cpus[first])
    print(f"{'command':<24} {'wall s':>8} {'cpu s':>8} {'wall/first':>11} {'cpu/first':>10}")
    for label, _ in commands:
        wall = statistics.median(walls[label])
        cpu = statistics.median(cpus[label])
        print(f"{label:<24} {wall:8.3f} {cpu:8.3f} {wall / base_wall:11.2f} {cpu / base_cpu:10.2f}")


if __name__ == "__main__":
    main()
