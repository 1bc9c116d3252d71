#!/usr/bin/env python3
"""Fails when a function of the program's own code is longer than 60 lines,
or one of its files longer than 300.

A function is what begins at namespace level with a line that has a
parameter list and opens a brace, and ends where its braces close; tables
(an initialiser after "="), classes and namespaces are not functions.
Tests, benchmarks, fuzzing targets and the asset tools are not looked at.
"""
import pathlib
import re
import sys

MOST_LINES = 60
MOST_FILE_LINES = 300
root = pathlib.Path(__file__).resolve().parent.parent
skip = {"tests", "bench", "fuzz", "tools", "scripts", "docs", "data", "cmake"}


def strip(line, in_comment):
    """The line without comments, strings and characters; and whether a block comment is still open."""
    out, i = [], 0
    while i < len(line):
        if in_comment:
            end = line.find("*/", i)
            if end < 0:
                return "".join(out), True
            i, in_comment = end + 2, False
        elif line.startswith("//", i):
            break
        elif line.startswith("/*", i):
            in_comment, i = True, i + 2
        elif line[i] in "\"'":
            quote, i = line[i], i + 1
            while i < len(line) and line[i] != quote:
                i += 2 if line[i] == "\\" else 1
            i += 1
        else:
            out.append(line[i])
            i += 1
    return "".join(out), in_comment


def functions(path):
    depth, start, header, in_comment, namespaces = 0, None, "", False, 0
    for number, raw in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
        code, in_comment = strip(raw, in_comment)
        if code.lstrip().startswith("#"):
            continue  # the preprocessor's lines are no code of a function's header
        if depth == namespaces and start is None:
            header = (header + " " + code).strip() if code.strip() else header
        for ch in code:
            if ch == "{":
                if depth == namespaces and start is None:
                    if re.match(r"^(inline\s+)?namespace\b", header) or header.startswith("extern"):
                        namespaces += 1
                    elif "(" in header and "=" not in header.split("(")[0] and not re.match(
                            r"^(class|struct|enum|union)\b", header):
                        start = (number, header)
                depth += 1
            elif ch == "}":
                depth -= 1
                if depth < namespaces:
                    namespaces = depth
                if start and depth == namespaces:
                    yield start[0], number - start[0] + 1, start[1]
                    start = None
        if depth == namespaces and start is None and code.rstrip().endswith((";", "}")):
            header = ""


problems = []
for path in sorted(list(root.rglob("*.cpp")) + list(root.rglob("*.h"))):
    parts = path.relative_to(root).parts
    if parts[0] in skip or parts[0].startswith("build"):
        continue
    lines = len(path.read_text(encoding="utf-8", errors="replace").splitlines())
    if lines > MOST_FILE_LINES:
        problems.append(f"{path.relative_to(root)}: {lines} lines long")
    if path.suffix != ".cpp":
        continue
    for line, length, header in functions(path):
        if length > MOST_LINES:
            name = re.sub(r"\s*\(.*", "", header).split()[-1]
            problems.append(f"{path.relative_to(root)}:{line}: {name} is {length} lines long")
for p in problems:
    print(p)
if problems:
    sys.exit(1)
print(f"check_functions: no function of the program is over {MOST_LINES} lines, no file over {MOST_FILE_LINES}")
