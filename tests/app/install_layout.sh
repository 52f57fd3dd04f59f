#!/usr/bin/env bash
# Installs the build in $1 into a temporary prefix and checks the desktop entry, the file-manager
# menus, the metainfo, the file type, the manual pages, the icons (one per size given after $1,
# each of that size) and the programs that were built; the desktop's validators run when present.
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

share=$prefix/share
entry=$share/applications/example.zarnek.Veritome.desktop
[ -f "$entry" ] || fail "no desktop entry"
grep -qx 'Exec=veritome %f' "$entry" || fail "Exec line"
grep -qx 'Icon=veritome' "$entry" || fail "Icon line"
# Offered for every file, default opener of checksum lists only (never of text files).
grep -qx 'MimeType=application/octet-stream;text/x-veritome-checksums;' "$entry" ||
  fail "MimeType line"
grep -qx 'StartupWMClass=veritome' "$entry" || fail "StartupWMClass line"
grep -qx 'Exec=veritome --verify %f' "$entry" || fail "no Verify action"
grep -qx 'Name\[de\]=Hash-Codes berechnen' "$entry" || fail "actions not translated"
have() { command -v "$1" >/dev/null; }
validate() {  # file: desktop-file-validate, when present
  if have desktop-file-validate; then
    desktop-file-validate "$1" || fail "desktop-file-validate rejects $1"
  fi
}
validate "$entry"
# The Dolphin service menu is a desktop file of its own, executable; its type "Service" is
# Dolphin's, which the validator knows only for applications.
menu=$share/kio/servicemenus/veritome.desktop
[ -x "$menu" ] || fail "no executable service menu"
sed 's/^Type=Service$/Type=Application/' "$menu" >"$prefix/servicemenu.desktop"
validate "$prefix/servicemenu.desktop"
# The Nemo actions' keys, checked as a desktop entry's (Nemo's own keys marked as extensions).
for action in compute verify; do
  file=$share/nemo/actions/veritome-$action.nemo_action
  [ -f "$file" ] || fail "no Nemo action $action"
  sed -e 's/^\[Nemo Action\]$/[Desktop Entry]\nType=Application/' -e 's/^Icon-Name=/Icon=/' \
      -e 's/^\(Selection\|Extensions\|Dependencies\)=/X-Nemo-\1=/' "$file" \
      >"$prefix/nemo-$action.desktop"
  validate "$prefix/nemo-$action.desktop"
done
[ -f "$share/nautilus-python/extensions/veritome.py" ] || fail "no Nautilus extension"

metainfo=$share/metainfo/example.zarnek.Veritome.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo"
if have appstreamcli; then
  appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli rejects the metainfo"
fi
# The checksum-list type: the database built from the installed package names the globs.
types=$share/mime/packages/example.zarnek.Veritome.xml
[ -f "$types" ] || fail "no file type for checksum lists"
if have update-mime-database; then
  update-mime-database "$share/mime" >/dev/null 2>&1 || fail "update-mime-database failed"
  for glob in '*.md5' '*.sha1' '*.sha256' '*.sha512' '*.sfv' '*SUMS'; do
    grep -qF "text/x-veritome-checksums:$glob" "$share/mime/globs" || fail "no glob $glob"
  done
fi
for page in veritome veritome-cli; do
  manual=$share/man/man1/$page.1.gz
  [ -f "$manual" ] || fail "no manual page $page(1)"
  if have groff; then
    warnings=$(zcat "$manual" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$page(1): $warnings"
  fi
done
bash -n "$share/bash-completion/completions/veritome-cli" || fail "bash completion"
[ -f "$share/doc/veritome/copyright" ] || fail "no copyright file"

for size in $sizes; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/veritome.png
  [ -f "$icon" ] || fail "no ${size}px icon"
  # PNG header: width and height as big-endian numbers at bytes 16..23.
  read -r w h < <(od -An -tu1 -j16 -N8 "$icon" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "${size}px icon is ${w}x${h}"
done
grep -q "<svg" "$prefix/share/icons/hicolor/scalable/apps/veritome.svg" 2>/dev/null ||
  fail "no scalable icon"

for program in "${built[@]}"; do
  [ -x "$prefix/bin/$program" ] || fail "$program not installed"
done
echo "install_layout: ok"
