#!/usr/bin/env python3
"""Fails when a folder includes a header of a folder it may not use.

The folders and what each may use are the table of docs/architecture.md:
its first column names a folder, its last the folders it may use, each in
backticks ("everything above": every folder listed before it). A file may
always include headers of its own folder and the build's generated ones.
"""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
table = (root / "docs" / "architecture.md").read_text(encoding="utf-8")

allowed = {}
order = []
for line in table.splitlines():
    cells = [c.strip() for c in line.strip().strip("|").split("|")]
    if len(cells) < 3 or not re.fullmatch(r"`[a-z_]+/`", cells[0]):
        continue
    folder = cells[0].strip("`")
    may = set(re.findall(r"`([a-z_]+/)`", cells[-1]))
    if "everything above" in cells[-1]:
        may |= set(order)
    allowed[folder] = may | {folder}
    order.append(folder)

if not allowed:
    sys.exit("check_layers: no table of folders found in docs/architecture.md")

include = re.compile(r'^\s*#\s*include\s+"([a-z_]+/)[^"]*"', re.M)
problems = []
for folder, may in allowed.items():
    for path in sorted((root / folder).rglob("*")):
        if path.suffix not in {".h", ".cpp"}:
            continue
        for used in include.findall(path.read_text(encoding="utf-8", errors="replace")):
            if used not in may:
                problems.append(f"{path.relative_to(root)} includes {used}, which {folder} may not use")

# Folders with code that the table does not name are not checked: say so.
for path in sorted(root.iterdir()):
    if path.is_dir() and any(path.glob("*.cpp")) and f"{path.name}/" not in allowed:
        if path.name not in {"tests", "bench", "fuzz", "tools", "build"} and not path.name.startswith("build"):
            problems.append(f"{path.name}/ has code but no row in docs/architecture.md")

for p in problems:
    print(p)
if problems:
    sys.exit(1)
print(f"check_layers: {len(allowed)} folders include only what they may use")
