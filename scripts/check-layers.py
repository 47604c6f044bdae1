#!/usr/bin/python3
"""Fails when a file of the add-on includes a layer above its own, or the stand-in's test helpers.

The layers and what each may include (the same graph as the layer libraries in CMakeLists.txt):
    host access (engine/host)            -
    engine (engine, engine/calculation)  host access
    xlsx adapter (export/xlsx)           -
    bill writers (export)                engine, host access, xlsx adapter
    palette                              bill writers and all below
    add-on entry (addon)                 palette and all below
The host's interfaces (GS.hpp, ACAPinc.hpp, ...) are open to every layer; hostplatform/ is open to none.
docs/architecture.md maps the layers, the one allowed exception and a walk through the code.

usage: check-layers.py [ROOT]     (ROOT defaults to the repository)
"""
import os
import re
import sys

# Longest prefix first, so engine/host is not taken for engine.
LAYERS = [
    ("engine/host/", "host access"),
    ("engine/", "engine"),
    ("export/xlsx/", "xlsx adapter"),
    ("export/", "bill writers"),
    ("palette/", "palette"),
    ("addon/", "add-on entry"),
]
BELOW = {
    "host access": set(),
    "engine": {"host access"},
    "xlsx adapter": set(),
    "bill writers": {"engine", "host access", "xlsx adapter"},
    "palette": {"bill writers", "engine", "host access", "xlsx adapter"},
    "add-on entry": {"palette", "bill writers", "engine", "host access", "xlsx adapter"},
}
# Edges upward that a name which must stay forces: (including file, included file).
ALLOWED = {
    # Main::GetObjectSizeParameters is a member of the host access class and fills an engine Article.
    ("engine/host/MainParameters.cpp", "engine/Article.hpp"),
}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCE_SUFFIXES = (".cpp", ".hpp", ".h")


def layer_of(path):
    return next((layer for prefix, layer in LAYERS if path.startswith(prefix)), None)


def resolve(root, including, name):
    """The included file relative to ROOT, or None for a file outside the add-on (the host's headers)."""
    beside = os.path.normpath(os.path.join(os.path.dirname(including), name))
    for candidate in (beside, os.path.normpath(name)):
        if os.path.isfile(os.path.join(root, candidate)):
            return candidate
    return None


def findings_of(root, path):
    own = layer_of(path)
    with open(os.path.join(root, path), encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            name = match.group(1)
            if name.startswith("hostplatform/"):
                yield f"{path}:{number}: includes the stand-in's {name}"
                continue
            target = resolve(root, path, name)
            layer = layer_of(target) if target else None
            if layer is None or layer == own or layer in BELOW[own] or (path, target) in ALLOWED:
                continue
            yield f"{path}:{number}: the {own} layer includes {target} of the {layer} layer, not below it"


def sources(root):
    for top in sorted({prefix.split("/")[0] for prefix, _ in LAYERS}):
        for folder, _, files in sorted(os.walk(os.path.join(root, top))):
            for name in sorted(files):
                if name.endswith(SOURCE_SUFFIXES):
                    yield os.path.relpath(os.path.join(folder, name), root)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    findings = [finding for path in sources(root) for finding in findings_of(root, path)]
    for finding in findings:
        print(finding)
    if findings:
        print(f"check-layers: {len(findings)} include(s) against the layers", file=sys.stderr)
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
