"""Simplified and traditional forms of characters, from OpenCC's character dictionaries (package
opencc for opencc_dict, libopencc1.1 for the dictionaries) and Unihan's variant fields (package
unicode-data)."""

import bz2
import os
import subprocess
import tempfile

OPENCC_DIR = "/usr/share/opencc"
UNIHAN_VARIANTS = "/usr/share/unicode/Unihan_Variants.txt.bz2"


def _opencc_dictionary(name):
    """Character -> its forms, most common first, from one OpenCC .ocd2 dictionary."""
    with tempfile.TemporaryDirectory() as folder:
        text = os.path.join(folder, name + ".txt")
        subprocess.run(["opencc_dict", "-i", os.path.join(OPENCC_DIR, name + ".ocd2"),
                        "-o", text, "-f", "ocd2", "-t", "text"], check=True,
                       stdout=subprocess.DEVNULL)
        forms = {}
        with open(text, encoding="utf-8") as lines:
            for line in lines:
                key, _, values = line.rstrip("\n").partition("\t")
                if len(key) == 1:
                    forms[key] = [v for v in values.split(" ") if len(v) == 1]
        return forms


def _unihan_field(field):
    forms = {}
    with bz2.open(UNIHAN_VARIANTS, "rt", encoding="utf-8") as lines:
        for line in lines:
            parts = line.rstrip("\n").split("\t")
            if len(parts) == 3 and parts[1] == field:
                char = chr(int(parts[0][2:], 16))
                forms[char] = [chr(int(v[2:].split("<")[0], 16)) for v in parts[2].split(" ")]
    return forms


class CScriptForms:
    def __init__(self):
        self._to_traditional = (_opencc_dictionary("STCharacters"),
                                _unihan_field("kTraditionalVariant"))
        self._to_simplified = (_opencc_dictionary("TSCharacters"),
                               _unihan_field("kSimplifiedVariant"))

    @staticmethod
    def _candidates(char, sources):
        seen = []
        for source in sources:
            for form in source.get(char, []):
                if form not in seen:
                    seen.append(form)
        return seen

    def traditional(self, char):
        """Traditional forms of a character, most common first (OpenCC, then Unihan)."""
        return self._candidates(char, self._to_traditional)

    def simplified(self, char):
        return self._candidates(char, self._to_simplified)

    def opencc_traditional(self, char):
        return self._to_traditional[0].get(char, [])

    def opencc_simplified(self, char):
        return self._to_simplified[0].get(char, [])
