#!/usr/bin/env python3
"""Times shell commands in interleaved rounds (A B C, A B C, ...) so that a shared, loaded
machine slows each of them alike; prints the median wall time, the median CPU time (user +
system of the command and its children) and the median system time of each, and the ratios to
the first command. The load average before the first run is printed with the results.
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
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_stime


def main():
    rounds = int(sys.argv[1])
    commands = [arg.split("=", 1) for arg in sys.argv[2:]]
    walls = {label: [] for label, _ in commands}
    cpus = {label: [] for label, _ in commands}
    systems = {label: [] for label, _ in commands}
    before = os.getloadavg()[0]
    for label, command in commands:  # one warm-up each
        run(command)
    for _ in range(rounds):
        for label, command in commands:
            wall, cpu, system = run(command)
            walls[label].append(wall)
            cpus[label].append(cpu)
            systems[label].append(system)
    load = os.getloadavg()[0]
    print(f"{rounds} interleaved rounds, load average {before:.2f} before, {load:.2f} after")
    first = commands[0][0]
    base_wall = statistics.median(walls[first])
    base_cpu = statistics.median(cpus[first])
    print(f"{'command':<24} {'wall s':>8} {'cpu s':>8} {'sys s':>8} {'wall/first':>11}"
          f" {'cpu/first':>10}")
    for label, _ in commands:
        wall = statistics.median(walls[label])
        cpu = statistics.median(cpus[label])
        system = statistics.median(systems[label])
        print(f"{label:<24} {wall:8.3f} {cpu:8.3f} {system:8.3f} {wall / base_wall:11.2f}"
              f" {cpu / base_cpu:10.2f}")


if __name__ == "__main__":
    main()
