#!/usr/bin/env python3
"""Checks the include graph of the product code against the layer order.

A file may include files of its own folder and of folders of a lower rank,
never of a higher or equal one, never of another program's folders, and no
Qt header below the Qt layers. Every product source must sit in a folder of
the table. Tests, benchmarks, fuzz targets and tools are not checked.

    scripts/check-layers.py [SOURCE_ROOT]      exit 0 clean, 1 on a violation
"""
import pathlib
import re
import subprocess
import sys

# Bottom to top: (folder, rank, program that owns it or None).
LAYERS = [
    ("records", 1, None),                # records, validity, checksum
    ("engine", 2, None),                 # numbers in, numbers out
    ("values", 3, None),                 # core: value texts, the point with its texts
    ("params", 4, None),                 # core: parameter files, lists, stores, field rules
    ("filetransform", 5, None),          # core: point files and runs
    ("program", 6, None),                # core: settings, paths, display list, start-up
    ("interactive", 7, None),            # core: the main form's logic
    ("editor", 8, "tessparams"),         # core of the parameter editor
    ("cli", 8, "tessara-cli"),           # the command-line program
    ("widgets", 10, None),               # Qt: shared widgets and helpers
    ("values/dialogs", 11, None),        # Qt: dialogs beside their area
    ("params/dialogs", 12, None),
    ("filetransform/dialogs", 13, None),
    ("interactive/dialogs", 14, None),
    ("interactive/ui", 14, None),        # Qt: the main form's widgets
    ("app/dialogs", 15, "tessara"),      # Qt: the program's own dialogs
    ("app/shell", 16, "tessara"),        # Qt: the main window shell
    ("editor/ui", 16, "tessparams"),     # Qt: the parameter editor's windows
]
FIRST_QT_RANK = 10
SKIPPED = ("tests/", "bench/", "fuzz/", "tools/", "build")

QT_INCLUDE = re.compile(r'^\s*#\s*include\s*<(Q[A-Za-z]*|Qt[A-Za-z]+/[^>]*)>')
OUR_INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def layer_of(path):
    best = None
    for entry in LAYERS:
        folder = entry[0]
        if path.startswith(folder + "/") and (best is None or len(folder) > len(best[0])):
            best = entry
    return best


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
    files = subprocess.run(["git", "-C", str(root), "ls-files", "*.h", "*.cpp"],
                           check=True, capture_output=True, text=True).stdout.split()
    faults = []
    for name in files:
        if name.startswith(SKIPPED):
            continue
        own = layer_of(name)
        if own is None:
            faults.append(f"{name}: not in a folder of the layer table")
            continue
        lines = (root / name).read_text(encoding="utf-8").splitlines()
        for number, line in enumerate(lines, 1):
            where = f"{name}:{number}"
            if QT_INCLUDE.match(line) and own[1] < FIRST_QT_RANK:
                faults.append(f"{where}: Qt header in the core layer '{own[0]}'")
                continue
            match = OUR_INCLUDE.match(line)
            if not match:
                continue
            target = layer_of(match.group(1))
            if target is None:
                faults.append(f"{where}: includes '{match.group(1)}', outside the layer table")
            elif target[0] == own[0]:
                continue
            elif own[2] and target[2] and own[2] != target[2]:
                faults.append(f"{where}: the program {own[2]} includes from {target[2]} ('{target[0]}')")
            elif target[1] >= own[1]:
                faults.append(f"{where}: '{own[0]}' (rank {own[1]}) includes from "
                              f"'{target[0]}' (rank {target[1]})")
    for fault in faults:
        print(fault)
    if faults:
        print(f"layers: {len(faults)} include(s) against the layer order", file=sys.stderr)
        return 1
    print("layers: every include follows the layer order")
    return 0


if __name__ == "__main__":
    sys.exit(main())
