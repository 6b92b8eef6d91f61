#!/usr/bin/env python3
"""Draws the program's icon and bitmaps and writes them as the files the build embeds
(res/images/) and the desktop icons that get installed (desktop/icons/).

    python3 res/tools/generate_images.py               # rewrite the committed files
    python3 res/tools/generate_images.py --out DIR     # write them under DIR instead
    python3 res/tools/generate_images.py --preview DIR # also write 8x enlarged PNGs to DIR
"""

import argparse
import pathlib
import sys

# Running the generator leaves no compiled caches in the source tree.
sys.dont_write_bytecode = True

import glyphs  # noqa: E402
import image_files  # noqa: E402

# The 16 colours of the classic system palette, in their usual order.
PALETTE = (
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
)
BLACK, NAVY, LIGHT_GREY, YELLOW = 0, 4, 7, 11

PREVIEW_SCALE = 8

# The desktop icons are named after the application id, in the hicolor theme.
APP_ID = "org.quillet.Quillet"
HICOLOR = "desktop/icons/hicolor"

# Each desktop icon size is drawn from the icon picture that fills it with whole pixels, so
# that every pixel of the original becomes a sharp square (48 is the 16-pixel picture three
# times over, the others the 32-pixel picture).
DESKTOP_ICON_SOURCES = {16: (16, 1), 32: (32, 1), 48: (16, 3), 64: (32, 2), 128: (32, 4),
                        256: (32, 8)}


class Canvas:
    """A picture being drawn: background everywhere until masks are stamped onto it."""

    def __init__(self, width, height, background):
        self.background = background
        self.rows = [[background] * width for _ in range(height)]

    def stamp(self, mask, left, top, ink):
        fits_across = 0 <= left and left + mask_width(mask) <= len(self.rows[0])
        fits_down = 0 <= top and top + len(mask) <= len(self.rows)
        if not (fits_across and fits_down):
            raise ValueError(f"a {mask_width(mask)}x{len(mask)} mask at ({left}, {top}) leaves "
                             "the picture")
        for y, line in enumerate(mask):
            for x, mark in enumerate(line):
                if mark == "#":
                    self.rows[top + y][left + x] = ink
        return self

    def centred_vertically(self):
        """The rows moved up or down so that the clear rows above and below the drawing differ
        by at most one, the spare one going below."""
        inked = [y for y, row in enumerate(self.rows) if any(c != self.background for c in row)]
        clear = len(self.rows) - (inked[-1] - inked[0] + 1)
        shift = clear // 2 - inked[0]
        blank = [self.background] * len(self.rows[0])
        return [self.rows[y - shift] if 0 <= y - shift < len(self.rows) else list(blank)
                for y in range(len(self.rows))]


def mask_width(mask):
    return len(mask[0])


# Drawings start at this row and are then centred vertically in their bitmaps.
DRAWING_TOP = 8
# The plus sign follows the letter, centred on the letter's x-height.
PLUS_LEFT = 13
PLUS_TOP = DRAWING_TOP + (len(glyphs.DOTLESS_I) - len(glyphs.PLUS)) // 2


def hatted(canvas, letter, left, stem_right):
    """Stamps a letter under a circumflex that is centred over the letter's stem (whose right
    edge is at column stem_right of the letter), with one clear row between them."""
    hat_left = left + stem_right - 1 - mask_width(glyphs.CIRCUMFLEX) // 2
    hat_top = DRAWING_TOP - len(glyphs.CIRCUMFLEX) - 1
    return canvas.stamp(glyphs.CIRCUMFLEX, hat_left, hat_top, BLACK).stamp(
        letter, left, DRAWING_TOP, BLACK)


def j_hat(with_plus):
    canvas = hatted(Canvas(24, 25, LIGHT_GREY), glyphs.DOTLESS_J, 3, 5)
    if with_plus:
        canvas.stamp(glyphs.PLUS, PLUS_LEFT, PLUS_TOP, BLACK)
    return canvas.centred_vertically()


def i_hat_plus():
    canvas = hatted(Canvas(25, 23, LIGHT_GREY), glyphs.DOTLESS_I, 5, 2)
    return canvas.stamp(glyphs.PLUS, PLUS_LEFT, PLUS_TOP, BLACK).centred_vertically()


def k_hat():
    return hatted(Canvas(24, 25, LIGHT_GREY), glyphs.K, 7, 1).centred_vertically()


def arrow_letter_equals(capital):
    """A capital under a right-pointing arrow, followed by an equals sign centred on it."""
    canvas = Canvas(24, 25, LIGHT_GREY)
    arrow_top = DRAWING_TOP - len(glyphs.RIGHT_ARROW) - 1
    canvas.stamp(glyphs.RIGHT_ARROW, 1, arrow_top, BLACK).stamp(capital, 1, DRAWING_TOP, BLACK)
    equals_top = DRAWING_TOP + (len(capital) - len(glyphs.EQUALS)) // 2
    return canvas.stamp(glyphs.EQUALS, 14, equals_top, BLACK).centred_vertically()


def icon(mask):
    return Canvas(len(mask), len(mask), NAVY).stamp(mask, 0, 0, YELLOW).rows


def bitmaps():
    """The bitmaps by resource number."""
    return {
        130: j_hat(with_plus=True),
        133: i_hat_plus(),
        135: j_hat(with_plus=False),
        136: arrow_letter_equals(glyphs.CAPITAL_X),
        139: arrow_letter_equals(glyphs.CAPITAL_Y),
        140: i_hat_plus(),
        141: k_hat(),
    }


def output_files():
    """Every generated file, by path relative to the repository, with its bytes."""
    icon_32, icon_16 = icon(glyphs.ICON_32), icon(glyphs.ICON_16)
    files = {"res/images/icon_128.ico": image_files.ico_bytes([icon_32, icon_16], PALETTE)}
    for number, picture in bitmaps().items():
        files[f"res/images/bitmap_{number}.bmp"] = image_files.bmp_bytes(picture, PALETTE)
    pictures = {16: icon_16, 32: icon_32}
    for size, (source, scale) in DESKTOP_ICON_SOURCES.items():
        files[f"{HICOLOR}/{size}x{size}/apps/{APP_ID}.png"] = image_files.png_bytes(
            pictures[source], PALETTE, scale)
    files[f"{HICOLOR}/scalable/apps/{APP_ID}.svg"] = image_files.svg_bytes(icon_32, PALETTE)
    return files


def previews():
    """Enlarged previews by file name, for looking at the pixels."""
    pictures = {"icon_128_32": icon(glyphs.ICON_32), "icon_128_16": icon(glyphs.ICON_16)}
    pictures.update({f"bitmap_{number}": picture for number, picture in bitmaps().items()})
    return {f"{name}.png": image_files.png_bytes(picture, PALETTE, PREVIEW_SCALE)
            for name, picture in pictures.items()}


def write_all(directory, files):
    for relative, data in files.items():
        path = directory / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)


def main(arguments):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    repository = pathlib.Path(__file__).resolve().parents[2]
    parser.add_argument("--out", type=pathlib.Path, default=repository,
                        help="the folder that receives res/images/ and desktop/icons/")
    parser.add_argument("--preview", type=pathlib.Path, help="folder for 8x enlarged PNGs")
    options = parser.parse_args(arguments)
    write_all(options.out, output_files())
    if options.preview:
        write_all(options.preview, previews())


if __name__ == "__main__":
    main(sys.argv[1:])
