#!/usr/bin/env python3
"""Checks the embedded language pack (resources/lang/pack.xml): encoding, line ends, the
language list, the entry ids, one text per language in pack order, and the label rule
(a text ending in ':' is followed by exactly one no-break space). Exit code 1 on any fault.

Usage: scripts/check-pack.py [path-to-pack.xml]"""
import os
import re
import sys
import xml.etree.ElementTree as ET

IDS = [int(x) for x in """
100000 101000 105000 106000 107000 108000 108100 108200 108500 300000 400010 400020 400030
400050 400080 400100 400110 400120 500000 500001 500002 500003 500004 500006 500010 500020
500030 500050 500051 500052 500089 500090 500100 500101 500102 600000 600010 600020 600030 609000 609100 609200 609300
609350 609400 609420 609430 609440 609450 609460 609500 700000 700001 701000 701100 701200 701300
1000000 1001000 1002000 1003000 1004000 1005000 1006000 1006050 1009000 1009100 1100000
1100001 1101000 1101001 1200000 1201000 1201050 1201100 1202000 1203000 1203500 1204000
1205000 1205100 1205200 1206000 1207000 1208000 1209000 1210000 1211000 1212000 1213000
2000000 2001000 2002000 2002500 2003000 3001000 3001010 3001020 3010000 3020000 3021000 3022000
3023000 3023010 3030000 3040000 3040100 3040200 3040300 3040400 3040500 3100000 3101000 3102000 3102100 3102200 3103000 3104000 3104100 3104200 3105000 3105100 3105200 3105300 3105400 3105500 3105600 3105700
4100000 4100100 4100200 4100300 4700000""".split()]

LANGUAGES = [
    ("eng", "English", "English"), ("bel", "Belarusian", "Беларускі"),
    ("zhs", "Chinese_Simplified", "简体中文"), ("cpn", "Serbian_Cyrillic", "Српски"),
    ("deu", "German", "Deutsch"), ("ell", "Greek", "Ελληνικά"), ("fra", "French", "Français"),
    ("ita", "Italian", "Italiano"), ("jpn", "Japanese", "日本語"), ("kor", "Korean", "한국어"),
    ("hun", "Hungarian", "Magyar"), ("rus", "Russian", "Русский"),
    ("srp", "Serbian_Latin", "Srpski"), ("swe", "Swedish", "Svenska"),
    ("tur", "Turkish", "Türkçe"), ("ara", "Arabic", "عربي (Partial)"),
    ("ind", "Indonesian", "Bahasa Indonesia (Partial)"),
    ("bul", "Bulgarian", "Български (Partial)"), ("cze", "Czech", "Cestina (Partial)"),
    ("zht", "Chinese_Traditional", "繁體中文 (Partial)"), ("dan", "Danish", "Dansk (Partial)"),
    ("est", "Estonian", "Eesti (Partial)"), ("spa", "Spanish", "Español (Partial)"),
    ("hrv", "Croatian", "Hrvatski (Partial)"), ("nld", "Dutch", "Nederlands (Partial)"),
    ("per", "Persian", "فارسی (Partial)"), ("pol", "Polish", "Polski (Partial)"),
    ("bra", "Portuguese_Brazilian", "Portugus Brasileiro (Partial)"),
    ("rom", "Romanian", "Română (Partial)"), ("slk", "Slovak", "Slovensky (Partial)"),
    ("fin", "Finnish", "Suomeksi (Partial)"), ("ukr", "Ukrainian", "Українська (Partial)"),
    ("vec", "Venetian", "Vèneto Vec-to (Partial)"), ("vie", "Vietnamese", "Việt Nam (Partial)"),
]

# Texts that are the same in every language: names, addresses, numbers, algorithm labels.
FIXED = {101000, 106000, 108000, 108200, 108500, 300000, 500000, 500002, 500003, 500004,
         500006, 500010, 500020, 500030, 500100} | set(range(1204000, 1214000))

NBSP = "\u00a0"


def main(path):
    faults = []
    raw = open(path, "rb").read()
    if raw.startswith(b"\xef\xbb\xbf"):
        faults.append("starts with a byte-order mark")
    text = raw.decode("utf-8")  # raises on invalid UTF-8
    if re.search(r"(?<!\r)\n", text) or re.search(r"\r(?!\n)", text):
        faults.append("line ends are not all CR LF")
    if "<!" in text or "<?" in text:
        faults.append("comments, declarations and processing instructions are not read back")
    # Labels carry the no-break space itself: the element-text decoder turns "&#160;" into a
    # plain space, which the labels must not end in.
    if "&#160;" in text:
        faults.append("'&#160;' decodes to a plain space; write the no-break space itself")
    # The program's element-text decoder knows only these references.
    for ref in re.findall(r"&[^;\s]*;?", text):
        if ref not in ("&amp;", "&lt;", "&gt;", "&#160;", "&#13;", "&#10;"):
            faults.append(f"reference {ref!r} is not decoded by the program")
            break

    root = ET.fromstring(text)
    if root.tag != "lang":
        faults.append(f"root is {root.tag!r}, not 'lang'")
    langs = [(e.get("tagName"), e.get("engName"), e.get("trueName"))
             for e in root.find("languages") if e.tag == "entry"]
    if langs != LANGUAGES:
        faults.append("language list differs from the expected 34 languages")
    tags = [t for t, _, _ in LANGUAGES]

    entries = [e for e in root.find("entries") if e.tag == "entry"]
    ids = [int(e.get("id")) for e in entries]
    if ids != IDS:
        faults.append(f"entry ids differ: missing {sorted(set(IDS) - set(ids))}, "
                      f"extra {sorted(set(ids) - set(IDS))}, or out of order")
    copies = 0
    for e in entries:
        eid = e.get("id")
        if not (e.text or "").strip():
            faults.append(f"{eid}: no description")
        children = [c.tag for c in e]
        if children != tags:
            faults.append(f"{eid}: language elements are not exactly the 34 tags in pack order")
            continue
        eng = e[0].text or ""
        for c in e:
            t = c.text or ""
            if t != t.strip(" \t\r\n\u3000") and not t.endswith(":" + NBSP):
                faults.append(f"{eid}/{c.tag}: leading or trailing blanks")
            if (t == "") != (eng == ""):
                faults.append(f"{eid}/{c.tag}: empty where English is not, or the reverse")
            if eng.endswith(":" + NBSP):
                if not t.endswith(":" + NBSP) or t.endswith(NBSP * 2):
                    faults.append(f"{eid}/{c.tag}: label must end in ':' and one no-break space")
            elif t.endswith(NBSP) or t.endswith(":"):
                faults.append(f"{eid}/{c.tag}: only labels end in ':' and a no-break space")
            if int(eid) in FIXED and t != eng:
                faults.append(f"{eid}/{c.tag}: must equal the English text")
            if c.tag != "eng" and t and t == eng and int(eid) not in FIXED:
                copies += 1

    for f in faults:
        print("FAULT:", f)
    print(f"{len(langs)} languages, {len(entries)} entries, {copies} texts equal to English "
          f"outside the fixed ids, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else
                  os.path.join(here, "..", "resources", "lang", "pack.xml")))
