"""Reads the title bar that the program draws on Wayland off the screen, as a person sees it:
the X display behind weston keeps its screen in a file (Xvfb -fbdir, in XWD format), and
weston's output window shows what the compositor put together. The layout mirrors
winsys/caption_strip.cpp: the system-menu icon at the left, the title after it, one close
button at the right, and a line below that parts the strip from the window's contents.
"""

import os
import struct
import subprocess
import zlib

# The active window's strip takes the classic look's selection colours.
ACTIVE_FACE = (0, 0, 128)
BUTTON_FACE = (192, 192, 192)
ICON_SIZE = 16
EDGE = 2
GAP = 4
# Blank columns between two words of the bold title; the letters of a word stand closer.
WORD_GAP = 3
# Where the title's letters are: the white text on the dark face, its smoothed edges included.
INK_RED = 96


class Screen:
    """One look at the X screen, in the coordinates of weston's output."""

    def __init__(self, framebuffer, origin):
        with open(framebuffer, "rb") as screen_file:
            data = screen_file.read()
        header = struct.unpack(">25I", data[:100])
        header_size, depth, self.width, self.height = header[0], header[3], header[4], header[5]
        byte_order, bits_per_pixel, self.bytes_per_line = header[7], header[11], header[12]
        red_mask, colour_count = header[14], header[19]
        if (depth, bits_per_pixel, byte_order, red_mask) != (24, 32, 0, 0xFF0000):
            raise ValueError(f"the X screen is not 24-bit BGRX: {header}")
        self.pixels = data[header_size + 12 * colour_count:]
        self.origin = origin

    def pixel(self, x, y):
        offset = (y + self.origin[1]) * self.bytes_per_line + (x + self.origin[0]) * 4
        blue, green, red = self.pixels[offset:offset + 3]
        return red, green, blue

    def row(self, y, width):
        start = (y + self.origin[1]) * self.bytes_per_line + self.origin[0] * 4
        return self.pixels[start:start + 4 * width]

    def save_png(self, path, width, height):
        """The output's width x height pixels as an RGB PNG, for a person to look at."""
        rows = bytearray()
        for y in range(height):
            bgrx = self.row(y, width)
            rgb = bytearray(3 * width)
            rgb[0::3], rgb[1::3], rgb[2::3] = bgrx[2::4], bgrx[1::4], bgrx[0::4]
            rows += b"\0" + rgb

        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body
                    + struct.pack(">I", zlib.crc32(kind + body)))

        with open(path, "wb") as png:
            png.write(b"\x89PNG\r\n\x1a\n"
                      + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                      + chunk(b"IDAT", zlib.compress(bytes(rows)))
                      + chunk(b"IEND", b""))


def look(output_window):
    """The screen now, with the place of weston's output window on it."""
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", output_window],
                              check=True, capture_output=True, text=True).stdout
    values = dict(line.split("=", 1) for line in geometry.split())
    return Screen(os.path.join(os.environ["QUILLET_XVFB_SCREEN_DIR"], "Xvfb_screen0"),
                  (int(values["X"]), int(values["Y"])))


class TitleBar:
    """An active window's strip found on the screen, with what it shows."""

    def __init__(self, screen, left, top, width):
        self.screen, self.left, self.top, self.width = screen, left, top, width
        height = 1
        while screen.pixel(left, top + height) == ACTIVE_FACE:
            height += 1
        # The line below the face belongs to the strip.
        self.height = height + 1
        self.button_height = self.height - 1 - 2 * EDGE
        self.button_width = self.button_height + 2

    def icon_centre(self):
        return (self.left + EDGE + ICON_SIZE // 2, self.top + (self.height - 1) // 2)

    def close_centre(self):
        return (self.left + self.width - EDGE - self.button_width // 2,
                self.top + EDGE + self.button_height // 2)

    def icon_shown(self):
        x, y = self.icon_centre()
        return any(self.screen.pixel(x + dx, y + dy) != ACTIVE_FACE
                   for dx in range(-ICON_SIZE // 2, ICON_SIZE // 2)
                   for dy in range(-ICON_SIZE // 2, ICON_SIZE // 2))

    def close_button_shown(self):
        """The button's face, with the dark strokes of its cross on it."""
        x, y = self.close_centre()
        colours = [self.screen.pixel(x + dx, y + dy) for dx in range(-4, 5) for dy in range(-4, 5)]
        return (colours.count(BUTTON_FACE) > 20
                and any(max(colour) < 100 for colour in colours))

    def title_columns(self, has_icon):
        """The title's room, from after the icon to before the close button, as a list of
        columns, each the tuple of rows (from the strip's top) that hold ink."""
        first = self.left + (EDGE + ICON_SIZE + GAP if has_icon else GAP)
        last = self.left + self.width - EDGE - self.button_width - GAP
        return [tuple(y for y in range(self.height - 1)
                      if self.screen.pixel(x, self.top + y)[0] >= INK_RED)
                for x in range(first, last)]


def words(columns):
    """The columns of each word of a title, split where WORD_GAP blank columns or more stand."""
    found, current, blanks = [], [], 0
    for column in columns:
        if column:
            if current and blanks >= WORD_GAP:
                found.append(current)
                current = []
            elif current:
                current.extend([()] * blanks)
            current.append(column)
            blanks = 0
        else:
            blanks += 1
    if current:
        found.append(current)
    return found


def blank_after_title(columns):
    return len(columns) - max((i + 1 for i, column in enumerate(columns) if column), default=0)


def find_title_bar(screen, width):
    """The active window's strip: a run of exactly `width` pixels of the active face, the
    window's width, as the strip's two top rows are, with a close button at its right end
    (which a selected list entry of that width lacks); None while the screen shows none."""
    face = bytes((ACTIVE_FACE[2], ACTIVE_FACE[1], ACTIVE_FACE[0]))
    output_width = screen.width - screen.origin[0]
    for y in range(screen.height - screen.origin[1] - 2):
        row = screen.row(y, output_width)
        start = 0
        while True:
            found = row.find(face, start)
            if found < 0:
                break
            if found % 4:
                start = found + 1
                continue
            x = found // 4
            run = x
            while run < output_width and row[4 * run:4 * run + 3] == face:
                run += 1
            below = screen.row(y + 1, output_width)
            if run - x == width and below[4 * x:4 * run] == row[4 * x:4 * run]:
                bar = TitleBar(screen, x, y, width)
                if bar.close_button_shown():
                    return bar
            start = 4 * run
    return None
