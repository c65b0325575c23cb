#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Prints the folder pairs under src/ and platform/ that include each other.

A folder is any folder of sources, named as the includes name it: "notes" for
src/notes/, "strip/tray" for src/strip/tray/, "platform/fake" for platform/fake/.
An include names its folder by its path ("notes/codec.h", "platform/clock.h");
includes without a folder are the file's own folder's.

Options:
  --graph   also print every folder's includes of other folders
Exits 1 when any pair includes each other, 0 otherwise.
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]')


def folders():
    """Maps each folder's name to its path on disk."""
    found = {}
    for top, base in (("src", os.path.join(ROOT, "src")), ("platform", ROOT)):
        for dirpath, _, _ in os.walk(os.path.join(ROOT, top)):
            name = os.path.relpath(dirpath, base)
            if name != ".":
                found[name] = dirpath
    return found


def included_folders(path, known):
    """The known folders that one source file includes."""
    result = set()
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            match = INCLUDE.match(line)
            if not match:
                continue
            folder = os.path.dirname(match.group(1))
            if folder in known:
                result.add(folder)
    return result


def graph():
    """Maps each folder to {included folder: [including files]}."""
    known = folders()
    edges = {}
    for name, top in known.items():
        for file in sorted(os.listdir(top)):
            if not file.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(top, file)
            for other in included_folders(path, known):
                if other != name:
                    rel = os.path.relpath(path, ROOT)
                    edges.setdefault(name, {}).setdefault(other, []).append(rel)
    return edges


def main():
    edges = graph()
    if "--graph" in sys.argv[1:]:
        for name in sorted(edges):
            print(f"{name} -> {', '.join(sorted(edges[name]))}")
    pairs = 0
    for a in sorted(edges):
        for b in sorted(edges[a]):
            if a < b and a in edges.get(b, {}):
                pairs += 1
                print(f"{a} <-> {b}")
                print(f"  {a} -> {b}: {' '.join(edges[a][b])}")
                print(f"  {b} -> {a}: {' '.join(edges[b][a])}")
    if pairs:
        print(f"{pairs} folder pair(s) include each other")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
