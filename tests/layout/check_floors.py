#!/usr/bin/env python3
"""Fails when a program file includes a folder on a higher floor than its own, or the two
windows' folders, contents and pad, include each other. A folder may include itself."""
import pathlib
import re
import sys

FLOORS = {
    "app": 6,
    "contents": 5,
    "pad": 5,
    "dialogs": 4,
    "launch": 3,
    "padfile": 2,
    "settings": 1,
    "framework": 0,
    "res": -1,
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^/"]+)/')

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
faults = []
for folder, floor in FLOORS.items():
    for path in sorted((root / folder).glob("*")):
        if path.suffix not in (".h", ".cpp", ".rc"):
            continue
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            target = match and match.group(1)
            if not target or target == folder:
                continue
            if target not in FLOORS or FLOORS[target] >= floor:
                faults.append(f"{path.relative_to(root)}:{number}: {folder}/ includes {target}/")
for fault in faults:
    print(fault)
print(f"{len(faults)} includes climb a floor")
sys.exit(1 if faults else 0)
