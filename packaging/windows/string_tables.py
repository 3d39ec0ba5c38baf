#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Writes the Win32 string tables of the translators' catalogues (Qt Linguist's .ts
files): English and one LANGUAGE block per catalogue, so that Windows itself picks
the user's display language, and the C++ table by which the program finds a text's
id from its context and English. With --setup, writes the setup program's languages
instead: NSIS's pages in English and in each catalogue's language, with the setup's
own texts.

Usage: string_tables.py RC HEADER FIRST_ID LANGUAGES CATALOGUE...
       string_tables.py --setup NSH TEXTS_H LANGUAGES CATALOGUE...
LANGUAGES names Windows' language of each catalogue, one "LANG LANG_X, SUBLANG_Y
NSIS_NAME" item per line; a language without a region serves every region of it."""
import os
import re
import sys
import xml.etree.ElementTree as ET

# Not the program's texts: the desktop entry's and the metainfo's, and the
# setup program's.
DESKTOP = "Desktop"
SETUP = "Setup"


def read(path):
    """[(context, English, translation or "")] in the catalogue's order."""
    messages = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            done = translation.get("type") not in ("unfinished", "vanished", "obsolete")
            messages.append((name, message.findtext("source"),
                             (translation.text or "") if done else ""))
    return messages


def language_of(path):
    return os.path.basename(path)[len("wakeprober_"):-len(".ts")]


def language_table(languages):
    """{language: (the LANGUAGE statement's names, NSIS's name)}."""
    table = {}
    for line in languages.strip().splitlines():
        words = line.split()
        table[words[0]] = (" ".join(words[1:-1]), words[-1])
    return table


def windows_language(language, table):
    """The names for a catalogue, by its own or its primary language."""
    for name in (language, language.split("_")[0]):
        if name in table:
            return table[name]
    sys.exit("translations/wakeprober_%s.ts: add its Windows language to "
             "WAKEPROBER_WIN32_LANGUAGES in cmake/Translations.cmake" % language)


def rc_string(text):
    return '"%s"' % text.replace("\\", "\\\\").replace('"', '""').replace("\n", "\\n")


def cxx_string(text):
    return '"%s"' % text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")


def write_if_changed(path, text):
    """Rewrites only what changed, so that the build recompiles only then."""
    try:
        with open(path, encoding="utf-8", newline="") as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(text)


def nsis_string(text):
    return '"%s"' % text.replace("$", "$$").replace('"', '$\\"').replace("\n", "$\\r$\\n")


def setup_pages(nsh, texts_h, languages, *catalogues):
    """NSIS's language of every catalogue, each with a LangString SetupNAME for every
    text that data/texts.h lists as NAME = Translatable("Setup", "English")."""
    table = language_table(languages)
    with open(texts_h, encoding="utf-8") as f:
        texts = re.findall(r'\*\s*([A-Za-z]+)\s*=\s*Translatable\(\s*"Setup",\s*"([^"]*)"\)',
                           f.read())
    out = "; Generated from data/texts.h and translations/*.ts by the build: edit those.\n"
    pages = [("English", "English", {})]
    for path in sorted(catalogues):
        language = language_of(path)
        pages.append((language, windows_language(language, table)[1],
                      {(c, e): t for c, e, t in read(path)}))
    for language, nsis, translations in pages:
        out += '\n; %s\n!insertmacro MUI_LANGUAGE "%s"\n' % (language, nsis)
        for name, english in texts:
            out += "LangString Setup%s ${LANG_%s} %s\n" % (
                name, nsis.upper(), nsis_string(translations.get((SETUP, english)) or english))
    write_if_changed(nsh, out)


def main(rc, header, first_id, languages, *catalogues):
    table = language_table(languages)
    catalogues = sorted(catalogues)
    # The texts and their ids, from the first catalogue: lupdate keeps every
    # catalogue's texts in the same order.
    program = [(int(first_id) + i, context, english)
               for i, (context, english, _) in enumerate(read(catalogues[0]))
               if context not in (DESKTOP, SETUP)]

    generated = "// Generated from translations/*.ts by the build: edit those.\n"
    entries = "".join("    { %d, %s, %s },\n" % (id, cxx_string(context), cxx_string(english))
                      for id, context, english in program)
    write_if_changed(header, generated + "#pragma once\n\n#include <string_view>\n\n"
                     "struct CatalogueEntry {\n    unsigned id;\n"
                     "    std::string_view context, english;\n};\n\n"
                     "constexpr CatalogueEntry Catalogue[] = {\n" + entries + "};\n")

    def block(statement, translate):
        rows = "".join("    %d, %s\n" % (id, rc_string(translate(context, english) or english))
                       for id, context, english in program)
        return "LANGUAGE %s\nSTRINGTABLE\nBEGIN\n%sEND\n" % (statement, rows)

    blocks = [block("LANG_ENGLISH, SUBLANG_ENGLISH_US", lambda context, english: english)]
    for path in catalogues:
        translations = {(c, e): t for c, e, t in read(path)}
        blocks.append(block(windows_language(language_of(path), table)[0],
                            lambda context, english: translations.get((context, english))))
    write_if_changed(rc, generated + "#pragma code_page(65001)\n#include <winresrc.h>\n\n"
                     + "\n".join(blocks))


if __name__ == "__main__":
    if len(sys.argv) < 6:
        sys.exit(__doc__)
    if sys.argv[1] == "--setup":
        setup_pages(*sys.argv[2:])
    else:
        main(*sys.argv[1:])
