#!/usr/bin/env bash
# Builds the tool in Release when needed and starts it: the window when there is a display,
# the terminal front end otherwise.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build="$here/build/release"

"$here/scripts/bootstrap" >&2
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >&2
fi
if ! cmake --build "$build" --target apps >"$build/build.log" 2>&1; then
  cat "$build/build.log" >&2
  echo "veritome: the build failed." >&2
  exit 1
fi

gui="$build/apps/veritome/veritome"
cli="$build/apps/veritome-cli/veritome-cli"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$gui" ]; then
  exec "$gui" "$@"
fi
if [ -x "$cli" ]; then
  if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "veritome: the window needs a display; running the terminal front end instead." >&2
  else
    echo "veritome: the window program is not built yet; running the terminal front end instead." >&2
  fi
  [ $# -gt 0 ] || { exec "$cli" --help; }
  exec "$cli" "$@"
fi
echo "veritome: neither the window program nor the terminal front end is built yet." >&2
exit 1
