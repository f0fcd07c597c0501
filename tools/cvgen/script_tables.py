"""Simplified/traditional tables at character level: code page 936 to 950 and back, and UTF-16
in both directions."""

import codepages

# Code page conversions try OpenCC's forms (most common first), then Unihan's, then the
# character itself, and take the first the target code page has. UTF-16 takes the first form
# within the 16-bit range, OpenCC's alone where it has any; Unihan's only when they do not count
# the character itself among its own forms (then the character is already in that script).


def _utf16_forms(char, opencc, all_forms):
    forms = list(opencc(char))
    if forms:
        return forms
    forms = all_forms(char)
    return [] if char in forms else forms


class CScriptTables:
    def __init__(self, script_forms):
        self._forms = script_forms
        self.gb_to_big5 = {}   # every 936 code -> 950 code or None
        self.big5_to_gb = {}   # every 950 code -> 936 code or None
        self.round_trip_overrides = []
        self._build_gb_to_big5()
        self._build_big5_to_gb()
        self.utf16_to_traditional = self._utf16_pairs(self._traditional_forms)
        self.utf16_to_simplified = self._utf16_pairs(self._simplified_forms)

    def _traditional_forms(self, char):
        return _utf16_forms(char, self._forms.opencc_traditional, self._forms.traditional)

    def _simplified_forms(self, char):
        return _utf16_forms(char, self._forms.opencc_simplified, self._forms.simplified)

    @staticmethod
    def _first_code(codepage, candidates, accept=lambda code: True):
        for candidate in candidates:
            code = codepages.encode(codepage, candidate)
            if code and accept(code):
                return code
        return None

    def _build_gb_to_big5(self):
        for gb in codepages.all_pairs(936):
            char = codepages.decode(936, gb)
            if codepages.is_hanzi(char):
                candidates = self._forms.traditional(char) + [char]
            else:
                candidates = [char] + codepages.equivalents(char)
            self.gb_to_big5[gb] = self._first_code(950, candidates)

    def _build_big5_to_gb(self):
        for big5 in codepages.all_pairs(950):
            char = codepages.decode(950, big5)
            if codepages.is_hanzi(char):
                candidates = self._forms.simplified(char) + [char]
            else:
                candidates = [char] + codepages.equivalents(char)
            self.big5_to_gb[big5] = (self._first_code(936, candidates, codepages.is_gb_character)
                                     or self._first_code(936, candidates))
        # Where exactly one GB character becomes a Big5 code, that code turns back into it.
        sources = {}
        for gb, big5 in self.gb_to_big5.items():
            if big5 and codepages.is_gb_character(gb):
                sources.setdefault(big5, []).append(gb)
        for big5, gbs in sorted(sources.items()):
            if len(gbs) == 1 and self.big5_to_gb[big5] != gbs[0]:
                self.round_trip_overrides.append((big5, self.big5_to_gb[big5], gbs[0]))
                self.big5_to_gb[big5] = gbs[0]

    @staticmethod
    def _utf16_pairs(forms_of):
        pairs = {}
        for code_point in range(0x3400, 0x10000):
            if 0xD800 <= code_point <= 0xF8FF:
                continue
            char = chr(code_point)
            forms = [f for f in forms_of(char) if ord(f) < 0x10000]
            if forms and forms[0] != char:
                pairs[code_point] = ord(forms[0])
        return pairs
