#!/usr/bin/env python3
"""Draws the program's two icons and writes them as .ico files of 32-bit images.

IcPrg: a conical flask with a magenta liquid, the colour of the main window; 16, 24, 32,
       48 and 256 pixels, so that Explorer and the taskbar find a sharp image at every
       display scale (the 256-pixel image is PNG, as Windows expects it in an .ico).
Ic0:   an atom: a nucleus with three elliptic orbits, for the about box; 16 to 48 pixels.
Run it again only to change the drawings: the .ico files are kept in the repository.
"""
import math
import struct
import sys
import zlib

PROGRAM_SIZES = (256, 48, 32, 24, 16)
ABOUT_SIZES = (48, 32, 24, 16)
PNG_FROM = 256  # images this size and larger are stored as PNG


def blend(dst, src, a):
    return tuple(int(d * (1 - a) + s * a) for d, s in zip(dst, src))


def render(size, shade):
    """shade(x, y) -> (r, g, b, a) in 0..1 units of the icon; supersampled 4x4."""
    px = []
    n = 4
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    u = (x + (sx + 0.5) / n) / size
                    v = (y + (sy + 0.5) / n) / size
                    r, g, b, a = shade(u, v)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            a = acc[3] / (n * n)
            if acc[3] > 0:
                row.append((acc[0] / acc[3], acc[1] / acc[3], acc[2] / acc[3], a))
            else:
                row.append((0, 0, 0, 0))
        px.append(row)
    return px


def flask(u, v):
    # neck from x .40-.60, y .08-.38; body a trapezoid from y .38 to .92, x .12-.88 at the bottom
    glass = (0.55, 0.75, 0.85)
    outline = (0.10, 0.15, 0.30)
    liquid = (195 / 255, 0.0, 142 / 255)
    if 0.06 <= v <= 0.12 and 0.34 <= u <= 0.66:
        return (*outline, 1)
    if 0.12 < v <= 0.40:
        half = 0.10
    elif 0.40 < v <= 0.92:
        half = 0.10 + (v - 0.40) / 0.52 * 0.38
    else:
        half = -1
    if 0.92 < v <= 0.97 and abs(u - 0.5) <= 0.48:
        return (*outline, 1)
    if half > 0:
        d = abs(u - 0.5)
        if d <= half:
            if half - d < 0.06:
                return (*outline, 1)
            if v > 0.60:
                # bubbles in the liquid
                for cx, cy, r in ((0.42, 0.75, 0.04), (0.58, 0.68, 0.03), (0.52, 0.84, 0.035)):
                    if (u - cx) ** 2 + (v - cy) ** 2 < r * r:
                        return (1, 0.85, 0.95, 1)
                return (*liquid, 1)
            return (*glass, 0.85)
    return (0, 0, 0, 0)


def atom(u, v):
    x, y = u - 0.5, v - 0.5
    if x * x + y * y < 0.09 ** 2:
        return (0.85, 0.15, 0.10, 1)
    for k in range(3):
        t = math.pi * k / 3
        c, s = math.cos(t), math.sin(t)
        xr, yr = x * c + y * s, -x * s + y * c
        e = (xr / 0.46) ** 2 + (yr / 0.17) ** 2
        if abs(e - 1) < 0.16:
            return (0.0, 0.39, 0.98, 1)
    # electrons on the orbits
    for k in range(3):
        t = math.pi * k / 3
        ex = 0.46 * math.cos(t)
        ey = 0.46 * math.sin(t)
        if (x - ex) ** 2 + (y - ey) ** 2 < 0.06 ** 2:
            return (0.86, 0.39, 0.0, 1)
    return (0, 0, 0, 0)


def bmp_entry(px):
    size = len(px)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(px):
        for r, g, b, a in row:
            xor += bytes((int(b * 255 + 0.5), int(g * 255 + 0.5), int(r * 255 + 0.5), int(a * 255 + 0.5)))
    mask_row = ((size + 31) // 32) * 4
    and_mask = bytearray()
    for row in reversed(px):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a < 0.5:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_mask += bits
    return header + bytes(xor) + bytes(and_mask)


def png_entry(px):
    size = len(px)
    raw = bytearray()
    for row in px:
        raw.append(0)  # no filter
        for r, g, b, a in row:
            raw += bytes((int(r * 255 + 0.5), int(g * 255 + 0.5), int(b * 255 + 0.5), int(a * 255 + 0.5)))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(bytes(raw), 9))
            + chunk(b'IEND', b''))


def write_ico(path, shade, sizes):
    images = [(png_entry if s >= PNG_FROM else bmp_entry)(render(s, shade)) for s in sizes]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for s, data in zip(sizes, images):
        # A width or height of 256 is written as 0.
        out += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    here = sys.argv[1] if len(sys.argv) > 1 else '.'
    write_ico(f'{here}/IcPrg.ico', flask, PROGRAM_SIZES)
    write_ico(f'{here}/Ic0.ico', atom, ABOUT_SIZES)
