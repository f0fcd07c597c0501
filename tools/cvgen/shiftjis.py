"""Shift_JIS arithmetic and the fixed rules of the simplified Hanvell form, as the editor applies
them at run time (document/HanvellCodes.cpp holds the same rules in C++)."""


def to_row_cell(code):
    """JIS X 0208 row and cell bytes (21-7E) of a Shift_JIS pair, by the published formula."""
    lead, trail = code >> 8, code & 0xFF
    base = (lead - (0x70 if lead <= 0x9F else 0xB0)) * 2
    if trail < 0x9F:
        return base - 1, trail - 0x1F - (1 if trail > 0x7F else 0)
    return base, trail - 0x7E


def from_row_cell(row, cell):
    """Shift_JIS pair of JIS X 0208 row and cell bytes."""
    lead = ((row + 1) >> 1) + (0x70 if row <= 0x5E else 0xB0)
    if row & 1:
        trail = cell + 0x1F + (1 if cell >= 0x60 else 0)
    else:
        trail = cell + 0x7E
    return lead * 256 + trail


def is_pair(code):
    lead, trail = code >> 8, code & 0xFF
    return (0x81 <= lead <= 0x9F or 0xE0 <= lead <= 0xFC) and 0x40 <= trail <= 0xFC and trail != 0x7F


def all_pairs():
    return [c for c in range(0x8140, 0xFD00) if is_pair(c)]


# Code page 932 extension codes above F0, read as the codes they duplicate.
EXTENSION_RANGES = [
    (0xFA40, 0xFA49, 0xEEEF), (0xFA4A, 0xFA53, 0x8754), (0xFA54, 0xFA57, 0xEEF9),
    (0xFA58, 0xFA58, 0x878A), (0xFA59, 0xFA59, 0x8782), (0xFA5A, 0xFA5A, 0x8784),
    (0xFA5B, 0xFA5B, 0x879A), (0xFA5C, 0xFA7E, 0xED40), (0xFA80, 0xFA9B, 0xED63),
    (0xFA9C, 0xFAFC, 0xED80), (0xFB40, 0xFB5B, 0xEDE1), (0xFB5C, 0xFB7E, 0xEE40),
    (0xFB80, 0xFB9B, 0xEE63), (0xFB9C, 0xFBFC, 0xEE80), (0xFC40, 0xFC4B, 0xEEE1),
]

# Trail bytes under lead 87 that hold the codes 98 73 to 98 9E, in order.
LEAD87_TRAILS = (list(range(0x4A, 0x54)) + list(range(0x5F, 0x6F)) + [0x7E] +
                 list(range(0x80, 0x8A)) + list(range(0x8B, 0x90)) + [0x93])
assert len(LEAD87_TRAILS) == 43

# Characters outside the GB2312 rows that still have a simplified Hanvell code.
GB_EXTENSION_PAIRS = {0xA96F: 0x8143, 0xA981: 0x815D, 0xA996: 0x815A, 0xA844: 0x815C,
                      0xA3A0: 0x8140, 0xA955: 0x8146, 0xA960: 0x815B}

NO_HANVELL = 0x81AC  # the geta mark: a character without a Hanvell code
NO_GB = 0xA1FE       # the same mark in GB2312


def moved_from_row_98(code):
    """The lead-87 code of a formula result in 98 73-9E, or the code itself."""
    if code >> 8 == 0x98 and 0x73 <= code & 0xFF <= 0x9E:
        return 0x8700 + LEAD87_TRAILS[(code & 0xFF) - 0x73 - (1 if code & 0xFF > 0x7F else 0)]
    return code


def read_extension_code(code):
    """A pair with lead F0 or above, as the code it stands for (81 40 when none)."""
    for first, last, target in EXTENSION_RANGES:
        if first <= code <= last:
            return target + (code - first)
    return 0x8140
