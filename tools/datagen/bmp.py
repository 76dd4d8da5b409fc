"""Writes cairo surfaces as Windows BMP files (24 bits, bottom-up), the format
the game reads its pictures in."""
import struct

import cairo


def surface_to_bmp_bytes(surface):
    surface.flush()
    w, h = surface.get_width(), surface.get_height()
    stride = surface.get_stride()
    data = bytes(surface.get_data())
    row_bytes = (w * 3 + 3) & ~3
    pad = bytes(row_bytes - w * 3)
    rows = []
    for y in range(h - 1, -1, -1):
        src = data[y * stride:y * stride + w * 4]
        row = bytearray(w * 3)
        row[0::3] = src[0::4]
        row[1::3] = src[1::4]
        row[2::3] = src[2::4]
        rows.append(bytes(row) + pad)
    pixels = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def write_bmp(surface, path):
    with open(path, "wb") as f:
        f.write(surface_to_bmp_bytes(surface))


def new_surface(w, h):
    """An opaque RGB surface and a context on it."""
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)
    return surface, cairo.Context(surface)
