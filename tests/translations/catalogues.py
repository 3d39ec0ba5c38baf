# SPDX-License-Identifier: MIT
"""The translators' catalogues (translations/wakeprober_LANG.ts) and their phrase books
(wakeprober_LANG.qph), as the tests read them."""
import glob
import os
import re
import xml.etree.ElementTree as ET

FOLDER = os.path.join(os.path.dirname(__file__), "..", "..", "translations")
# Where a catalogue names no region and the language's own code is none of its
# regions' (ar_AR and he_HE are no locales), the region its users are tested in.
REGIONS = {"ar": "EG", "he": "IL"}


class Catalogue:
    def __init__(self, path):
        self.path = path
        root = ET.parse(path).getroot()
        self.language = root.get("language")  # de_DE, pt_BR, ...
        self.messages = {}  # (context, English) -> (translation, unfinished)
        for context in root.iter("context"):
            name = context.find("name").text
            for message in context.iter("message"):
                translation = message.find("translation")
                self.messages[(name, message.find("source").text)] = (
                    translation.text or "", translation.get("type") is not None)

    def locale(self):
        """The POSIX locale a user of this language has, as LANG takes it."""
        return (self.language if "_" in self.language else self.language + "_"
                + REGIONS.get(self.language, self.language.upper())) + ".UTF-8"

    def phrase_book(self):
        """The phrase book beside the catalogue, None if it has none."""
        path = self.path[:-len(".ts")] + ".qph"
        return PhraseBook(path) if os.path.exists(path) else None

    def __call__(self, context, english):
        return self.messages.get((context, english), (english, False))[0] or english


def all_catalogues():
    return [Catalogue(p) for p in sorted(glob.glob(os.path.join(FOLDER, "wakeprober_*.ts")))]


class PhraseBook:
    """A language's terms, in Qt Linguist's phrase book: each phrase an English source,
    the language's term for it (the target) and a definition "CONCEPT: what it is",
    which may end in "(not: WORD, WORD)", words the catalogue never uses for it."""

    def __init__(self, path):
        root = ET.parse(path).getroot()
        self.language = root.get("language")
        self.phrases = [(p.findtext("source"), p.findtext("target"), p.findtext("definition"))
                        for p in root.iter("phrase")]

    def concepts(self):
        """concept -> (English sources, terms, words never used), from every phrase whose
        definition names the concept before its first colon."""
        found = {}
        for source, target, definition in self.phrases:
            concept = (definition or "").split(":")[0].strip()
            sources, targets, never = found.setdefault(concept, (set(), set(), set()))
            sources.add(source)
            targets.add(target)
            words = re.search(r"\(not: ([^)]*)\)\s*$", definition or "")
            if words:
                never.update(w.strip() for w in words.group(1).split(","))
        return found
