#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Every catalogue is whole: it has every text that the sources mark, as lupdate finds
them now, and no other; none is unfinished; each keeps its source's placeholders, line
breaks (the help's paragraphs), blanks at either end (the countdown's prefix) and
closing semicolon (the desktop's keywords).
Usage: check_translations.py LUPDATE SOURCE...   (exits 1 on any fault)"""
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
from catalogues import Catalogue, all_catalogues  # noqa: E402


def marked(lupdate, sources):
    """The texts the sources mark, as a fresh catalogue."""
    with tempfile.TemporaryDirectory() as folder:
        fresh = os.path.join(folder, "fresh.ts")
        subprocess.run([lupdate, "-silent", "-tr-function-alias", "QT_TRANSLATE_NOOP+=Translatable",
                        "-locations", "none", *sources, "-ts", fresh], check=True)
        return set(Catalogue(fresh).messages)


def faults(source, translation):
    found = []
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation)):
        found.append("placeholders")
    if source.count("\n") != translation.count("\n"):
        found.append("%d line breaks, not %d" % (translation.count("\n"), source.count("\n")))
    lead, trail = (len(source) - len(source.lstrip(" ")), len(source) - len(source.rstrip(" ")))
    if (lead, trail) != (len(translation) - len(translation.lstrip(" ")),
                         len(translation) - len(translation.rstrip(" "))):
        found.append("blanks at the ends")
    if source.endswith(";") != translation.endswith(";"):
        found.append("the closing semicolon")
    return found


def main(lupdate, *sources):
    texts = marked(lupdate, sources)
    passed = failed = 0
    for catalogue in all_catalogues():
        problems = ["missing: %r" % (key,) for key in sorted(texts - set(catalogue.messages))]
        problems += ["not in the sources: %r" % (key,)
                     for key in sorted(set(catalogue.messages) - texts)]
        for key, (translation, unfinished) in sorted(catalogue.messages.items()):
            if unfinished or not translation:
                problems.append("unfinished: %r" % (key,))
            else:
                problems += ["%r: %s" % (key, f) for f in faults(key[1], translation)]
        name = os.path.basename(catalogue.path)
        if problems:
            failed += 1
            print("FAIL %s\n  %s" % (name, "\n  ".join(problems)))
        else:
            passed += 1
            print("ok   %s: %d texts" % (name, len(catalogue.messages)))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
