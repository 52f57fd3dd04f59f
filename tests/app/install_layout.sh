#!/usr/bin/env bash
# Installs the build in $1 into a temporary prefix and checks the desktop entry, the icons (one
# per size given after $1, each of that size) and the programs that were built.
set -euo pipefail
build=$1
shift
sizes="$*"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
# The programs are installed too when they have been built (an unbuilt one would fail the
# whole install).
cmake --install "$build" --prefix "$prefix" --component desktop >/dev/null
built=()
for program in veritome veritome-cli; do
  [ -x "$build/apps/$program/$program" ] && built+=("$program")
done
if [ ${#built[@]} -gt 0 ]; then
  cmake --install "$build" --prefix "$prefix" --component programs >/dev/null || true
fi

fail() { echo "install_layout: $*" >&2; exit 1; }

entry=$prefix/share/applications/veritome.desktop
[ -f "$entry" ] || fail "no desktop entry"
grep -qx 'Exec=veritome %f' "$entry" || fail "Exec line"
grep -qx 'Icon=veritome' "$entry" || fail "Icon line"
grep -q '^MimeType=application/octet-stream;' "$entry" || fail "MimeType line"
grep -qx 'StartupWMClass=veritome' "$entry" || fail "StartupWMClass line"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
fi

for size in $sizes; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/veritome.png
  [ -f "$icon" ] || fail "no ${size}px icon"
  # PNG header: width and height as big-endian numbers at bytes 16..23.
  read -r w h < <(od -An -tu1 -j16 -N8 "$icon" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "${size}px icon is ${w}x${h}"
done

for program in "${built[@]}"; do
  [ -x "$prefix/bin/$program" ] || fail "$program not installed"
done
echo "install_layout: ok"
