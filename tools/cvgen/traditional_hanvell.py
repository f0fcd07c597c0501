"""Where the traditional Hanvell form puts each Big5 character in the Shift_JIS double-byte space.

The space has 11,280 codes and Big5 (code page 950) 13,503 characters, so:
1. A Big5 character that Shift_JIS (code page 932) also has keeps that Shift_JIS code (the one
   Windows writes, else another of its codes, else one of a same-character variant), so the
   file reads right as Shift_JIS wherever it can. Punctuation goes this way.
2. The others take the remaining codes in this order of characters: symbols, level-1 hanzi
   (A440-C67E), the other hanzi that are the traditional form of a GB2312 character, the rest of
   the hanzi; each group in Big5 order. Codes are handed out in this order: the user-defined
   area F040-F9FC (so that traditional Hanvell text shows itself by those leads), the other codes
   Shift_JIS leaves empty, then the codes of Shift_JIS characters that Big5 lacks; each in code
   order.
3. 81 AC stays the mark of a character without a code, and 98 73-9E stay empty as in the
   simplified form (Shift_JIS has nothing there); they hold no Big5 character.
Characters left over when the codes run out are not placed.
"""

import codepages
import shiftjis as sj

RESERVED = {sj.NO_HANVELL} | {0x9800 + t for t in range(0x73, 0x9F)}


class CTraditionalPlacement:
    def __init__(self, gb_to_big5):
        self.big5_to_hanvell = {}
        self.hanvell_to_big5 = {}
        self.kept_shift_jis_code = 0
        big5_codes = codepages.all_pairs(950)
        # Exact twins first, so that a variant never takes the code of a character Big5 has too.
        rest = [b for b in big5_codes if not self._keep_shift_jis_code(b, variants=False)]
        rest = [b for b in rest if not self._keep_shift_jis_code(b, variants=True)]
        self.kept_shift_jis_code = len(self.big5_to_hanvell)
        traditional_of_gb = {b for g, b in gb_to_big5.items() if b and codepages.is_gb_character(g)}
        rest.sort(key=lambda b: (self._group(b, traditional_of_gb), b))
        for big5, hanvell in zip(rest, self._free_codes()):
            self._place(big5, hanvell)
        self.unplaced = [b for b in big5_codes if b not in self.big5_to_hanvell]

    def _place(self, big5, hanvell):
        self.big5_to_hanvell[big5] = hanvell
        self.hanvell_to_big5[hanvell] = big5

    def _keep_shift_jis_code(self, big5, variants):
        char = codepages.decode(950, big5)
        if variants:
            candidates = [c for other in codepages.equivalents(char)
                          for c in codepages.codes_of(932, other)]
        else:
            preferred = codepages.encode(932, char)
            candidates = ([preferred] if preferred else []) + codepages.codes_of(932, char)
        for hanvell in candidates:
            if hanvell not in self.hanvell_to_big5 and hanvell not in RESERVED:
                self._place(big5, hanvell)
                return True
        return False

    @staticmethod
    def _group(big5, traditional_of_gb):
        if not codepages.is_hanzi(codepages.decode(950, big5)):
            return 0
        if 0xA440 <= big5 <= 0xC67E:
            return 1
        return 2 if big5 in traditional_of_gb else 3

    def _free_codes(self):
        taken = set(self.hanvell_to_big5) | RESERVED
        codes = [c for c in sj.all_pairs() if c not in taken]
        user_area = [c for c in codes if 0xF040 <= c <= 0xF9FC]
        empty = [c for c in codes if c not in user_area and not codepages.decode(932, c)]
        used = [c for c in codes if codepages.decode(932, c)]
        return user_area + empty + used
