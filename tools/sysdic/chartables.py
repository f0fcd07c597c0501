"""Character tables: Japanese kanji to and from simplified and traditional Chinese characters, and
the three code pages the engines read and write."""

import csv
import os

HERE = os.path.dirname(os.path.abspath(__file__))

CODEPAGES = {932: "cp932", 936: "gbk", 950: "cp950"}


def encodable(ch, codec):
    try:
        ch.encode(codec)
        return True
    except UnicodeEncodeError:
        return False


def in_gb2312(ch):
    return encodable(ch, "gb2312")


def in_big5(ch):
    return encodable(ch, "cp950")


def in_shift_jis(ch):
    return encodable(ch, "cp932")


def is_han(ch):
    o = ord(ch)
    return 0x3400 <= o <= 0x9FFF or 0xF900 <= o <= 0xFAFF or o == 0x3005


def read_overrides(path=os.path.join(HERE, "kanji_overrides.tsv")):
    """Reviewed corrections: Japanese kanji, its traditional and its simplified character."""
    table = {}
    with open(path, encoding="utf-8") as f:
        for row in csv.reader(f, delimiter="\t"):
            if not row or row[0].startswith("#"):
                continue
            table[row[0]] = (row[1], row[2])
    return table


class CharTables:
    def __init__(self, opencc, unihan, overrides):
        self.jp_to_trad_oc = opencc["JPVariantsRev"]
        self.trad_to_jp_oc = opencc["JPVariants"]
        self.trad_to_simp_oc = opencc["TSCharacters"]
        self.simp_to_trad_oc = opencc["STCharacters"]
        self.unihan = unihan
        self.overrides = overrides
        self.unresolved = []

    def _variants(self, ch, fields):
        out = []
        for field in fields:
            out.extend(self.unihan.get((field, ch), []))
        return out

    def jp_to_trad(self, ch):
        if ch in self.overrides:
            return self.overrides[ch][0]
        candidates = list(self.jp_to_trad_oc.get(ch, [])) + [ch]
        candidates += self._variants(ch, ("kTraditionalVariant", "kZVariant", "kSemanticVariant"))
        for c in candidates:
            if in_big5(c):
                return c
        return ch

    def trad_to_simp(self, ch):
        candidates = list(self.trad_to_simp_oc.get(ch, [])) + [ch]
        candidates += self._variants(ch, ("kSimplifiedVariant", "kZVariant", "kSemanticVariant"))
        for c in candidates:
            if in_gb2312(c):
                return c
        return candidates[0]

    def jp_to_simp(self, ch):
        if ch in self.overrides:
            return self.overrides[ch][1]
        s = self.trad_to_simp(self.jp_to_trad(ch))
        if in_gb2312(s):
            return s
        for c in [ch] + self._variants(ch, ("kSimplifiedVariant", "kZVariant", "kSemanticVariant")):
            if in_gb2312(c):
                return c
        return s

    def trad_to_jp(self, ch):
        candidates = list(self.trad_to_jp_oc.get(ch, [])) + [ch]
        candidates += self._variants(ch, ("kZVariant", "kSemanticVariant", "kSimplifiedVariant"))
        for c in candidates:
            if in_shift_jis(c):
                return c
        return ch

    def simp_to_trad(self, ch):
        candidates = list(self.simp_to_trad_oc.get(ch, [])) + [ch]
        candidates += self._variants(ch, ("kTraditionalVariant",))
        for c in candidates:
            if in_big5(c):
                return c
        return candidates[0]

    def simp_to_jp(self, ch):
        jp = self.trad_to_jp(self.simp_to_trad(ch))
        if in_shift_jis(jp):
            return jp
        for c in [ch] + self._variants(ch, ("kTraditionalVariant", "kZVariant", "kSemanticVariant")):
            j = self.trad_to_jp(c)
            if in_shift_jis(j):
                return j
        return jp

    def word(self, text, convert):
        return "".join(convert(c) if is_han(c) else c for c in text)

    def reverse_overrides(self):
        """Chinese characters whose Japanese form the reviewed list gives."""
        simp, trad = {}, {}
        for jp, (t, s) in sorted(self.overrides.items()):
            trad.setdefault(t, jp)
            simp.setdefault(s, jp)
        return simp, trad


def japanese_kanji():
    """Every kanji of code page 932, in code order."""
    out = []
    for lead in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD)):
        for trail in range(0x40, 0xFD):
            try:
                ch = bytes([lead, trail]).decode("cp932")
            except UnicodeDecodeError:
                continue
            if is_han(ch) and ch not in out:
                out.append(ch)
    return out


def chinese_characters(codec):
    out = []
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            try:
                ch = bytes([lead, trail]).decode(codec)
            except UnicodeDecodeError:
                continue
            if is_han(ch):
                out.append(ch)
    return out


def build_conversion_maps(tables):
    """Six character maps, each a sorted list of (from, to) with from != to."""
    simp_rev, trad_rev = tables.reverse_overrides()
    maps = {"jp_simp": {}, "jp_trad": {}, "simp_jp": {}, "trad_jp": {}, "trad_simp": {},
            "simp_trad": {}}
    for ch in japanese_kanji():
        maps["jp_simp"][ch] = tables.jp_to_simp(ch)
        maps["jp_trad"][ch] = tables.jp_to_trad(ch)
    for ch in chinese_characters("gbk"):
        maps["simp_jp"][ch] = simp_rev.get(ch) or tables.simp_to_jp(ch)
        maps["simp_trad"][ch] = tables.simp_to_trad(ch)
    for ch in chinese_characters("cp950"):
        maps["trad_jp"][ch] = trad_rev.get(ch) or tables.trad_to_jp(ch)
        maps["trad_simp"][ch] = tables.trad_to_simp(ch)
    return {name: sorted((a, b) for a, b in m.items() if a != b and len(b) == 1 and ord(b) < 0x10000)
            for name, m in maps.items()}


def codepage_tables(cp):
    """Single-byte map (256 entries, 0 = none), the lead bytes and the double-byte map, and the
    encoder's pairs (code point, bytes) as the code page itself encodes."""
    codec = CODEPAGES[cp]
    single = [0] * 256
    leads = []
    for b in range(256):
        try:
            ch = bytes([b]).decode(codec)
            if len(ch) == 1:
                single[b] = ord(ch)
        except UnicodeDecodeError:
            pass
    double = {}
    for lead in range(0x81, 0xFF):
        row = {}
        for trail in range(0x40, 0xFF):
            try:
                ch = bytes([lead, trail]).decode(codec)
            except UnicodeDecodeError:
                continue
            if len(ch) == 1 and ord(ch) < 0x10000:
                row[trail] = ord(ch)
        if row:
            leads.append(lead)
            double[lead] = row
    encode = {}
    for b, u in enumerate(single):
        if u:
            encode.setdefault(u, b)
    codes_of = {}
    for lead, row in double.items():
        for trail, u in row.items():
            codes_of.setdefault(u, []).append(lead << 8 | trail)
    for u, codes in codes_of.items():
        if u in encode:
            continue
        code = int.from_bytes(chr(u).encode(codec), "big")
        # Where a character has two codes, Windows writes the IBM extension (FA-FC) rather
        # than the NEC-selected copy (ED-EE) in 932, and four box-drawing characters with
        # their F9 codes in 950.
        if cp == 932 and len(codes) > 1 and 0xED00 <= code < 0xEF00:
            code = max(codes)
        if cp == 950 and len(codes) > 1 and u in (0x2550, 0x255E, 0x2561, 0x256A):
            code = max(codes)
        encode[u] = code
    return single, leads, double, sorted(encode.items())
