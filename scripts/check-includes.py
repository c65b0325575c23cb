#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Checks that every folder under src/ and platform/ includes only folders below it.

A folder is any folder of sources, named as the includes name it: "notes" for
src/notes/, "strip/tray" for src/strip/tray/, "platform/fake" for platform/fake/.
An include names its folder by its path ("notes/codec.h", "platform/clock.h");
includes without a folder are the file's own folder's.

ORDER below is the folders' order, lowest first; README's Layout section shows it
too. A folder may include the folders before it in ORDER, never one after it, and
every folder must be placed there.

Options:
  --graph   also print every folder's includes of other folders
Exits 1 when any file includes a folder above its own or a folder is not placed,
0 otherwise.
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")
# Lowest first. The platform interfaces, their Linux implementations and the test
# doubles sit under everything and know nothing of the program.
ORDER = [
    "platform",
    "platform/linux",
    "platform/fake",
    "notes",
    "session",
    "widgets",
    "alarms",
    "settings",
    "output",
    "editor",
    "strip/tray",
    "strip",
    "app",
]
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
    rank = {name: n for n, name in enumerate(ORDER)}
    faults = 0
    known = folders()
    with_sources = {name for name, top in known.items()
                    if any(f.endswith(SOURCE_SUFFIXES) for f in os.listdir(top))}
    for name in sorted(with_sources - set(rank)):
        faults += 1
        print(f"{name}: not placed in the folder order (ORDER in {os.path.relpath(__file__, ROOT)})")
    for name in sorted(edges):
        for other in sorted(edges[name]):
            if name in rank and other in rank and rank[other] > rank[name]:
                faults += 1
                print(f"{name} includes {other}, which sits above it:")
                print(f"  {' '.join(edges[name][other])}")
    if faults:
        print(f"{faults} fault(s) against the folder order: {' < '.join(ORDER)}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
