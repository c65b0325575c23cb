#!/usr/bin/env python3
"""Prints the folder pairs under src/ and platform/ that include each other.

A folder is a folder right under src/ (a subfolder counts with its parent, so
src/strip/tray/ is part of strip) or platform/ as a whole. An include names its
folder by its first path part ("notes/codec.h", "platform/clock.h"); includes
without a folder are the file's own folder's.

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
    src = os.path.join(ROOT, "src")
    for name in sorted(os.listdir(src)):
        if os.path.isdir(os.path.join(src, name)):
            found[name] = os.path.join(src, name)
    found["platform"] = os.path.join(ROOT, "platform")
    return found


def included_folders(path, known):
    """The known folders that one source file includes."""
    result = set()
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            match = INCLUDE.match(line)
            if not match:
                continue
            parts = match.group(1).split("/")
            if len(parts) > 1 and parts[0] in known:
                result.add(parts[0])
    return result


def graph():
    """Maps each folder to {included folder: [including files]}."""
    known = folders()
    edges = {}
    for name, top in known.items():
        for dirpath, _, files in os.walk(top):
            for file in sorted(files):
                if not file.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.join(dirpath, file)
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
