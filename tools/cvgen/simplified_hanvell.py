"""The fixed rows and half-width tables of the simplified Hanvell form.

The simplified Hanvell form is GB2312 laid on the Shift_JIS double-byte space by arithmetic.
Punctuation rows cannot follow the arithmetic, since a Japanese reader of the file expects
Shift_JIS punctuation there; they go through fixed rows built here:
- towards GB2312 (rows A1-A3, A8, AD): each Hanvell code in those rows reads as the GB code of
  the same character (exact, else one of codepages.SAME_CHARACTER, else a code page 936
  extension code); the 43 cells of lead 87 hold the moved row-CF characters;
- towards Hanvell (rows A1-A3, A8, A9, F4-F7): each GB character takes, in this order of
  preference, a Shift_JIS code of the same character that reads back as it; its arithmetic
  code when Shift_JIS leaves that code empty; a spare code (empty in Shift_JIS) of the rows
  read through the fixed rows, in code order. Pinyin letters A8A1-A8BA become single bytes.
  Rows F4-F7 are the arithmetic five rows on (ED, EE), except the three codes that the reading
  rules take for something else, which get spare codes.
"""

import unicodedata

import codepages
import shiftjis as sj

UNKNOWN = 0x3F3F         # a target without equivalent
SINGLE = 0x20            # second byte of a single-byte target
# Row orders of the arrays, as document/HanvellFixedTables.h lists them.
TO_HANVELL_ROWS = [0xA1, 0xA2, 0xA3, 0xA8, 0xA9, 0xF4, 0xF5, 0xF6, 0xF7]
TO_GB_ROWS = [0xA1, 0xA2, 0xA3, 0xA8, 0xAD]
READ_AS_ANOTHER = {0xEEED: 0x8140, 0xEEEE: 0x8140, 0xEEF9: 0x81CA}
MOVED_ROW_START = 0xCFD4  # GB codes whose arithmetic code lies in 98 73-9E
HALFWIDTH_MARKS = {0xDE: "\u309B", 0xDF: "\u309C"}  # voiced and semi-voiced sound marks


def _gb_of_character(char):
    """GB code of a character: GB2312 exact, GB2312 by equivalence, code page 936, or None."""
    for candidate in [char] + codepages.equivalents(char):
        code = codepages.encode(936, candidate)
        if code and codepages.is_gb_character(code):
            return code
    for candidate in [char] + codepages.equivalents(char):
        code = codepages.encode(936, candidate)
        if code:
            return code
    return None


def _is_lead87_moved_cell(hanvell):
    return hanvell >> 8 == 0x87 and (hanvell & 0xFF) in sj.LEAD87_TRAILS


def _fixed_gb_row(hanvell):
    """The GB row whose fixed row reads a Hanvell code, or None for arithmetic rows."""
    if hanvell >> 8 >= 0xF0:
        return None
    row = sj.to_row_cell(hanvell)[0] + 0x80
    return row if row in TO_GB_ROWS else None


class CFixedTables:
    def __init__(self):
        self.to_gb = {row: [UNKNOWN] * 94 for row in TO_GB_ROWS}
        self.to_hanvell = {row: [UNKNOWN] * 94 for row in TO_HANVELL_ROWS}
        self._build_to_gb()
        self._build_to_hanvell()
        self.halfwidth_pairs = [self._halfwidth_pair(b) for b in range(0xA1, 0xA6)]
        self.halfwidth_singles = [self._halfwidth_single(b) for b in range(0xD9, 0xDE)]
        self.halfwidth_marks = [_gb_of_character(HALFWIDTH_MARKS[b]) or sj.NO_GB
                                for b in (0xDE, 0xDF)]

    def _set_to_gb(self, hanvell, gb):
        row, cell = sj.to_row_cell(hanvell)
        self.to_gb[row + 0x80][cell - 0x21] = gb

    def _get_to_gb(self, hanvell):
        row, cell = sj.to_row_cell(hanvell)
        return self.to_gb[row + 0x80][cell - 0x21]

    def _build_to_gb(self):
        for row in TO_GB_ROWS:
            for cell in range(0x21, 0x7F):
                hanvell = sj.from_row_cell(row - 0x80, cell)
                if _is_lead87_moved_cell(hanvell):
                    gb = MOVED_ROW_START + sj.LEAD87_TRAILS.index(hanvell & 0xFF)
                else:
                    char = codepages.decode(932, hanvell)
                    gb = _gb_of_character(char) if char else None
                self._set_to_gb(hanvell, gb or UNKNOWN)

    def _is_spare(self, hanvell):
        return (_fixed_gb_row(hanvell) is not None and not codepages.decode(932, hanvell)
                and not _is_lead87_moved_cell(hanvell) and self._get_to_gb(hanvell) == UNKNOWN)

    def _build_to_hanvell(self):
        pending = []
        for row in TO_HANVELL_ROWS:
            for cell in range(0xA1, 0xFF):
                gb = row * 256 + cell
                if codepages.is_gb_character(gb) and not self._place_directly(gb):
                    pending.append(gb)
        still = [gb for gb in pending if not self._place_at_own_code(gb)]
        spares = [c for c in sj.all_pairs() if self._is_spare(c)]
        for gb in still:
            if spares:
                self._place(gb, spares.pop(0))
                self._set_to_gb(self.target(gb), gb)

    def _place(self, gb, target):
        self.to_hanvell[gb >> 8][(gb & 0xFF) - 0xA1] = target

    def target(self, gb):
        return self.to_hanvell[gb >> 8][(gb & 0xFF) - 0xA1]

    def _place_directly(self, gb):
        """Pinyin letters, the arithmetic rows F4-F7, or a Shift_JIS code of the same character."""
        row, cell = gb >> 8, gb & 0xFF
        if row == 0xA8 and cell <= 0xB9:
            self._place(gb, (0xBF + cell - 0xA1) * 256 + SINGLE)
            return True
        if row == 0xA8 and cell == 0xBA:
            self._place(gb, 0xD8 * 256 + SINGLE)
            return True
        if row >= 0xF4:
            hanvell = sj.from_row_cell(row - 0x80 + 5, cell - 0x80)
            if hanvell in READ_AS_ANOTHER:
                return False
            self._place(gb, hanvell)
            return True
        char = codepages.decode(936, gb)
        for candidate in [char] + codepages.equivalents(char):
            for hanvell in codepages.codes_of(932, candidate):
                if _fixed_gb_row(hanvell) and self._get_to_gb(hanvell) == gb:
                    self._place(gb, hanvell)
                    return True
        return False

    def _place_at_own_code(self, gb):
        hanvell = sj.from_row_cell((gb >> 8) - 0x80, (gb & 0xFF) - 0x80)
        if _fixed_gb_row(hanvell) is None:
            if gb >> 8 >= 0xF4 or codepages.decode(932, hanvell):
                return False
            self._place(gb, hanvell)  # read back by the arithmetic
            return True
        if not self._is_spare(hanvell):
            return False
        self._place(gb, hanvell)
        self._set_to_gb(hanvell, gb)
        return True

    @staticmethod
    def _halfwidth_pair(byte):
        char = unicodedata.normalize("NFKC", bytes([byte]).decode("cp932"))
        return _gb_of_character(char) or sj.NO_GB

    @staticmethod
    def _halfwidth_single(byte):
        char = unicodedata.normalize("NFKC", bytes([byte]).decode("cp932"))
        return ord(char) if ord(char) < 0x80 else ord("?")
