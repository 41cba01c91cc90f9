#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The batch job of bench/README.md: 200 pictures of 1024 x 768 and 10 of 6000 x 4000,
# 24-bit, into 128 x 63 tiles with the iso mask, timed against the tools a user would pick
# instead. Runs are interleaved (one of each tool per round) so that a slow spell of the
# machine hits every tool alike; the table gives medians and peak memory.
#
#   bench/batch_workload.py BUILD_DIR [--rounds N] [--work DIR] [--png] [--compare OTHER_BUILD_DIR]
#
# With --png the pictures are saved as PNG by Pillow at its default level and turned into PNG
# tiles whose alpha is the mask: durnik-batch --from png --to png, Pillow (pillow_batch.py
# --png) and one mogrify that also copies the mask into the alpha channel. Each size comes
# twice: photo-like pictures (smooth shading with fine grain, which compress about 2:1 as
# photographs do: the realistic case) and random pixels (which do not compress: the worst case).
#
# --compare also runs the durnik-batch of another build in the same rounds (the one before a
# change, say), so both meet the same load of a shared machine.
#
# BUILD_DIR is an optimised build (cmake --preset release): it must hold durnik-batch and
# mask/iso.bmp. The pictures are generated into the work directory (default
# /tmp/durnik-bench) once and reused; they are never committed.
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time

SETS = {"small": (200, 1024, 768), "large": (10, 6000, 4000)}


def random_picture(width, height):
    from PIL import Image

    # Random bytes: no tool gains from repetition or compression.
    return Image.frombytes("RGB", (width, height), os.urandom(width * height * 3))


def photo_like(width, height):
    """Smooth colour fields with a little grain: what a texture or a photograph looks like to zlib."""
    from PIL import Image, ImageFilter

    seed = Image.frombytes("RGB", (32, 24), os.urandom(32 * 24 * 3))
    smooth = seed.resize((width, height), Image.BICUBIC).filter(ImageFilter.GaussianBlur(4))
    grain = Image.effect_noise((width, height), 6).convert("RGB")
    return Image.blend(smooth, grain, 0.08)


def generate(directory, count, width, height, extension, draw=random_picture):
    marker = os.path.join(directory, ".complete")
    if os.path.exists(marker):
        return
    shutil.rmtree(directory, ignore_errors=True)
    os.makedirs(directory)
    for index in range(count):
        draw(width, height).save(os.path.join(directory, "picture%03d.%s" % (index, extension)), extension.upper())
    open(marker, "w").close()


def run(command):
    """Wall time in seconds, peak resident memory in MiB and CPU time (user and system) in
    seconds of one command."""
    if isinstance(command, str):
        command = ["sh", "-c", command]
    # GNU time reports the peak of its own child; measured from here, a child forked from
    # this Python process would start with Python's memory.
    start = time.perf_counter()
    finished = subprocess.run(["/usr/bin/time", "-f", "%M %U %S"] + command, stdout=subprocess.DEVNULL,
                              stderr=subprocess.PIPE, text=True)
    elapsed = time.perf_counter() - start
    if finished.returncode != 0:
        sys.exit("failed: %s\n%s" % (command, finished.stderr))
    peak, user, system = finished.stderr.strip().splitlines()[-1].split()
    return elapsed, int(peak) / 1024, float(user) + float(system)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--work", default="/tmp/durnik-bench")
    parser.add_argument("--png", action="store_true")
    parser.add_argument("--compare")
    args = parser.parse_args()
    extension = "png" if args.png else "bmp"
    build = os.path.abspath(args.build)
    mask = os.path.join(build, "mask", "iso.bmp")
    here = os.path.dirname(os.path.abspath(__file__))
    negated = os.path.join(args.work, "negated-mask.bmp")
    from PIL import Image, ImageOps
    os.makedirs(args.work, exist_ok=True)
    ImageOps.invert(Image.open(mask).convert("RGB")).save(negated, "BMP")
    # The mask's brightness as a grey picture, for ImageMagick to copy into the alpha channel.
    opacity = os.path.join(args.work, "opacity.png")
    Image.open(mask).convert("RGB").resize((128, 63), Image.NEAREST).convert("L").save(opacity, "PNG")

    # On a machine others share, wall times swing from run to run; CPU times (user and
    # system, all threads) hold steadier, so both are given. durnik-batch decodes on one
    # thread per core, so on an idle machine its wall time is about its CPU time over the
    # cores, where the one-threaded tools take about their CPU time.
    print("| set | tool | median s | min s | median CPU s | peak MiB | faster by (wall) | faster by (CPU) |")
    print("|---|---|---|---|---|---|---|---|")
    kinds = {"photo-like": ("photo-", photo_like), "random": ("", random_picture)} if args.png else {"": ("", random_picture)}
    sets = [((kind + " " + size).strip(), prefix + size, dimensions, draw)
            for size, dimensions in SETS.items() for kind, (prefix, draw) in kinds.items()]
    for name, folder, (count, width, height), draw in sets:
        pictures = os.path.join(args.work, folder + ("-png" if args.png else ""))
        generate(pictures, count, width, height, extension, draw)
        files = sorted(os.path.join(pictures, f) for f in os.listdir(pictures) if f.endswith("." + extension))
        out = os.path.join(args.work, folder + "-out")
        lighten = ["-draw", "image Lighten 0,0 0,0 '%s'" % negated]
        if args.png:
            tools = {
                "durnik-batch": [os.path.join(build, "durnik-batch"), "--from", "png", "--to", "png", pictures, out],
                "Pillow": [sys.executable, os.path.join(here, "pillow_batch.py"), "--png", mask, pictures, out],
                "ImageMagick mogrify": ["mogrify", "-path", out, "-format", "png", "-sample", "128x63!"] + lighten
                + ["-alpha", "set", "-draw", "image CopyOpacity 0,0 0,0 '%s'" % opacity] + files,
                "cat": "cat %s/*.png > /dev/null" % pictures,
            }
        else:
            tools = {
                "durnik-batch": [os.path.join(build, "durnik-batch"), pictures, out],
                "Pillow": [sys.executable, os.path.join(here, "pillow_batch.py"), mask, pictures, out],
                "ImageMagick mogrify": ["mogrify", "-path", out, "-sample", "128x63!"] + lighten + files,
                "cat": "cat %s/*.bmp > /dev/null" % pictures,
            }
        if args.compare:
            other = os.path.join(os.path.abspath(args.compare), "durnik-batch")
            tools = {"durnik-batch": tools["durnik-batch"],
                     "durnik-batch of " + args.compare: [other] + tools["durnik-batch"][1:], **tools}
        times = {tool: [] for tool in tools}
        cpu = {tool: [] for tool in tools}
        memory = {tool: 0.0 for tool in tools}
        for _ in range(args.rounds):
            for tool, command in tools.items():
                shutil.rmtree(out, ignore_errors=True)
                os.makedirs(out)
                elapsed, peak, used = run(command)
                times[tool].append(elapsed)
                cpu[tool].append(used)
                memory[tool] = max(memory[tool], peak)
        # Ratios pair by pair: the same round's runs are compared, then the median is taken.
        for tool in tools:
            def ratio(measure):
                ratios = [other / ours for other, ours in zip(measure[tool], measure["durnik-batch"])]
                return "" if tool == "durnik-batch" else "%.1f x" % statistics.median(ratios)
            print("| %s | %s | %.3f | %.3f | %.3f | %.1f | %s | %s |" % (
                name, tool, statistics.median(times[tool]), min(times[tool]), statistics.median(cpu[tool]),
                memory[tool], ratio(times), ratio(cpu)))


if __name__ == "__main__":
    main()
