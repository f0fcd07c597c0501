"""The engines' file layout: a 32-byte header, a section table and the sections, little-endian.

Header: 4 bytes "TWXL", 4 bytes file kind, version, section count, payload size, CRC-32 of the
payload, set stamp (equal in every file of one set), zero. Each section-table row: identifier,
offset from the payload start, size. The engine reads exactly this (outside/transfer/DataFile.h)."""

import struct
import zlib

VERSION = 1


def pack_sections(kind, sections, stamp):
    """sections: list of (identifier, bytes); each is aligned to 4 bytes."""
    table = b""
    payload = b""
    for ident, data in sections:
        while len(payload) % 4:
            payload += b"\0"
        table += struct.pack("<III", ident, len(payload), len(data))
        payload += data
    while len(payload) % 4:
        payload += b"\0"
    body = table + payload
    header = b"TWXL" + kind.encode("ascii") + struct.pack(
        "<IIIIII", VERSION, len(sections), len(body), zlib.crc32(body) & 0xFFFFFFFF, stamp, 0)
    assert len(header) == 32
    return header + body


class StringPool:
    """UTF-16 code units, each distinct string stored once."""

    def __init__(self):
        self.units = []
        self.index = {}

    def add(self, text):
        if text in self.index:
            return self.index[text]
        encoded = text.encode("utf-16-le")
        offset = len(self.units)
        self.units.extend(struct.unpack("<%dH" % (len(encoded) // 2), encoded))
        self.index[text] = offset
        return offset

    def data(self):
        return struct.pack("<%dH" % len(self.units), *self.units)


def utf16_key(text):
    """Sort key that matches the engine's comparison of UTF-16 code units."""
    return text.encode("utf-16-be")
