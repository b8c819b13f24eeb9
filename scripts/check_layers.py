#!/usr/bin/env python3
"""Checks the folder layers of src/ from its #include lines.

    check_layers.py SRC_DIR [QT_HEADERS_DIR]

A folder may include its own folder and the folders below it, in this order:
util < errors < platform < barcode < objects < template < settings < data
< jobs < platform/widgets < dialogs < designer < control. The folders up to jobs
build the core library, which must not include a QtWidgets or
QtPrintSupport header. Prints every offending line; exit status 1 if any.
"""
import os
import re
import sys

LAYERS = ["util", "errors", "platform", "barcode", "objects", "template", "settings", "data", "jobs",
          "platform/widgets", "dialogs", "designer", "control"]
CORE = set(LAYERS[:LAYERS.index("jobs") + 1])
WIDGET_MODULES = ("QtWidgets", "QtPrintSupport", "QtOpenGLWidgets")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]')


def layer_of(path):
    """The layer of a path relative to src/, or None outside the layers."""
    parts = path.split("/")
    if len(parts) > 2 and parts[0] == "platform" and parts[1] == "widgets":
        return "platform/widgets"
    return parts[0] if len(parts) > 1 and parts[0] in LAYERS else None


def widget_headers(qt_headers):
    names = set()
    for module in WIDGET_MODULES:
        folder = os.path.join(qt_headers, module)
        if os.path.isdir(folder):
            names.update(os.listdir(folder))
    return names


def main():
    src = os.path.abspath(sys.argv[1])
    widget_names = widget_headers(sys.argv[2]) if len(sys.argv) > 2 else set()
    problems = []
    for root, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp", ".h.in")):
                continue
            path = os.path.relpath(os.path.join(root, name), src)
            own = layer_of(path)
            if own is None:
                problems.append(f"{path}: folder not in the layer order")
                continue
            with open(os.path.join(root, name), encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    target = m.group(1)
                    if target.startswith("."):
                        target = os.path.normpath(os.path.join(os.path.dirname(path), target))
                    module = target.split("/")[0]
                    if own in CORE and (module in WIDGET_MODULES or target in widget_names):
                        problems.append(f"{path}:{number}: core includes widgets header <{m.group(1)}>")
                        continue
                    other = layer_of(target)
                    if other is not None and LAYERS.index(other) > LAYERS.index(own):
                        problems.append(f"{path}:{number}: {own} includes {other} ({m.group(1)})")
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
