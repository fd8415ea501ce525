#!/usr/bin/env python3
"""Fails when an include runs up a floor, back down a floor's order of rooms, or across
between two features' screens. Each floor folder under src/ is an include root."""
import pathlib
import re
import sys

# Floors from the ground up, each with its rooms in the order they may use one another:
# a room includes only itself and the rooms before it, and anything on a lower floor.
FLOORS = {
    "ground": ["files", "texts", "look", "desktop", "pictures", "printing", "printer"],
    "model": ["classroom", "quiz", "braille", "viewers", "printouts", "worksheets", "exchange",
              "results"],
    "screens": ["controls", "frame", "quiz", "braille", "viewers", "worksheets", "shell"],
    "frontends": ["commandline", "launcher", "program"],
}
# Features' screens stand side by side: none includes another's. The shell leads to them all.
FEATURES = {"quiz", "braille", "viewers", "worksheets"}

src = pathlib.Path(sys.argv[1])
order = list(FLOORS)
include = re.compile(r'^#include "([^"]+)"', re.M)
faults = []

for floor in order:
    for path in sorted((src / floor).rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        room = path.relative_to(src / floor).parts[0]
        if room not in FLOORS[floor]:
            faults.append(f"{path}: the room {room} has no place among the floors")
            continue
        for name in include.findall(path.read_text(encoding="utf-8")):
            held = [f for f in order if (src / f / name).is_file()]
            if not held:
                continue  # generated, such as a moc file
            if len(held) > 1:
                faults.append(f"{path}: {name} is held by {' and '.join(held)}")
                continue
            to_floor, to_room = held[0], name.split("/")[0]
            here = f"{path.relative_to(src)} includes {to_floor}/{name}"
            if order.index(to_floor) > order.index(floor):
                faults.append(f"{here}: up a floor")
            elif to_floor == floor and FLOORS[floor].index(to_room) > FLOORS[floor].index(room):
                faults.append(f"{here}: up the floor's order of rooms")
            elif to_floor == floor == "screens" and to_room != room and {room, to_room} <= FEATURES:
                faults.append(f"{here}: across between two features")

print("\n".join(faults) or "every include stands on a lower floor or room")
sys.exit(1 if faults else 0)
