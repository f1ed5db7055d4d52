#!/usr/bin/env python3
"""The include graph among the files of one source folder (src/client by default): how many files,
how many include arrows between them (and how many of those cross from one folder to another), and how deep the longest chain of includes runs.

    tools/include_graph.py [FOLDER] [--edges]

Only includes that name another file of the folder count: "client/play/rackview.h", a sibling
"rackview.h", or a path relative to src/. A file's .h and .cpp are separate nodes, so an arrow from
rackview.cpp to rackview.h counts like any other."""

import os
import re
import sys
from functools import lru_cache

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    folder = os.path.normpath(args[0] if args else "src/client")
    src = os.path.dirname(folder) if os.path.basename(os.path.dirname(folder)) != "" else "."
    files = {}
    for root, _, names in os.walk(folder):
        for n in names:
            if n.endswith((".h", ".cpp")):
                path = os.path.relpath(os.path.join(root, n), src)
                files[path] = os.path.join(root, n)
    edges = {f: set() for f in files}
    for f, full in files.items():
        with open(full, encoding="utf-8", errors="replace") as text:
            for name in INCLUDE.findall(text.read()):
                for target in (os.path.normpath(os.path.join(os.path.dirname(f), name)), os.path.normpath(name)):
                    if target in files and target != f:
                        edges[f].add(target)
                        break

    @lru_cache(maxsize=None)
    def depth(f):
        return 1 + max((depth(t) for t in edges[f]), default=0)

    arrows = sum(len(t) for t in edges.values())
    across = sum(1 for f, ts in edges.items() for t in ts if os.path.dirname(f) != os.path.dirname(t))
    print(f"files {len(files)}  arrows {arrows} ({across} between folders)  depth {max(map(depth, files), default=0)}")
    if "--edges" in sys.argv:
        for f in sorted(edges):
            for t in sorted(edges[f]):
                print(f"{f} -> {t}")


if __name__ == "__main__":
    main()
