#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Which program folder includes which: the folders' layers, read from the sources' #include lines.

    folder_graph.py SOURCE_ROOT            checks the graph: every include goes down the layers
                                           below, and no two folders include one another
    folder_graph.py SOURCE_ROOT --mermaid  prints the graph as a Mermaid flowchart
"""
import re
import sys
from pathlib import Path

# The program's folders, top first. A folder may include those after it in this list only,
# and not all of them: each names the folders it stands on.
LAYERS = {
    "app": ["home", "practice", "diploma", "game", "shell/widgets", "shell/logic", "shell"],
    "home": ["shell/widgets", "shell/appearance", "shell/logic", "shell", "assets"],
    "diploma": ["shell/widgets", "shell/printing", "shell/appearance", "shell/logic", "shell", "assets"],
    "game": ["practice", "game/rules", "shell/widgets", "shell/appearance", "shell/logic", "shell", "assets"],
    "practice": ["practice/rules", "shell/widgets", "shell/appearance", "shell/logic", "shell", "assets"],
    "shell/desktop": ["shell/printing", "shell/appearance", "shell/logic", "shell"],
    "shell/widgets": ["shell/printing", "shell/appearance", "shell/logic", "shell", "assets"],
    "shell/printing": ["shell/appearance", "shell/logic"],
    "shell/appearance": ["shell/logic", "assets"],
    "practice/rules": ["shell/logic", "assets"],
    "game/rules": ["shell/logic", "assets"],
    "shell/logic": ["shell"],
    "assets": [],
    "shell": [],
}
SOURCES = (".h", ".cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path):
    """The program folder a file (relative to the root) belongs to, or None outside them."""
    folder = str(Path(path).parent)
    while folder not in LAYERS and folder not in (".", ""):
        folder = str(Path(folder).parent)
    return folder if folder in LAYERS else None


def edges(root):
    found = {}
    for folder in LAYERS:
        for source in sorted((root / folder).glob("*")):
            if source.suffix not in SOURCES:
                continue
            for included in INCLUDE.findall(source.read_text(encoding="utf-8")):
                target = folder_of(included)
                if target is not None and target != folder:
                    found.setdefault((folder, target), []).append(f"{source.relative_to(root)} includes {included}")
    return found


def main():
    root = Path(sys.argv[1])
    found = edges(root)
    if "--mermaid" in sys.argv:
        print("flowchart TD")
        for (source, target) in sorted(found):
            print(f'    {source.replace("/", "_")}["{source}/"] --> {target.replace("/", "_")}["{target}/"]')
        return 0
    failures = [f"{why} ({source}/ may not include {target}/)"
                for (source, target), whys in sorted(found.items()) if target not in LAYERS[source] for why in whys]
    failures += [f"{a}/ and {b}/ include one another" for (a, b) in found if (b, a) in found and a < b]
    for failure in failures:
        print("folder_graph:", failure, file=sys.stderr)
    print(f"folder_graph: {len(found)} includes between {len(LAYERS)} folders, {len(failures)} out of place")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
