"""Byte-exact writers for the picture formats the program ships: 16-colour BMP and ICO, 8-bit
RGB PNG for the desktop icons and the enlarged previews, and SVG for the scalable icon.

A picture is a list of rows, top row first, each row a list of indices into a 16-colour
palette of (red, green, blue) triples.
"""

import struct
import zlib

BITMAP_INFO_HEADER_SIZE = 40
PALETTE_SIZE = 16 * 4


def _padded_to_four(data):
    return data + b"\0" * (-len(data) % 4)


def _packed_nibbles(row):
    """One row at 4 bits per pixel, high nibble first, padded to a 4-byte boundary."""
    values = list(row) + [0] * (len(row) % 2)
    packed = bytes((values[i] << 4) | values[i + 1] for i in range(0, len(values), 2))
    return _padded_to_four(packed)


def _bitmap_info(width, height, stored_height, pixel_bytes):
    return struct.pack("<IiiHHIIiiII", BITMAP_INFO_HEADER_SIZE, width, stored_height, 1, 4, 0,
                       pixel_bytes, 0, 0, 16, 0)


def _palette_bytes(palette):
    # Device-independent bitmaps store each palette entry as blue, green, red, reserved.
    return b"".join(struct.pack("<BBBB", blue, green, red, 0) for red, green, blue in palette)


def _dib_pixels(picture):
    # Device-independent bitmaps store their rows bottom-up.
    return b"".join(_packed_nibbles(row) for row in reversed(picture))


def bmp_bytes(picture, palette):
    """A 16-colour uncompressed Windows bitmap file."""
    width, height = len(picture[0]), len(picture)
    pixels = _dib_pixels(picture)
    offset = 14 + BITMAP_INFO_HEADER_SIZE + PALETTE_SIZE
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return (file_header + _bitmap_info(width, height, height, len(pixels)) +
            _palette_bytes(palette) + pixels)


def _icon_image(picture, palette):
    """One icon image: the colour bitmap followed by an all-clear AND mask, so that every pixel
    is opaque. The header height counts both bitmaps, as icon files require."""
    width, height = len(picture[0]), len(picture)
    colour = _dib_pixels(picture)
    mask = _padded_to_four(b"\0" * ((width + 7) // 8)) * height
    return (_bitmap_info(width, height, 2 * height, len(colour) + len(mask)) +
            _palette_bytes(palette) + colour + mask)


def ico_bytes(pictures, palette):
    """A Windows icon file holding one 16-colour image per picture, in the order given."""
    images = [_icon_image(picture, palette) for picture in pictures]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for picture, image in zip(pictures, images):
        width, height = len(picture[0]), len(picture)
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 16, 0, 1, 4, len(image),
                                 offset)
        offset += len(image)
    return directory + b"".join(images)


def _png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data +
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png_bytes(picture, palette, scale=1):
    """An 8-bit RGB PNG of the picture, each pixel drawn as a scale-by-scale square."""
    width, height = len(picture[0]) * scale, len(picture) * scale
    rows = []
    for row in picture:
        line = b"".join(bytes(palette[index]) * scale for index in row)
        rows.extend([b"\0" + line] * scale)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _png_chunk(b"IHDR", header) +
            _png_chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + _png_chunk(b"IEND", b""))


def _hex_colour(colour):
    return "#%02x%02x%02x" % colour


def svg_bytes(picture, palette):
    """A scalable picture that draws every pixel as a square, so that it stays as crisp as the
    pixel art at any size. The most common colour fills the background; each horizontal run
    of another colour is one rectangle."""
    width, height = len(picture[0]), len(picture)
    counts = {}
    for row in picture:
        for index in row:
            counts[index] = counts.get(index, 0) + 1
    background = max(counts, key=counts.get)
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
        f'viewBox="0 0 {width} {height}" shape-rendering="crispEdges">',
        f'  <rect width="{width}" height="{height}" fill="{_hex_colour(palette[background])}"/>',
    ]
    for y, row in enumerate(picture):
        x = 0
        while x < width:
            run = 1
            while x + run < width and row[x + run] == row[x]:
                run += 1
            if row[x] != background:
                lines.append(f'  <rect x="{x}" y="{y}" width="{run}" height="1" '
                             f'fill="{_hex_colour(palette[row[x]])}"/>')
            x += run
    lines.append("</svg>")
    return ("\n".join(lines) + "\n").encode("ascii")
