#!/usr/bin/python3
"""Draws the player's artwork into assets/art/.

One dark skin on the control bar's colour (13, 13, 13) with one blue accent.
Shapes are drawn four times larger and scaled down, so edges are smooth at
100 % while straight lines stay on whole pixels. Run from anywhere:

    /usr/bin/python3 assets/draw.py

Needs python3-pil and the WenQuanYi Micro Hei font (fonts-wqy-microhei).
"""
import io
import os
import struct

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
ART = os.path.join(HERE, "art")
FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
S = 4  # supersampling factor

BAR = (13, 13, 13)               # control bar
TOP_HI = (30, 31, 34)            # top bar, upper edge
TOP_LO = (19, 19, 21)            # top bar, lower edge
PANEL = (60, 65, 68)             # bars of the small windows
ACCENT = (46, 150, 255)
ACCENT_HI = (92, 176, 255)
ACCENT_LO = (26, 112, 205)
GLYPH = (196, 198, 202)
GLYPH_HI = (255, 255, 255)
RING = (52, 54, 58)
CLOSE_RED = (226, 44, 52)


def rgba(c, a=255):
    return (c[0], c[1], c[2], a)


def canvas(w, h, fill=(0, 0, 0, 0)):
    img = Image.new("RGBA", (w * S, h * S), fill)
    return img, ImageDraw.Draw(img)


