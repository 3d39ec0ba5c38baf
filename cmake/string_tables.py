#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Writes the Win32 string tables of the translators' catalogues (Qt Linguist's .ts
files): English and one LANGUAGE block per catalogue, so that Windows itself picks
the user's display language, and the C++ table by which the program finds a text's
id from its context and English.

Usage: string_tables.py RC HEADER FIRST_ID LANGUAGES CATALOGUE...
LANGUAGES names Windows' language of each catalogue, one "LANG LANG_X, SUBLANG_Y"
item per line; a language without a region serves every region of it."""
import os
import sys
import xml.etree.ElementTree as ET

# Not the program's texts: the desktop entry's and the metainfo's.
DESKTOP = "Desktop"


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


def windows_language(language, table):
    """The LANGUAGE statement's names for a catalogue, by its own or its primary language."""
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


def main(rc, header, first_id, languages, *catalogues):
    table = dict(line.split(None, 1) for line in languages.strip().splitlines())
    catalogues = sorted(catalogues)
    # The texts and their ids, from the first catalogue: lupdate keeps every
    # catalogue's texts in the same order.
    program = [(int(first_id) + i, context, english)
               for i, (context, english, _) in enumerate(read(catalogues[0]))
               if context != DESKTOP]

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
        blocks.append(block(windows_language(language_of(path), table),
                            lambda context, english: translations.get((context, english))))
    write_if_changed(rc, generated + "#pragma code_page(65001)\n#include <winresrc.h>\n\n"
                     + "\n".join(blocks))


if __name__ == "__main__":
    if len(sys.argv) < 6:
        sys.exit(__doc__)
    main(*sys.argv[1:])
