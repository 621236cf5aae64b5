#!/usr/bin/python3
"""Draws the window-layer tests' pictures beside this script.

Each picture is made to show a fault: the band changes colour along both axes,
so a picture drawn at the wrong offset shows other pixels; the badge has
half-transparent pixels, which must come out premultiplied; the track has
transparent rows around an opaque bar; each size in the icon file has its own
colour, so the image chosen can be told from the icon made of it. Run from
anywhere:

    /usr/bin/python3 tests/framework_windows/pictures/draw.py

Needs python3-pil.
"""
import os
import struct

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
S = 4  # supersampling factor, for smooth (half-transparent) edges

ICON_COLOURS = {48: (200, 40, 40), 32: (40, 160, 60), 16: (40, 80, 200)}


def path(name):
    return os.path.join(HERE, name)


def band():
    """JPEG 640 × 40: red grows by 5 a pixel to the right (wrapping), green by 6 downwards."""
    img = Image.new("RGB", (640, 40))
    px = img.load()
    for y in range(40):
        for x in range(640):
            px[x, y] = (x * 5 % 256, y * 6, 90)
    img.save(path("band.jpg"), format="JPEG", quality=95, subsampling=0, optimize=True)


def badge(name, body):
    """PNG 120 × 46: a rounded body with smooth edges and a half-transparent stripe."""
    img = Image.new("RGBA", (120 * S, 46 * S), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([4 * S, 4 * S, 116 * S, 42 * S], radius=12 * S, fill=body + (255,))
    img = img.resize((120, 46), Image.LANCZOS)
    stripe = Image.new("RGBA", (120, 46), (0, 0, 0, 0))
    ImageDraw.Draw(stripe).rectangle([0, 0, 119, 3], fill=(250, 220, 120, 128))
    img.alpha_composite(stripe)
    img.save(path(name), optimize=True)


def track(name, colour):
    """PNG 200 × 11: rows 3 to 7 an opaque bar, the rows around it transparent."""
    img = Image.new("RGBA", (200, 11), (0, 0, 0, 0))
    ImageDraw.Draw(img).rectangle([0, 3, 199, 7], fill=colour + (255,))
    img.save(path(name), optimize=True)


def thumb():
    """PNG 11 × 11: a round thumb."""
    img = Image.new("RGBA", (11 * S, 11 * S), (0, 0, 0, 0))
    ImageDraw.Draw(img).ellipse([0, 0, 11 * S - 1, 11 * S - 1], fill=(235, 235, 235, 255))
    img.resize((11, 11), Image.LANCZOS).save(path("thumb.png"), optimize=True)


def cross():
    """GIF 17 × 16: a light cross on a transparent ground (palette index 0)."""
    img = Image.new("P", (17, 16), 0)
    img.putpalette([0, 0, 0, 220, 220, 220] + [0, 0, 0] * 254)
    d = ImageDraw.Draw(img)
    d.line([4, 4, 12, 11], fill=1, width=2)
    d.line([4, 11, 12, 4], fill=1, width=2)
    img.save(path("cross.gif"), format="GIF", transparency=0)


def icons():
    """ICO of 32-bit BMP images (with their AND masks), 48, 32 and 16 px, each one colour."""
    images = []
    for size, (r, g, b) in ICON_COLOURS.items():
        xor = bytes((b, g, r, 255)) * (size * size)
        mask = bytes(((size + 31) // 32) * 4 * size)
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((size, header + xor + mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(path("icons.ico"), "wb") as f:
        f.write(out)


def main():
    band()
    badge("badge.png", (70, 130, 180))
    badge("badgeHover.png", (110, 170, 220))
    track("track.png", (90, 90, 90))
    track("fill.png", (60, 150, 240))
    thumb()
    cross()
    icons()


if __name__ == "__main__":
    main()
