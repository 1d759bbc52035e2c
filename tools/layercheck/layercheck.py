#!/usr/bin/env python3
"""Fails on any #include "..." that reaches from a layer into a later one.

Usage: layercheck.py [ROOT]   (ROOT defaults to the repository)

Reads every .h and .cpp under ROOT/source and ROOT/game/source and places
each file and each include by the layer table beside this script. An include
is looked up in the including file's own tree first, then in ROOT/source.
Prints "file:line: ..." for each fault and exits 1 when there is one.
"""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TREES = ("source", "game/source")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def read_table(path):
    layers = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f):
            line = line.split("#", 1)[0].split()
            for entry in line:
                layers[entry.rstrip("/")] = number
    return layers


def layer_of(path, layers):
    """The layer of a repository-relative path: its longest listed prefix."""
    best, best_len = None, -1
    for entry, layer in layers.items():
        if (path == entry or path.startswith(entry + "/")) and len(entry) > best_len:
            best, best_len = layer, len(entry)
    return best


def check(root, layers):
    faults = []
    for tree in TREES:
        base = os.path.join(root, tree)
        if not os.path.isdir(base):
            continue
        for folder, dirs, files in os.walk(base):
            dirs.sort()
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                full = os.path.join(folder, name)
                rel = os.path.relpath(full, root)
                own = layer_of(rel, layers)
                # Files directly in a tree's root (none today) are not layered.
                if own is None and os.path.dirname(rel) != tree:
                    faults.append(f"{rel}:1: folder not in the layer table")
                    continue
                with open(full, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m or "/" not in m.group(1) or own is None:
                            continue
                        target = None
                        for candidate in (tree, "source"):
                            path = os.path.join(candidate, m.group(1))
                            if os.path.exists(os.path.join(root, path)):
                                target = path
                                break
                        if target is None:
                            target = os.path.join(tree, m.group(1))
                        theirs = layer_of(os.path.normpath(target), layers)
                        if theirs is None:
                            faults.append(f"{rel}:{number}: includes {m.group(1)}, "
                                          "which is in no layer")
                        elif theirs > own:
                            faults.append(f"{rel}:{number}: includes {m.group(1)}, "
                                          "from a higher layer")
    return faults


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", ".."))
    faults = check(root, read_table(os.path.join(HERE, "layers.txt")))
    for fault in faults:
        print(fault)
    if faults:
        print(f"layercheck: {len(faults)} include(s) against the layer order", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
