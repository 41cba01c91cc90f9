#!/usr/bin/env python3
"""Fails when a file includes a header of a layer above its own.

Each layer may include only itself and the layers listed beneath it, so the build's
libraries keep their order (rtl -> gdi -> win32 -> vcl for the toolkit; the program's
layers above them), and the window records of win32/internal stay between win32 and
the host backend. Within vcl, the folders are ordered as well; the few arrows that run
against that order are listed by name, so a new one shows.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
TOOLKIT = ["platform/rtl", "platform/gdi", "platform/win32", "platform/vcl"]
PLAIN = TOOLKIT + ["platform/png"]  # everything of the toolkit a program without a host uses

# A layer's folder and the folders it may include besides its own.
LAYERS = {
    "platform/rtl": [],
    "platform/gdi": ["platform/rtl"],
    "platform/win32": ["platform/rtl", "platform/gdi"],
    "platform/png": ["platform/rtl", "platform/gdi"],
    "platform/vcl": ["platform/rtl", "platform/gdi", "platform/win32"],
    "platform/qt": ["platform/rtl", "platform/gdi", "platform/win32"],
    "support": TOOLKIT,
    "resources": TOOLKIT,
    "tile": PLAIN,
    "tileset": PLAIN + ["tile"],
    "widgets": TOOLKIT + ["support", "resources"],
    "tools/gallery": PLAIN + ["platform/qt", "support", "resources", "widgets", "tile", "tileset", "tools"],
    "tools": PLAIN + ["support", "resources", "tile", "tileset"],
    "app": PLAIN + ["platform/qt", "support", "resources", "widgets", "tile", "tileset"],
}
# Only these may see the window records behind a handle.
INTERNAL = "platform/win32/internal"
INTERNAL_USERS = ["platform/win32", "platform/qt", "tests"]

# The toolkit's concepts from the bottom up; a folder includes only those below it.
VCL_ORDER = ["components", "graphics", "controls", "standardcontrols", "menus", "dialogs", "forms"]
VCL_EXCEPTIONS = {
    # A control runs its action; the action list itself lives with menus and shortcuts.
    ("platform/vcl/controls/Control.cpp", "platform/vcl/menus/ActnList.h"),
    # A button with a modal result closes the form it stands on.
    ("platform/vcl/standardcontrols/Button.cpp", "platform/vcl/forms/Forms.h"),
    # ShowMessage captions its box with the application's title.
    ("platform/vcl/dialogs/Dialogs.cpp", "platform/vcl/forms/Application.h"),
    # A popup menu is shown through the dialog service, like every other modal question.
    ("platform/vcl/menus/Menus.cpp", "platform/vcl/dialogs/DialogService.h"),
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def layer_of(path):
    matches = [layer for layer in LAYERS if path == layer or path.startswith(layer + "/")]
    return max(matches, key=len) if matches else None


def under(path, folder):
    return path == folder or path.startswith(folder + "/")


def problems():
    folders = [top for top in ROOT.iterdir() if top.is_dir() and top.name not in ("build", ".git")]
    for file in sorted(file for top in folders for file in top.rglob("*")):
        if file.suffix not in (".h", ".cpp", ".in"):
            continue
        path = file.relative_to(ROOT).as_posix()
        text = file.read_text(encoding="utf-8", errors="replace")
        for included in INCLUDE.findall(text):
            if under(included, INTERNAL) and not any(under(path, user) for user in INTERNAL_USERS):
                yield f"{path}: includes {included}, which only win32 and the host backend may see"
            layer = layer_of(path)
            target = layer_of(included)
            if layer is None or target is None or target == layer:
                if layer == "platform/vcl" and target == layer:
                    yield from vcl_order(path, included)
                continue
            if target not in LAYERS[layer]:
                yield f"{path}: includes {included}, from {target}, above or beside {layer}"


def vcl_order(path, included):
    mine, theirs = path.split("/")[2], included.split("/")[2]
    if mine not in VCL_ORDER or theirs not in VCL_ORDER:
        yield f"{path}: {included}: a vcl folder missing from the order in {__file__}"
        return
    if VCL_ORDER.index(theirs) > VCL_ORDER.index(mine) and (path, included) not in VCL_EXCEPTIONS:
        yield f"{path}: includes {included}, from vcl/{theirs}, above vcl/{mine}"


def main():
    found = list(problems())
    for problem in found:
        print(problem)
    if found:
        print(f"{len(found)} include(s) against the layers", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
