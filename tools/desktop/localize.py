#!/usr/bin/env python3
"""Fills the language-pack texts into the desktop files (desktop entry, file-manager menus).

Usage: localize.py PACK TEMPLATE OUTPUT

In TEMPLATE, a line "Key=@ID@" becomes "Key=<English text of ID>" followed by one
"Key[locale]=<text>" line per other language of the pack, and "@PY:ID@" anywhere becomes a
Python dictionary literal from locale to text (English under "")."""
import sys
import xml.etree.ElementTree as ET

# The pack's language tags and the locale names the desktop uses for them.
LOCALES = {
    "bel": "be", "zhs": "zh_CN", "cpn": "sr", "deu": "de", "ell": "el", "fra": "fr",
    "ita": "it", "jpn": "ja", "kor": "ko", "hun": "hu", "rus": "ru", "srp": "sr@latin",
    "swe": "sv", "tur": "tr", "ara": "ar", "ind": "id", "bul": "bg", "cze": "cs",
    "zht": "zh_TW", "dan": "da", "est": "et", "spa": "es", "hrv": "hr", "nld": "nl",
    "per": "fa", "pol": "pl", "bra": "pt_BR", "rom": "ro", "slk": "sk", "fin": "fi",
    "ukr": "uk", "vec": "vec", "vie": "vi",
}


def texts(pack, number):
    for entry in pack.find("entries"):
        if entry.get("id") == str(number):
            return {c.tag: (c.text or "").strip() for c in entry}
    sys.exit(f"localize.py: the pack has no text {number}")


def main(pack_path, template_path, output_path):
    pack = ET.parse(pack_path).getroot()
    out = []
    for line in open(template_path, encoding="utf-8").read().splitlines():
        key, sep, value = line.partition("=")
        if sep and value.startswith("@") and value.endswith("@") and value[1:-1].isdigit():
            t = texts(pack, int(value[1:-1]))
            out.append(f"{key}={t['eng']}")
            out += [f"{key}[{LOCALES[tag]}]={text}" for tag, text in t.items()
                    if tag in LOCALES and text]
            continue
        while "@PY:" in line:
            start = line.index("@PY:")
            end = line.index("@", start + 1)
            t = texts(pack, int(line[start + 4:end]))
            table = {"": t["eng"]}
            table.update({LOCALES[tag]: text for tag, text in t.items() if tag in LOCALES})
            line = line[:start] + repr(table) + line[end + 1:]
        out.append(line)
    with open(output_path, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
