#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The batch as a Pillow user would write it, in one process: nearest-neighbour resize, then
# the lighter of the picture and the negated mask (= picture OR NOT mask for a black and
# white mask).  Usage: pillow_batch.py MASK INPUT_DIR OUTPUT_DIR [WIDTH HEIGHT]
import os
import sys

from PIL import Image, ImageChops, ImageOps

mask_file, input_dir, output_dir = sys.argv[1:4]
width, height = (int(sys.argv[4]), int(sys.argv[5])) if len(sys.argv) > 5 else (128, 63)
negated = ImageOps.invert(Image.open(mask_file).convert("RGB").resize((width, height), Image.NEAREST))
for name in os.listdir(input_dir):
    if not name.lower().endswith(".bmp"):
        continue
    with Image.open(os.path.join(input_dir, name)) as picture:
        tile = picture.convert("RGB").resize((width, height), Image.NEAREST)
    ImageChops.lighter(tile, negated).save(os.path.join(output_dir, name), "BMP")