def down(img):
    return img.resize((img.width // S, img.height // S), Image.LANCZOS)


def over(base_rgb, img):
    """Flattens an RGBA picture onto a solid colour (or a background picture)."""
    if isinstance(base_rgb, Image.Image):
        bg = base_rgb.convert("RGBA")
    else:
        bg = Image.new("RGBA", img.size, rgba(base_rgb))
    bg.alpha_composite(img)
    return bg.convert("RGB")


def top_bar_strip(w, h, y0=0):
    """The top bar's gradient for rows y0 .. y0 + h of the 40-pixel bar."""
    img = Image.new("RGB", (w, h))
    px = img.load()
    for y in range(h):
        t = min(1.0, (y + y0) / 39.0)
        c = tuple(round(TOP_HI[i] + (TOP_LO[i] - TOP_HI[i]) * t) for i in range(3))
        if y + y0 == 39:
            c = (8, 8, 9)
        for x in range(w):
            px[x, y] = c
    return img


def font(size):
    return ImageFont.truetype(FONT, size * S)


def save(img, name, **options):
    path = os.path.join(ART, name)
    img.save(path, **options)


def save_jpeg(img, name):
    save(img.convert("RGB"), name, format="JPEG", quality=95, subsampling=0, optimize=True)


def save_gif(img, name, transparent_rgb=None):
    """Saves an RGB picture as a GIF with an adaptive palette."""
    pal = img.convert("RGB").quantize(colors=64, method=Image.MEDIANCUT, dither=Image.NONE)
    save(pal, name, format="GIF")


# ---- glyphs, drawn on a supersampled canvas in a box (x, y, size) ----

def play_triangle(d, cx, cy, r, colour):
    d.polygon([(cx - r * 0.45, cy - r * 0.62), (cx - r * 0.45, cy + r * 0.62), (cx + r * 0.62, cy)],
              fill=colour)


def rounded_triangle_mark(size, body=ACCENT, glyph=GLYPH_HI):
    """The player's mark: an accent disc with a play triangle."""
    img, d = canvas(size, size)
    m = 0.04 * size * S
    d.ellipse([m, m, size * S - m, size * S - m], fill=rgba(body))
    c = size * S / 2
    play_triangle(d, c + size * S * 0.04, c, size * S * 0.36, rgba(glyph))
    return down(img)


def window_glyph(kind, w, h, colour, line=1.2):
    """Minimise, maximise and close glyphs centred in a w × h box."""
    img, d = canvas(w, h)
    cx, cy = w * S / 2, h * S / 2
    lw = round(line * S)
    r = 4.0 * S
    if kind == "minimise":
        d.rectangle([cx - r, cy + 0.5 * S, cx + r, cy + 0.5 * S + lw - 1], fill=rgba(colour))
    elif kind == "maximise":
        d.rectangle([cx - r, cy - r, cx + r, cy + r], outline=rgba(colour), width=lw)
    else:  # close
        d.line([cx - r, cy - r, cx + r, cy + r], fill=rgba(colour), width=lw)
        d.line([cx - r, cy + r, cx + r, cy - r], fill=rgba(colour), width=lw)
    return down(img)


def caption_button(kind, state, background):
    """A 17 × 16 title-bar button; `background` is the picture under it."""
    w, h = 17, 16
    base = background.copy().convert("RGBA")
    img, d = canvas(w, h)
    if state != "normal":
        if kind == "close":
            fill = CLOSE_RED if state == "hover" else (176, 30, 38)
        else:
            fill = (62, 64, 70) if state == "hover" else (44, 46, 50)
        d.rounded_rectangle([0, 0, w * S - 1, h * S - 1], radius=3 * S, fill=rgba(fill))
    base.alpha_composite(down(img))
    glyph = window_glyph(kind, w, h, GLYPH_HI if state != "normal" else GLYPH)
    base.alpha_composite(glyph)
    return base.convert("RGB")


def transport_glyph(kind, d, cx, cy, r, colour):
    c = rgba(colour)
    if kind == "stop":
        q = r * 0.34
        d.rounded_rectangle([cx - q, cy - q, cx + q, cy + q], radius=r * 0.1, fill=c)
    elif kind in ("previous", "next"):
        sign = 1 if kind == "next" else -1
        tw = r * 0.48
        th = r * 0.46
        x0 = cx - sign * tw * 0.55
        d.polygon([(x0, cy - th), (x0, cy + th), (x0 + sign * tw, cy)], fill=c)
        bar_x = x0 + sign * tw
        bw = r * 0.14
        if sign > 0:
            d.rectangle([bar_x, cy - th, bar_x + bw, cy + th], fill=c)
        else:
            d.rectangle([bar_x - bw, cy - th, bar_x, cy + th], fill=c)
    elif kind == "playpause":
        th = r * 0.42
        x0 = cx - r * 0.52
        d.polygon([(x0, cy - th), (x0, cy + th), (x0 + r * 0.58, cy)], fill=c)
        bw = r * 0.14
        gap = r * 0.12
        bx = cx + r * 0.16
        d.rectangle([bx, cy - th, bx + bw, cy + th], fill=c)
        d.rectangle([bx + bw + gap, cy - th, bx + 2 * bw + gap, cy + th], fill=c)
    elif kind == "open":
        # An eject mark: a triangle over a bar.
        tw = r * 0.5
        d.polygon([(cx - tw, cy + r * 0.08), (cx + tw, cy + r * 0.08), (cx, cy - r * 0.48)], fill=c)
        d.rounded_rectangle([cx - tw, cy + r * 0.24, cx + tw, cy + r * 0.4], radius=r * 0.04, fill=c)
    elif kind == "mute":
        # A speaker with one sound wave.
        d.rectangle([cx - r * 0.7, cy - r * 0.25, cx - r * 0.35, cy + r * 0.25], fill=c)
        d.polygon([(cx - r * 0.4, cy - r * 0.25), (cx + r * 0.05, cy - r * 0.65),
                   (cx + r * 0.05, cy + r * 0.65), (cx - r * 0.4, cy + r * 0.25)], fill=c)
        d.arc([cx - r * 0.35, cy - r * 0.55, cx + r * 0.65, cy + r * 0.55], -50, 50, fill=c,
              width=max(1, round(r * 0.16)))
    elif kind == "fullscreen":
        a = r * 0.55
        L = r * 0.32
        w = max(1, round(r * 0.13))
        for sx in (-1, 1):
            for sy in (-1, 1):
                x, y = cx + sx * a, cy + sy * a
                d.line([x, y, x - sx * L, y], fill=c, width=w)
                d.line([x, y, x, y - sy * L], fill=c, width=w)


def round_button(kind, size, state, background=BAR, filled=False):
    """A round control-bar button: a faint ring, or an accent disc when filled."""
    img, d = canvas(size, size)
    m = 1.5 * S
    box = [m, m, size * S - m, size * S - m]
    r = size * S / 2
    if filled:
        body = {"normal": ACCENT, "hover": ACCENT_HI, "pressed": ACCENT_LO}[state]
        d.ellipse(box, fill=rgba(body))
        glyph = GLYPH_HI
    else:
        if state == "normal":
            d.ellipse(box, outline=rgba(RING), width=round(1.2 * S))
            glyph = GLYPH
        elif state == "hover":
            d.ellipse(box, fill=rgba((30, 32, 36)), outline=rgba(ACCENT), width=round(1.2 * S))
            glyph = GLYPH_HI
        else:
            d.ellipse(box, fill=rgba(ACCENT_LO))
            glyph = GLYPH_HI
    transport_glyph(kind, d, r, r, r, glyph)
    return down(img)


def plain_button(kind, size, state):
    """A small control without a ring: the glyph, lighter on hover, accent when pressed."""
    img, d = canvas(size, size)
    r = size * S / 2
    colour = {"normal": GLYPH, "hover": GLYPH_HI, "pressed": ACCENT}[state]
    if state == "hover":
        d.rounded_rectangle([0, 0, size * S - 1, size * S - 1], radius=4 * S, fill=rgba((34, 36, 40)))
    transport_glyph(kind, d, r, r, r, colour)
    return down(img)


def slider(width, height, bar, fill_rgb):
    """A track picture: a rounded bar `bar` pixels high, centred, transparent around."""
    img, d = canvas(width, height)
    top = (height - bar) / 2 * S
    d.rounded_rectangle([0, top, width * S - 1, top + bar * S - 1], radius=bar * S / 2, fill=rgba(fill_rgb))
    return down(img)


def thumb(size):
    img, d = canvas(size, size)
    m = 0.5 * S
    d.ellipse([m, m, size * S - m, size * S - m], fill=rgba(GLYPH_HI))
    k = size * S * 0.3
    d.ellipse([k, k, size * S - k, size * S - k], fill=rgba(ACCENT))
    return down(img)


def logo_button(state):
    """120 × 46; placed 7 pixels above the top bar, so rows 7 to 46 show."""
    w, h = 120, 46
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    if state != "normal":
        hi, d = canvas(w, h)
        fill = (44, 46, 52, 255) if state == "hover" else (34, 36, 40, 255)
        d.rounded_rectangle([4 * S, 10 * S, (w - 4) * S, (h - 3) * S], radius=5 * S, fill=fill)
        img.alpha_composite(down(hi))
    mark = rounded_triangle_mark(22, ACCENT_HI if state == "hover" else ACCENT)
    img.alpha_composite(mark, (9, 15))
    text, d = canvas(w, h)
    f = font(13)
    d.text((36 * S, 26 * S), "Quorle播放器", font=f, fill=rgba(GLYPH_HI), anchor="lm")
    img.alpha_composite(down(text))
    return img


def video_logo():
    """On the bars' colour, which the video area shows around it."""
    w, h = 241, 148
    img = Image.new("RGBA", (w, h), rgba(BAR))
    mark = rounded_triangle_mark(64)
    img.alpha_composite(mark, ((w - 64) // 2, 18))
    text, d = canvas(w, h)
    d.text((w * S / 2, 106 * S), "Quorle播放器", font=font(20), fill=rgba(GLYPH_HI), anchor="mm")
    d.text((w * S / 2, 130 * S), "拖入文件，或点击下方打开按钮", font=font(11), fill=rgba((128, 132, 138)), anchor="mm")
    img.alpha_composite(down(text))
    return img.convert("RGB")


def save_icon(state):
    """32 × 32, a download-to-disk mark in a rounded square."""
    size = 32
    img, d = canvas(size, size)
    body = {"normal": (84, 90, 94), "hover": ACCENT, "pressed": ACCENT_LO}[state]
    d.rounded_rectangle([2 * S, 2 * S, 30 * S, 30 * S], radius=6 * S, fill=rgba(body))
    c = rgba(GLYPH_HI)
    d.rectangle([14.5 * S, 7 * S, 17.5 * S, 17 * S], fill=c)
    d.polygon([(10 * S, 15 * S), (22 * S, 15 * S), (16 * S, 21.5 * S)], fill=c)
    d.rounded_rectangle([8 * S, 23 * S, 24 * S, 25.5 * S], radius=1 * S, fill=c)
    return down(img)


def icon_image(size):
    """The program icon at one size: an accent rounded square with a play mark."""
    img, d = canvas(size, size)
    m = max(1, round(size * 0.04)) * S
    d.rounded_rectangle([m, m, size * S - m, size * S - m], radius=size * S * 0.22, fill=rgba(ACCENT))
    # A lighter upper half for depth.
    hi, dh = canvas(size, size)
    dh.rounded_rectangle([m, m, size * S - m, size * S - m], radius=size * S * 0.22,
                         fill=(255, 255, 255, 36))
    mask = Image.new("L", hi.size, 0)
    ImageDraw.Draw(mask).rectangle([0, 0, hi.width, hi.height // 2], fill=255)
    img.paste(Image.alpha_composite(img, hi), (0, 0), mask)
    c = size * S / 2
    play_triangle(d, c + size * S * 0.05, c, size * S * 0.34, rgba(GLYPH_HI))
    return down(img)


def write_ico(path, sizes):
    """An ICO of 32-bit BMP images (with their AND masks), largest first."""
    images = []
    for size in sizes:
        im = icon_image(size)
        px = im.load()
        xor = bytearray()
        for y in range(size - 1, -1, -1):
            for x in range(size):
                r, g, b, a = px[x, y]
                xor += bytes((b, g, r, a))
        row = ((size + 31) // 32) * 4
        mask = bytearray()
        for y in range(size - 1, -1, -1):
            bits = bytearray(row)
            for x in range(size):
                if px[x, y][3] == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((size, header + xor + mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def main():
    os.makedirs(ART, exist_ok=True)
    states = ("normal", "hover", "pressed")
    suffix = {"normal": "", "hover": "Hover", "pressed": "Pressed"}

    save_jpeg(top_bar_strip(800, 40), "topBar.jpg")
    for st in states:
        save(logo_button(st), f"logoButton{suffix[st]}.png", optimize=True)

    strip = top_bar_strip(17, 16)
    panel = Image.new("RGB", (17, 16), PANEL)
    for kind, name in (("minimise", "minimiseButton"), ("maximise", "maximiseButton"), ("close", "closeButton")):
        for st in states:
            save_gif(caption_button(kind, st, strip), f"{name}{suffix[st]}.gif")
    for st in states:
        save_gif(caption_button("close", st, panel), f"smallCloseButton{suffix[st]}.gif")

    save(video_logo(), "videoLogo.png", optimize=True)

    for kind, name, size in (("stop", "stopButton", 38), ("previous", "previousButton", 38),
                             ("next", "nextButton", 38)):
        for st in states:
            save_jpeg(over(BAR, round_button(kind, size, st)), f"{name}{suffix[st]}.jpg")
    for st in states:
        save_jpeg(over(BAR, round_button("playpause", 49, st, filled=True)), f"playPauseButton{suffix[st]}.jpg")
        save(round_button("open", 38, st), f"openButton{suffix[st]}.png", optimize=True)
        save_jpeg(over(BAR, plain_button("mute", 18, st)), f"muteButton{suffix[st]}.jpg")
        save_jpeg(over(BAR, plain_button("fullscreen", 30, st)), f"fullScreenButton{suffix[st]}.jpg")
        save(save_icon(st), f"saveButton{suffix[st]}.png", optimize=True)

    save(slider(800, 11, 3, (58, 60, 64)), "durationTrack.png", optimize=True)
    save(slider(800, 11, 3, ACCENT), "durationFill.png", optimize=True)
    save(thumb(11), "durationThumb.png", optimize=True)
    save(slider(100, 10, 3, (58, 60, 64)), "volumeTrack.png", optimize=True)
    save(slider(100, 10, 3, ACCENT), "volumeFill.png", optimize=True)
    save(thumb(10), "volumeThumb.png", optimize=True)

    write_ico(os.path.join(ART, "programIcon.ico"), (72, 64, 48, 32, 24, 16))


if __name__ == "__main__":
    main()
