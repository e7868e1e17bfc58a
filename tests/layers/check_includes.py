#!/usr/bin/env python3
"""Checks that includes run downward only: app over the features, the
features over ui and files, those over core, core over platform and
resources; no feature includes another's widgets; logic includes no
widgets; the features' logic includes no circle."""
import pathlib
import re
import sys

RANK = {"resources": 0, "platform": 0, "crypto": 0, "core": 1, "files": 2, "ui": 3,
        "session": 4, "criteria": 4, "ideas": 4, "evaluation": 4, "reports": 4, "settings": 4,
        "app": 5}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def is_widget_code(parts):
    return parts[0] in ("ui", "app") or "widgets" in parts or parts[:2] == ("platform", "qt")


def main(src):
    src = pathlib.Path(src)
    faults = []
    feature_edges = {}
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        own = path.relative_to(src).parts
        for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
            into = tuple(target.split("/"))
            if into[0] not in RANK or own[0] not in RANK:
                continue
            where = f"{'/'.join(own)} includes {target}"
            if into[0] != own[0] and RANK[into[0]] > RANK[own[0]]:
                faults.append(f"{where}: an include that runs up")
            if into[0] != own[0] and RANK[into[0]] == RANK[own[0]] == 4:
                if "widgets" in into:
                    faults.append(f"{where}: a sibling feature's widgets")
                elif not is_widget_code(own):
                    feature_edges.setdefault(own[0], set()).add(into[0])
            if not is_widget_code(own) and is_widget_code(into):
                faults.append(f"{where}: logic that includes widgets")

    # A circle among the features' logic.
    state = {}

    def visit(node, trail):
        state[node] = "open"
        for nxt in sorted(feature_edges.get(node, ())):
            if state.get(nxt) == "open":
                faults.append("a circle of includes: " + " -> ".join(trail + [node, nxt]))
            elif nxt not in state:
                visit(nxt, trail + [node])
        state[node] = "done"

    for node in sorted(feature_edges):
        if node not in state:
            visit(node, [])

    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
