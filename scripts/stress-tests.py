#!/usr/bin/env python3
"""Runs the whole ctest suite of a build several times beside two busy loops and reports, per
test, how often it passed, failed or was skipped. A test that fails or hangs now and then
blocks every landing, so this is how a change to anything that waits is proven.

    scripts/stress-tests.py build/release 20
    scripts/stress-tests.py build/ci 5 --busy 2 -- -R QtDialogs

Exits with 1 when any run had a failure, a timeout or a skip.
"""
import argparse
import collections
import os
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree


def busy_loops(count):
    # Plain shell loops: each keeps one core fully busy, as a parallel build does.
    return [subprocess.Popen(["sh", "-c", "while :; do :; done"]) for _ in range(count)]


def outcomes(junit_file):
    """Maps each test's name to passed, failed or skipped, and its time in seconds."""
    results = {}
    for case in ElementTree.parse(junit_file).getroot().iter("testcase"):
        status = case.get("status", "run")
        if case.find("failure") is not None or status == "fail":
            outcome = "failed"
        elif case.find("skipped") is not None or status in ("notrun", "disabled"):
            outcome = "skipped"
        else:
            outcome = "passed"
        results[case.get("name")] = (outcome, float(case.get("time", "0") or 0))
    return results


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build", help="the build folder, e.g. build/release")
    parser.add_argument("runs", type=int, help="how many times the whole suite runs")
    parser.add_argument("--busy", type=int, default=2, help="busy loops beside the runs (default 2)")
    parser.add_argument("--jobs", type=int, default=2, help="ctest's parallel jobs (default 2)")
    parser.add_argument("ctest_arguments", nargs="*", help="more arguments for ctest, after --")
    options = parser.parse_args()

    counts = collections.defaultdict(collections.Counter)
    slowest = collections.defaultdict(float)
    loops = busy_loops(options.busy)
    try:
        with tempfile.TemporaryDirectory() as scratch:
            for run in range(1, options.runs + 1):
                junit = os.path.join(scratch, f"run-{run}.xml")
                started = time.monotonic()
                subprocess.run(["ctest", "--test-dir", options.build, "-j", str(options.jobs),
                                "--output-junit", junit, *options.ctest_arguments],
                               stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT, check=False)
                if not os.path.exists(junit):
                    print(f"run {run}: ctest wrote no report", file=sys.stderr)
                    return 1
                results = outcomes(junit)
                for name, (outcome, seconds) in results.items():
                    counts[name][outcome] += 1
                    slowest[name] = max(slowest[name], seconds)
                bad = sorted(name for name, (outcome, _) in results.items() if outcome != "passed")
                print(f"run {run}/{options.runs}: {len(results) - len(bad)} of {len(results)} passed "
                      f"in {time.monotonic() - started:.0f} s" + (f"; not passed: {', '.join(bad)}" if bad else ""),
                      flush=True)
    finally:
        for loop in loops:
            loop.kill()
            loop.wait()

    troubled = {name: counter for name, counter in counts.items() if counter["failed"] or counter["skipped"]}
    print(f"\n{len(counts)} tests, {options.runs} runs beside {options.busy} busy loops")
    for name, counter in sorted(troubled.items()):
        print(f"  {name}: passed {counter['passed']}, failed {counter['failed']}, skipped {counter['skipped']}")
    print("slowest (seconds, worst run):")
    for name, seconds in sorted(slowest.items(), key=lambda item: -item[1])[:8]:
        print(f"  {seconds:7.1f}  {name}")
    print("every test passed in every run" if not troubled else f"{len(troubled)} tests did not always pass")
    return 1 if troubled else 0


if __name__ == "__main__":
    sys.exit(main())
