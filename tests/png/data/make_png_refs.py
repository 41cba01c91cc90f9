#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Makes the PNG reference set of the PNG reader tests, once; its output is committed.
#
#   tests/png/data/make_png_refs.py
#
# Each picture of every colour type and bit depth, plain and interlaced, is written by the
# small encoder below (independent of the libspng the program uses, and able to write what
# Pillow cannot: interlacing, 2- and 4-bit grey, 16-bit colour), then decoded by Pillow. NAME.png
# is the file, NAME.rgba the pixels Pillow gives, 8-bit RGBA row after row: 16-bit channels
# keep their high byte, as Pillow keeps it for 16-bit colour, and a transparent colour
# (tRNS) becomes alpha 0.
import os
import random
import struct
import zlib

from PIL import Image

WIDTH, HEIGHT = 13, 11
HERE = os.path.dirname(os.path.abspath(__file__))

GREY, RGB, PALETTE, GREY_ALPHA, RGBA = 0, 2, 3, 4, 6
CHANNELS = {GREY: 1, RGB: 3, PALETTE: 1, GREY_ALPHA: 2, RGBA: 4}
# Adam7: start x, start y, step x, step y of each pass.
PASSES = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def pack_row(samples, depth):
    """Samples of one row packed at depth bits, most significant first."""
    if depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    if depth == 8:
        return bytes(samples)
    out, byte, used = bytearray(), 0, 0
    for sample in samples:
        byte = (byte << depth) | sample
        used += depth
        if used == 8:
            out.append(byte)
            byte, used = 0, 0
    if used:
        out.append(byte << (8 - used))
    return bytes(out)


def filtered(rows, bytes_per_pixel):
    """Each row with a filter of its own (cycling through all five), so unfiltering is tested."""
    out, previous = bytearray(), None
    for index, row in enumerate(rows):
        kind = index % 5
        prior = previous if previous is not None else bytes(len(row))
        line = bytearray()
        for i, value in enumerate(row):
            left = row[i - bytes_per_pixel] if i >= bytes_per_pixel else 0
            up = prior[i]
            upper_left = prior[i - bytes_per_pixel] if i >= bytes_per_pixel else 0
            if kind == 0:
                predictor = 0
            elif kind == 1:
                predictor = left
            elif kind == 2:
                predictor = up
            elif kind == 3:
                predictor = (left + up) // 2
            else:
                estimate = left + up - upper_left
                distances = (abs(estimate - left), abs(estimate - up), abs(estimate - upper_left))
                predictor = (left, up, upper_left)[distances.index(min(distances))]
            line.append((value - predictor) & 0xFF)
        out += bytes([kind]) + line
        previous = row
    return bytes(out)


def encode(pixels, color_type, depth, interlaced, palette=None, transparent=None):
    """pixels: rows of tuples of samples (one per channel)."""
    channels = CHANNELS[color_type]
    bytes_per_pixel = max(1, channels * depth // 8)
    if not interlaced:
        rows = [pack_row([s for p in row for s in p], depth) for row in pixels]
        data = filtered(rows, bytes_per_pixel)
    else:
        data = b""
        for start_x, start_y, step_x, step_y in PASSES:
            rows = []
            for y in range(start_y, HEIGHT, step_y):
                samples = [s for x in range(start_x, WIDTH, step_x) for s in pixels[y][x]]
                if samples:
                    rows.append(pack_row(samples, depth))
            data += filtered(rows, bytes_per_pixel)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH, HEIGHT, depth, color_type, 0, 0, int(interlaced)))
    if palette:
        png += chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    if transparent is not None:
        png += chunk(b"tRNS", transparent)
    compressed = zlib.compress(data, 9)
    # Two image data chunks, so a reader must join them.
    half = len(compressed) // 2
    png += chunk(b"IDAT", compressed[:half]) + chunk(b"IDAT", compressed[half:])
    return png + chunk(b"IEND", b"")


def reference(path):
    """The pixels Pillow decodes, as 8-bit RGBA bytes."""
    with Image.open(path) as picture:
        picture.load()
        if picture.mode in ("I", "I;16", "I;16B"):
            # Pillow keeps 16-bit grey whole; take the high byte as it does for 16-bit colour.
            grey = [value >> 8 for value in picture.getdata()]
            return b"".join(bytes((g, g, g, 255)) for g in grey)
        return picture.convert("RGBA").tobytes()


def main():
    generator = random.Random(13)

    def samples(depth, channels):
        return [[tuple(generator.randrange(1 << depth) for _ in range(channels)) for _ in range(WIDTH)]
                for _ in range(HEIGHT)]

    cases = []
    for depth in (1, 2, 4, 8, 16):
        cases.append(("grey%d" % depth, GREY, depth, samples(depth, 1), None, None))
    for depth in (8, 16):
        cases.append(("rgb%d" % depth, RGB, depth, samples(depth, 3), None, None))
        cases.append(("greyalpha%d" % depth, GREY_ALPHA, depth, samples(depth, 2), None, None))
        cases.append(("rgba%d" % depth, RGBA, depth, samples(depth, 4), None, None))
    for depth in (1, 2, 4, 8):
        count = 1 << depth
        palette = [tuple(generator.randrange(256) for _ in range(3)) for _ in range(count)]
        cases.append(("palette%d" % depth, PALETTE, depth, samples(depth, 1), palette, None))
    # Transparency without an alpha channel: a palette with alpha entries, and one grey and
    # one RGB value made transparent.
    palette = [tuple(generator.randrange(256) for _ in range(3)) for _ in range(16)]
    cases.append(("palette4trns", PALETTE, 4, samples(4, 1), palette, bytes([0, 128, 255, 7])))
    # Grey at 8 bits: Pillow 9 compares a low-depth transparent grey with the scaled value and
    # never finds it.
    grey = samples(8, 1)
    cases.append(("grey8trns", GREY, 8, grey, None, struct.pack(">H", grey[0][0][0])))
    rgb = samples(8, 3)
    cases.append(("rgb8trns", RGB, 8, rgb, None, struct.pack(">HHH", *rgb[1][2])))

    for name, color_type, depth, pixels, palette, transparent in cases:
        for interlaced in (False, True):
            stem = name + ("-interlaced" if interlaced else "")
            path = os.path.join(HERE, stem + ".png")
            with open(path, "wb") as out:
                out.write(encode(pixels, color_type, depth, interlaced, palette, transparent))
            with open(os.path.join(HERE, stem + ".rgba"), "wb") as out:
                out.write(reference(path))


if __name__ == "__main__":
    main()
