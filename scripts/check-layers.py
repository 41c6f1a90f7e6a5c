#!/usr/bin/env python3
"""Checks that no source file includes a project folder above its own layer.

Each folder may include itself and the folders listed for it below; tests/ and bench/ may
include anything. Folders not in the table (build trees, html, data) are not looked at.

Usage: scripts/check-layers.py [project folder]   (exit status 1 on any fault, each printed as
file:line: what)
"""

import re
import sys
from pathlib import Path

LAYERS = {
    "text": [],
    "store": ["text"],
    "platform": ["text"],
    "exchange": ["text", "store", "platform"],
    "tools": ["text", "store"],
    "core": ["text", "store", "platform", "exchange", "tools"],
    "widgets": ["text"],
    "cards": ["text", "store", "platform", "core", "widgets"],
    "browse": ["text", "store", "platform", "core", "widgets", "cards"],
    "app": ["text", "store", "platform", "exchange", "tools", "core", "widgets", "cards", "browse"],
    # korvand-producer, the producer's server and the editors' commands.
    "producer": ["text", "store", "platform", "exchange"],
    # handbook-makedb, the database maker.
    "db": ["text", "store"],
}
EXEMPT = {"tests", "bench"}
PROJECT_FOLDERS = set(LAYERS) | EXEMPT
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}
INCLUDE = re.compile(r'^\s*#\s*include\s*["<]([^">]+)[">]')


def faults_in(path, folder, root):
    allowed = set(LAYERS[folder]) | {folder}
    text = path.read_text(encoding="utf-8", errors="replace")
    for number, line in enumerate(text.splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        included = match.group(1).split("/")[0]
        if "/" in match.group(1) and included in PROJECT_FOLDERS and included not in allowed:
            yield (f"{path.relative_to(root)}:{number}: {folder}/ may not include {included}/: "
                   f"{line.strip()}")


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent)
    faults = []
    for folder in LAYERS:
        sources = [p for p in (root / folder).rglob("*") if p.suffix in SOURCE_SUFFIXES and p.is_file()]
        for path in sorted(sources):
            faults.extend(faults_in(path, folder, root))
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) against the layers")
        return 1
    print("layers kept")
    return 0


if __name__ == "__main__":
    sys.exit(main())
