# SPDX-License-Identifier: MIT
"""The translators' catalogues (translations/wakeprober_LANG.ts), as the tests read them."""
import glob
import os
import xml.etree.ElementTree as ET

FOLDER = os.path.join(os.path.dirname(__file__), "..", "translations")
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

    def __call__(self, context, english):
        return self.messages.get((context, english), (english, False))[0] or english


def all_catalogues():
    return [Catalogue(p) for p in sorted(glob.glob(os.path.join(FOLDER, "wakeprober_*.ts")))]
