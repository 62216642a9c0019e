#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The committed pictures of Phevos and Athena are what scripts/draw_sports.py draws, byte for byte.

    drawn_pictures.py SOURCE_ROOT

Draws every picture afresh into a folder of its own and compares each with the one in the tree;
a sport's picture in the tree that the script no longer draws fails too.
"""
import subprocess
import sys
import tempfile
from pathlib import Path


def main(root):
    differ = []
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([sys.executable, str(root / "scripts" / "draw_sports.py"), "--into", folder],
                       check=True, stdout=subprocess.DEVNULL)
        drawn = sorted(path.relative_to(folder) for path in Path(folder).rglob("*.svg"))
        for picture in drawn:
            committed = root / picture
            if not committed.is_file():
                differ.append(f"{picture}: drawn, but not in the tree")
            elif committed.read_bytes() != (Path(folder) / picture).read_bytes():
                differ.append(f"{picture}: not what the script draws")
        for committed in sorted((root / "assets" / "sports").glob("*.svg")):
            if committed.relative_to(root) not in drawn:
                differ.append(f"{committed.relative_to(root)}: in the tree, but the script draws no such sport")
    for line in differ:
        print(line)
    print(f"{len(drawn)} pictures drawn, {len(differ)} not as committed "
          "(python3 scripts/draw_sports.py redraws them)")
    return 1 if differ or not drawn else 0


if __name__ == "__main__":
    sys.exit(main(Path(sys.argv[1]).resolve()))
