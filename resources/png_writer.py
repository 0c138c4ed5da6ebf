"""Minimal PNG encoder for the generated pictures (standard library only).

The output depends only on the pixel data, so regenerating a picture from the
same script gives byte-identical files.
"""

import struct
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"

COLOUR_PALETTE = 3
COLOUR_RGBA = 6


def chunk(kind: bytes, data: bytes) -> bytes:
    """One PNG chunk: length, type, data and the CRC over type and data."""
    crc = zlib.crc32(kind + data) & 0xFFFFFFFF
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)


def encode(width: int, height: int, colour_type: int, rows, palette=None) -> bytes:
    """Encodes 8-bit rows (each a bytes object without filter byte) as a PNG.

    With colour_type COLOUR_PALETTE, palette is a list of (r, g, b) tuples and
    every row byte is an index into it.
    """
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    raw = b"".join(b"\x00" + bytes(row) for row in rows)  # filter "none"
    out = [SIGNATURE, chunk(b"IHDR", header)]
    if colour_type == COLOUR_PALETTE:
        out.append(chunk(b"PLTE", b"".join(bytes(c) for c in palette)))
    out.append(chunk(b"IDAT", zlib.compress(raw, 9)))
    out.append(chunk(b"IEND", b""))
    return b"".join(out)


def write(path: str, data: bytes) -> None:
    with open(path, "wb") as f:
        f.write(data)
