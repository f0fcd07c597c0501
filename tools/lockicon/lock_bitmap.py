#!/usr/bin/env python3
"""Writes resources/LockIcon.bmp, the padlock drawn beside translation-locked sentences.

White is the transparent colour when the view draws it; the picture is 8 x 15 pixels.
Usage: lock_bitmap.py [output path]
"""
import struct
import sys
from pathlib import Path

PICTURE = [
    "..####..",
    ".#....#.",
    ".#....#.",
    ".#....#.",
    ".#....#.",
    ".#....#.",
    "########",
    "#YYYYYY#",
    "#YYYYYY#",
    "#YYkkYY#",
    "#YYkkYY#",
    "#YYYYYY#",
    "#YYYYYY#",
    "########",
    "........",
]
COLOURS = {".": (255, 255, 255), "#": (96, 64, 0), "Y": (232, 184, 24), "k": (40, 24, 0)}


def bitmap() -> bytes:
    width, height = len(PICTURE[0]), len(PICTURE)
    stride = (width * 3 + 3) & ~3
    rows = b""
    for line in reversed(PICTURE):  # bottom-up
        row = b"".join(bytes(reversed(COLOURS[c])) for c in line)  # BGR
        rows += row + b"\0" * (stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return header + info + rows


def main() -> None:
    root = Path(__file__).resolve().parents[2]
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else root / "resources" / "LockIcon.bmp"
    out.write_bytes(bitmap())


if __name__ == "__main__":
    main()
