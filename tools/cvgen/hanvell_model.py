"""The editor's pair conversions of the simplified Hanvell form, applied here to the tables being
generated so that the generator can check their round trip before writing them."""

import shiftjis as sj


def hanvell_to_gb(tables, code):
    if code == 0xF282:
        return 0xE946
    if code >> 8 >= 0xF0:
        code = sj.read_extension_code(code)
    if code in (0xEEED, 0xEEEE):
        code = 0x8140
    elif code == 0xEEF9:
        code = 0x81CA
    row, cell = sj.to_row_cell(code)
    if row >= 0x79:
        row -= 5
    gb_row = row + 0x80
    if gb_row in tables.to_gb:
        replacement = tables.to_gb[gb_row][cell - 0x21]
        return sj.NO_GB if replacement >> 8 == 0x3F else replacement
    return gb_row * 256 + cell + 0x80


def gb_to_hanvell(tables, code):
    """A Hanvell pair, or a single byte as (byte << 8) | 0x20."""
    if code == 0xE946:
        return 0xF282
    lead, trail = code >> 8, code & 0xFF
    if lead < 0xA1 or trail < 0xA1:
        return sj.GB_EXTENSION_PAIRS.get(code, sj.NO_HANVELL)
    if trail == 0xFF or lead >= 0xF8:
        return sj.NO_HANVELL
    if lead in tables.to_hanvell:
        target = tables.to_hanvell[lead][trail - 0xA1]
        return sj.NO_HANVELL if target >> 8 == 0x3F else target
    return sj.moved_from_row_98(sj.from_row_cell(lead - 0x80, trail - 0x80))

