"""The three Windows code pages (932, 936, 950) as Windows itself reads and writes them.

Python's codecs give the characters; two places where Windows differs are corrected here
(measured against Wine's tables, which are Windows'):
- code page 950 has no characters at C6A1-C7FC (Windows gives private-use code points there);
- where a character has two codes, Windows writes the one chosen below: in 932 the IBM
  extension code (FAxx-FCxx) rather than its NEC-selected duplicate (EDxx-EExx), in 950 the
  box-drawing codes F9E9-F9EB and F9F9 rather than A2A4-A2A7.
"""

import functools

CP950_NOT_CHARACTERS = range(0xC6A1, 0xC7FD)
CP950_WINDOWS_WRITES = {0x2550: 0xF9F9, 0x255E: 0xF9E9, 0x256A: 0xF9EA, 0x2561: 0xF9EB}

# Characters the three code pages give different code points for, taken as one character.
SAME_CHARACTER = [
    ("\u00B7", "\u30FB"),  # middle dot
    ("\u2014", "\u2015"),  # dash
    ("\u2016", "\u2225"),  # double vertical line
    ("\u301C", "\uFF5E"),  # wave dash
    ("\u2212", "\uFF0D"),  # minus
    ("\u00A2", "\uFFE0"),  # cent
    ("\u00A3", "\uFFE1"),  # pound
    ("\u00AC", "\uFFE2"),  # not
    ("\u2264", "\u2266"),  # less than or equal
    ("\u2265", "\u2267"),  # greater than or equal
]

_EQUIVALENT = {}
for _group in SAME_CHARACTER:
    for _c in _group:
        _EQUIVALENT[_c] = [o for o in _group if o != _c]


def equivalents(char):
    """Other code points that stand for the same character."""
    return _EQUIVALENT.get(char, [])


def decode(codepage, code):
    """The character of a double-byte code (lead * 256 + trail), or None."""
    if codepage == 950 and code in CP950_NOT_CHARACTERS:
        return None
    try:
        text = bytes([code >> 8, code & 0xFF]).decode("cp%d" % codepage)
    except UnicodeDecodeError:
        return None
    if len(text) != 1 or 0xE000 <= ord(text) <= 0xF8FF:
        return None  # user-defined areas hold no character of their own
    return text


@functools.lru_cache(maxsize=None)
def _codes_by_character(codepage):
    codes = {}
    for code in all_pairs(codepage):
        codes.setdefault(decode(codepage, code), []).append(code)
    codes.pop(None, None)
    return codes


def all_pairs(codepage):
    """Every double-byte code of the code page that holds a character, in code order."""
    return [c for c in range(0x8140, 0xFF00) if (c & 0xFF) >= 0x40 and decode(codepage, c)]


def encode(codepage, char):
    """The double-byte code Windows writes for a character, or None."""
    codes = _codes_by_character(codepage).get(char)
    if not codes:
        return None
    if codepage == 950 and ord(char) in CP950_WINDOWS_WRITES:
        return CP950_WINDOWS_WRITES[ord(char)]
    if codepage == 932:
        ibm = [c for c in codes if c >= 0xFA40]
        if ibm and any(0xED40 <= c <= 0xEEFC for c in codes):
            return ibm[0]
    try:
        text = char.encode("cp%d" % codepage)
    except UnicodeEncodeError:
        return codes[0]
    return text[0] * 256 + text[1] if len(text) == 2 else codes[0]


def is_gb_character(code):
    """A code with both bytes A1-FE that holds a character in 936: the GB2312 set and the few
    characters 936 adds in its rows (small roman numerals, vertical forms, pinyin letters)."""
    return 0xA1 <= code >> 8 <= 0xF7 and 0xA1 <= code & 0xFF <= 0xFE and bool(decode(936, code))


def is_hanzi(char):
    o = ord(char)
    return 0x3400 <= o <= 0x9FFF or 0xF900 <= o <= 0xFAFF or 0x20000 <= o <= 0x3FFFF


def codes_of(codepage, char):
    """Every double-byte code of a character, in code order."""
    return list(_codes_by_character(codepage).get(char, []))
