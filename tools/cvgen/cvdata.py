"""The row-block layout of the editor's CVDATA resources.

A row: a 6-byte label (four uppercase hexadecimal digits: the lead byte and the first trail
byte of the row's first block, then CR LF), then its blocks; a block is 16 two-byte target codes
for 16 consecutive trail bytes, then CR LF. A target whose first byte is 3F ("?") has no
equivalent.
"""

UNKNOWN = b"??"


class CLayout:
    def __init__(self, name, leads, block_starts):
        self.name = name
        self.leads = list(leads)
        self.block_starts = list(block_starts)

    @property
    def row_size(self):
        return 6 + 34 * len(self.block_starts)

    @property
    def size(self):
        return self.row_size * len(self.leads)

    def build(self, target_of):
        """target_of(code) gives the target code or None."""
        out = bytearray()
        for lead in self.leads:
            out += b"%02X%02X\r\n" % (lead, self.block_starts[0])
            for start in self.block_starts:
                for trail in range(start, start + 16):
                    target = target_of(lead * 256 + trail)
                    out += bytes([target >> 8, target & 0xFF]) if target else UNKNOWN
                out += b"\r\n"
        assert len(out) == self.size
        return bytes(out)


BIG5_TO_HANVELL = CLayout("BIG5-HVH", range(0xA1, 0xFA),
                          [0x40, 0x50, 0x60, 0x70, 0xA0, 0xB0, 0xC0, 0xD0, 0xE0, 0xF0])
HANVELL_TO_BIG5 = CLayout("HVH-BIG5", list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD)),
                          range(0x40, 0x100, 0x10))
GB_TO_BIG5 = CLayout("GB-BIG5", range(0xA1, 0xFF), range(0xA0, 0x100, 0x10))
