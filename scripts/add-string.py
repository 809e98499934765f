#!/usr/bin/env python3
"""Adds or replaces one key in the English, French and German string tables.

    scripts/add-string.py KEY "English text" "texte français" "deutscher Text"
"""
import pathlib
import re
import sys
from xml.sax.saxutils import escape

ROOT = pathlib.Path(__file__).resolve().parent.parent / "resources" / "i18n"


def entry(key, source, text):
    return (f'    <message id="{key}">\n'
            f'        <source>{escape(source)}</source>\n'
            f'        <translation>{escape(text)}</translation>\n'
            f'    </message>\n')


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    key, en, fr, de = sys.argv[1:]
    if not re.fullmatch(r"[A-Za-z0-9_.]+", key):
        sys.exit(f"not a key: {key}")
    for lang, text in (("en", en), ("fr", fr), ("de", de)):
        path = ROOT / f"fotino_{lang}.ts"
        ts = path.read_text(encoding="utf-8")
        block = re.compile(rf'    <message id="{re.escape(key)}">\n.*?    </message>\n', re.S)
        new = entry(key, en, text)
        if block.search(ts):
            ts = block.sub(lambda _: new, ts)
        else:
            ts = ts.replace("</context>", new + "</context>", 1)
        path.write_text(ts, encoding="utf-8")


if __name__ == "__main__":
    main()
