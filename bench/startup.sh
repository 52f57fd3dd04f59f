#!/bin/sh
# Start-up time of the window program: from exec to its window mapped on a private Xvfb with
# openbox, with a cold settings store (a new HOME each run) and a warm one (the same HOME again).
#   bench/startup.sh [BUILD_DIR [RUNS]]      (default build/dev, 10 runs each)
# Prints every run and the median of each kind.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/dev}
runs=${2:-10}
program=$build/apps/veritome/veritome
[ -x "$program" ] || { echo "no $program: build the target veritome first" >&2; exit 1; }
work=$(mktemp -d)
trap 'kill $wm $server 2>/dev/null; rm -rf "$work"' EXIT INT TERM
c++ -O2 -o "$work/probe" "$here/bench/startup_probe.cpp" -lX11

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 ${BENCH_SCREEN:-1280x1024}x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
unset XDG_CONFIG_HOME

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$work/cold"
: >"$work/warm"
for i in $(seq "$runs"); do
    home="$work/home$i"
    mkdir -p "$home"
    HOME=$home "$work/probe" "$program" >>"$work/cold"
    HOME=$home "$work/probe" "$program" >>"$work/warm"
done
echo "cold store (ms): $(tr '\n' ' ' <"$work/cold")"
echo "warm store (ms): $(tr '\n' ' ' <"$work/warm")"
echo "median cold $(median <"$work/cold") ms, warm $(median <"$work/warm") ms"
