#!/bin/sh
# Start-up time with the accessibility bridge registered and without an accessibility bus: the
# start-up bench run once with no session bus, once inside a private session bus whose
# accessibility bus (at-spi2-core's launcher and registry) is already up.
#   bench/access_startup.sh [BUILD_DIR [RUNS]]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "at-spi2-core is not installed" >&2; exit 1; }
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "== no session bus, no accessibility bus"
env -u DBUS_SESSION_BUS_ADDRESS "$here/bench/startup.sh" "$@"
echo "== the bridge registered on a running accessibility bus"
dbus-run-session -- sh -c '
  "$0" --launch-immediately >/dev/null 2>&1 &
  launcher=$!
  # The registry, as a desktop session has it running.
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
      >/dev/null 2>&1 && break
    sleep 0.1
  done
  "$1/bench/startup.sh" "$2" "$3"
  kill $launcher' "$launcher" "$here" "${1:-$here/build/dev}" "${2:-10}" 2>&1 |
  grep -v "dbus-daemon"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
