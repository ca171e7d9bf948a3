#!/usr/bin/env python3
"""Fails when an include under src/ runs from a lower layer to a higher one.

Layers, bottom up: base; the ports (platform); the Win32 kit and adapters
(platform/win32); the subsystems, ranked below; the views (<subsystem>/win32).
A subsystem may include base, the ports and subsystems ranked below it; a view
may include those, the Win32 kit, its own subsystem and the views of
subsystems ranked below its own. A folder missing from the ranks fails too, so
a new subsystem is placed on purpose.
"""
import pathlib
import re
import sys

SUBSYSTEM_RANKS = {
    "config": 1, "imaging": 1, "help": 1, "skin": 1,
    "controls": 2,
    "desktop": 3, "scheduler": 3,
    "dialogs": 4, "updater": 4,
    "app": 5, "removal": 5,
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def layer_of(relative):
    """(folder, is_view) of a path under src/, e.g. ("app", True) for app/win32/x.h."""
    parts = pathlib.PurePosixPath(relative).parts
    return parts[0], len(parts) > 2 and parts[1] == "win32"


def allowed(source, target):
    (src, src_view), (dst, dst_view) = source, target
    if src == "base":
        return dst == "base"
    if src == "platform":
        return dst == "base" or (dst == "platform" and (src_view or not dst_view))
    if dst in ("base", "platform"):
        return not dst_view or src_view
    if src not in SUBSYSTEM_RANKS or dst not in SUBSYSTEM_RANKS:
        return False
    if not src_view:
        return not dst_view and (dst == src or SUBSYSTEM_RANKS[dst] < SUBSYSTEM_RANKS[src])
    if dst == src:
        return True
    below = SUBSYSTEM_RANKS[dst] < SUBSYSTEM_RANKS[src]
    return below


def violations(src_root):
    found = []
    for path in sorted(src_root.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = path.relative_to(src_root).as_posix()
        source = layer_of(relative)
        if source[0] not in SUBSYSTEM_RANKS and source[0] not in ("base", "platform"):
            found.append(f"{relative}: folder {source[0]}/ has no layer")
            continue
        for included in INCLUDE.findall(path.read_text(encoding="latin-1")):
            if "/" in included and not allowed(source, layer_of(included)):
                found.append(f"{relative}: includes {included}, a higher layer")
    return found


def main():
    src_root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    found = violations(src_root)
    for line in found:
        print(line)
    print(f"{len(found)} include(s) against the layers")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
