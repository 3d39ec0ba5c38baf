#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Every catalogue is whole: it has every text that the sources mark, as lupdate finds
them now, and no other; none is unfinished; each keeps its source's placeholders, line
breaks (the help's paragraphs), blanks at either end (the countdown's prefix) and
closing semicolon (the desktop's keywords). Each speaks of one thing by one name: the
terms of its phrase book wherever the English names their thing, and none of the words
the phrase book rules out; and the help quotes each caption of the main window as the
window shows it. And every translation reaches the files the build makes from the
catalogues, where the tools would leave out one they cannot match: the desktop entry,
the metainfo and the Win32 string tables.
Usage: check_translations.py LUPDATE DESKTOP METAINFO STRING_TABLES WIN32_LANGUAGES SOURCE...
(exits 1 on any fault)"""
import configparser
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

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


# The things every catalogue names by one term each (its phrase book's concepts).
CONCEPTS = ("the reality check", "reset", "the prompt box", "a flash or beep", "the beep",
            "the interval", "the time is up", "to the front", "click", "quit", "close")
# The help window's button says Exit but only closes the help window: it is read
# against the terms as what it does.
READ_AS = {("Form1", "Exit"): "Close"}


def friendly(text):
    """Lower case, words apart, as Qt Linguist matches a phrase book's sources."""
    return " ".join(re.sub(r"[\W_]+", " ", text.casefold()).split())


def names(english, source):
    """Whether the English names a source's words, whole (or with a plural s)."""
    return re.search(r"(?<!\w)%ss?(?!\w)" % re.escape(friendly(source)), friendly(english))


def terms(catalogue):
    """Where the catalogue does not speak of a thing by its phrase book's term."""
    book = catalogue.phrase_book()
    if book is None:
        return ["no phrase book of its terms"]
    found = [] if book.language == catalogue.language else [
        "the phrase book is %s's" % book.language]
    concepts = book.concepts()
    found += ["no term for %s in the phrase book" % c for c in CONCEPTS if c not in concepts]
    for (context, english), (translation, _) in sorted(catalogue.messages.items()):
        text = translation.casefold()
        for concept, (sources, targets, never) in sorted(concepts.items()):
            if (any(names(READ_AS.get((context, english), english), s) for s in sources)
                    and not any(t.casefold() in text for t in targets)):
                found.append("%r: %s not as %s" % (english[:40], concept, " or ".join(
                    sorted(targets))))
            # The menu's search words (ending in ";") list other names on purpose.
            found += ["%r: %r, a word ruled out" % (english[:40], w) for w in sorted(never)
                      if w.casefold() in text and not english.endswith(";")]
    return found


def quoted(catalogue):
    """The main window's captions that the help quotes, where the help does not quote them
    as the main window shows them."""
    instructions = next(key for key in catalogue.messages if key[0] == "Form1" and "\n" in key[1])
    return ["the help does not quote %r as %r" % (english, catalogue(context, english))
            for context, english in sorted(catalogue.messages) if context == "Wakeprobe"
            and re.search(r"(?<!\w)%s(?!\w)" % re.escape(english), instructions[1])
            and catalogue(context, english) not in catalogue(*instructions)]


def locale_name(tag):
    """A language tag as the catalogues and the desktop entry name it ("pt_BR", "zh_CN"),
    also where newer msgfmt writes the metainfo's in BCP 47 ("pt-BR", "zh-Hans-CN")."""
    language, *rest = tag.replace("_", "-").split("-")
    return "_".join([language] + [p for p in rest if not (len(p) == 4 and p.isalpha())])


def desktop_texts(desktop, metainfo):
    """language -> {English: translation} as the desktop entry and the metainfo carry them."""
    found = {}
    entry = configparser.RawConfigParser(delimiters="=", interpolation=None)
    entry.optionxform = str
    entry.read(desktop, encoding="utf-8")
    keys = entry["Desktop Entry"]
    for key in ("GenericName", "Comment", "Keywords"):
        for name, value in keys.items():
            if name.startswith(key + "["):
                found.setdefault(name[len(key) + 1:-1], {})[keys[key]] = value
    lang = "{http://www.w3.org/XML/1998/namespace}lang"
    root = ET.parse(metainfo).getroot()
    for tag in ("summary", "description/p", "screenshots/screenshot/caption"):
        english = " ".join(root.find(tag).text.split())
        for element in root.findall(tag):
            if element.get(lang):
                found.setdefault(locale_name(element.get(lang)), {})[english] = element.text
    return found


def string_tables(script, languages):
    """language statement -> {(context, English): text}, as the generator writes them."""
    with tempfile.TemporaryDirectory() as folder:
        rc, header = os.path.join(folder, "texts.rc"), os.path.join(folder, "catalogue.h")
        catalogues = [c.path for c in all_catalogues()]
        subprocess.run([sys.executable, script, rc, header, "1000", languages, *catalogues],
                       check=True)
        with open(header, encoding="utf-8") as f:
            ids = {id: (unescape(c, "\\\""), unescape(e, "\\\""))
                   for id, c, e in re.findall(r'\{ (\d+), "(.*?)", "(.*)" \},', f.read())}
        with open(rc, encoding="utf-8") as f:
            blocks = re.findall(r"LANGUAGE ([^\n]*)\nSTRINGTABLE\nBEGIN\n(.*?)END", f.read(), re.S)
    return {statement: {ids[id]: unescape(text, '""')
                        for id, text in re.findall(r'(\d+), "(.*)"', rows)}
            for statement, rows in blocks}


def setup_pages(script, languages, texts_h):
    """NSIS's language name in capitals -> the setup's texts, as the generator writes
    them for the setup program."""
    with tempfile.TemporaryDirectory() as folder:
        nsh = os.path.join(folder, "setup-languages.nsh")
        catalogues = [c.path for c in all_catalogues()]
        subprocess.run([sys.executable, script, "--setup", nsh, texts_h, languages, *catalogues],
                       check=True)
        with open(nsh, encoding="utf-8") as f:
            rows = re.findall(r'LangString Setup\w+ \$\{LANG_(\w+)\} "(.*)"', f.read())
    pages = {}
    for language, text in rows:
        pages.setdefault(language, set()).add(
            text.replace('$\\r$\\n', "\n").replace('$\\"', '"').replace("$$", "$"))
    return pages


def unescape(text, quote):
    """A C++ (quote \\") or .rc (quote "") string's text."""
    return re.sub(r'\\n|\\\\|' + re.escape(quote),
                  lambda m: {"\\n": "\n", "\\\\": "\\"}.get(m.group(), '"'), text)


def generated(catalogue, texts, desktop, tables, pages, languages):
    """What of the catalogue's translations the generated files do not carry."""
    language = os.path.basename(catalogue.path)[len("wakeprober_"):-len(".ts")]
    windows, nsis = languages.get(language) or languages.get(language.split("_")[0])
    problems = []
    for context, english in sorted(texts):
        if context == "Desktop":
            shown = desktop.get(language, {}).get(english)
            where = "the desktop files"
        elif context == "Setup":
            translation = catalogue(context, english)
            shown = translation if translation in pages.get(nsis.upper(), ()) else None
            where = "the setup's %s pages" % nsis
        else:
            shown = tables.get(windows, {}).get((context, english))
            where = "the string table %s" % windows
            if tables["LANG_ENGLISH, SUBLANG_ENGLISH_US"].get((context, english)) != english:
                problems.append("not English in the English string table: %r" % english)
        if shown != catalogue(context, english):
            problems.append("%s: %r for %r" % (where, shown, english))
    return problems


def main(lupdate, desktop, metainfo, script, languages, *sources):
    texts = marked(lupdate, sources)
    translated = desktop_texts(desktop, metainfo)
    tables = string_tables(script, languages)
    pages = setup_pages(script, languages, next(s for s in sources if s.endswith("texts.h")
                                                   and "data" in s))
    # Each line: the language, the LANGUAGE statement's names, NSIS's name.
    languages = {words[0]: (" ".join(words[1:-1]), words[-1])
                 for words in map(str.split, languages.strip().splitlines())}
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
        problems += terms(catalogue) + quoted(catalogue)
        problems += generated(catalogue, texts, translated, tables, pages, languages)
        name = os.path.basename(catalogue.path)
        if problems:
            failed += 1
            print("FAIL %s\n  %s" % (name, "\n  ".join(problems)))
        else:
            passed += 1
            print("ok   %s: %d texts in its terms, in the desktop files and the string tables"
                  % (name, len(catalogue.messages)))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
