#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# What --sheet adds to a batch: 200 pictures of 1024 x 768 into 128 x 63 PNG tiles, with and
# without the sheet and its two descriptions, runs interleaved round by round.
#
#   bench/sheet_overhead.py BUILD_DIR [--rounds N] [--work DIR]
#
# Four sets: "photo-like" BMP and PNG (smooth shading with fine grain, which compresses as
# real pictures do: the realistic cases), "random PNG" (random pixels, as in
# batch_workload.py) and "random BMP" (random pixels stored uncompressed: reading costs next
# to nothing and the tiles compress worst, so the sheet's own work weighs most; the worst
# case).
import argparse
import os
import shutil
import statistics
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from batch_workload import generate, photo_like, random_picture, run  # noqa: E402

COUNT, WIDTH, HEIGHT = 200, 1024, 768


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--work", default="/tmp/durnik-bench")
    args = parser.parse_args()
    program = os.path.join(os.path.abspath(args.build), "durnik-batch")

    sets = {
        "photo-like BMP": (os.path.join(args.work, "photo-bmp"), "bmp", photo_like),
        "photo-like PNG": (os.path.join(args.work, "photo-png"), "png", photo_like),
        "random PNG": (os.path.join(args.work, "small-png"), "png", random_picture),
        "random BMP": (os.path.join(args.work, "small"), "bmp", random_picture),
    }
    print("| set | tiles only, median s | with --sheet, median s | added |")
    print("|---|---|---|---|")
    for name, (pictures, extension, draw) in sets.items():
        generate(pictures, COUNT, WIDTH, HEIGHT, extension, draw)
        out = os.path.join(args.work, "sheet-out")
        plain = [program, "--from", extension, "--to", "png", pictures, out]
        commands = {"plain": plain, "sheet": plain[:-2] + ["--sheet", "all", pictures, out]}
        times = {kind: [] for kind in commands}
        for _ in range(args.rounds):
            for kind, command in commands.items():
                shutil.rmtree(out, ignore_errors=True)
                os.makedirs(out)
                times[kind].append(run(command)[0])
        added = [sheet / plain - 1 for sheet, plain in zip(times["sheet"], times["plain"])]
        print("| %s | %.3f | %.3f | %+.1f %% |" % (name, statistics.median(times["plain"]),
                                                 statistics.median(times["sheet"]), 100 * statistics.median(added)))


if __name__ == "__main__":
    main()
