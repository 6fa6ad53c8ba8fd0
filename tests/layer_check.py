#!/usr/bin/env python3
"""Fails when a source file includes what its layer may not use.

Each file's layer is told by the library its feature folder's CMakeLists.txt
puts it in (a header takes the layer of its .cpp, else the lowest layer of its
folder). A file may include headers of its own layer and of the layers below,
and Qt headers of the modules its layer may use, in any spelling (<QWidget>,
<QtWidgets/QWidget>, <QtWidgets>, <qwidget.h>).

    layer_check.py --root SOURCE_DIR --qt-include QT_HEADERS_DIR
"""

import argparse
import os
import re
import sys

# The rules. Layers from the bottom up: the name, the cheqbook_sources()
# keywords whose files are in it, and the Qt modules it may use (None: any).
LAYERS = [
    ("core", ["CORE"], {"QtCore"}),
    ("paper", ["PAPER", "PALETTE"], {"QtCore", "QtGui"}),
    ("window", ["CHARTS", "WINDOW"], None),
]
# Files outside the layers' libraries, with the layer of what they link: the
# programs, and the register window's registration, linked into each program.
OUTSIDE_LIBRARIES = {
    "cli": "paper",
    "app/main.cpp": "window",
    "register/window/RegisterDocumentWindow.cpp": "window",
}
# Folders where the code lives.
SOURCE_FOLDERS = ["app", "register", "fields", "sample", "cli"]
# Folders that must never include a file of another, whatever their layers.
FORBIDDEN = [
    ("app/document", "register/window",
     "the document reaches its window only through DocumentWindow"),
    ("app/desktop", "register/window",
     "the shell makes the register window through the window factory and talks to it through DocumentWindow"),
]
# The window's controller is included only by the files that hold its
# methods: its own folder, a feature's thin commands (…Commands.cpp) and the
# files this names. A feature's class of its own (the drawer, the entry
# fields) talks to the window through signals, or it would grow back into it.
CONTROLLER = "register/window/MyWindowController.h"
CONTROLLER_INCLUDERS = re.compile(
    r"^register/(window/[^/]+|.+/\w+Commands\.cpp|entry/Transaction(Entry|Deletion)\.cpp"
    r"|table/RegisterTableModel\.cpp)$")

SOURCE_SUFFIXES = (".cpp", ".h")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SOURCES_CALL = re.compile(r"cheqbook_sources\s*\((.*?)\)", re.S)


def layer_rank(name):
    return [layer[0] for layer in LAYERS].index(name)


def keyword_layers():
    return {keyword: name for name, keywords, _ in LAYERS for keyword in keywords}


def listed_layers(root):
    """The layer of each source file a folder's CMakeLists.txt lists."""
    layers = {}
    by_keyword = keyword_layers()
    for folder, _, files in os.walk(root):
        if "CMakeLists.txt" not in files:
            continue
        with open(os.path.join(folder, "CMakeLists.txt"), encoding="utf-8") as f:
            text = re.sub(r"#.*", "", f.read())
        for call in SOURCES_CALL.findall(text):
            keyword = None
            for word in call.split():
                if word in by_keyword:
                    keyword = word
                elif keyword is None:
                    raise SystemExit(f"{folder}/CMakeLists.txt: {word} is listed before any layer")
                else:
                    path = os.path.relpath(os.path.join(folder, word), root)
                    layers[path] = by_keyword[keyword]
    return layers


def source_files(root):
    for top in SOURCE_FOLDERS:
        for folder, _, files in os.walk(os.path.join(root, top)):
            for name in sorted(files):
                if name.endswith(SOURCE_SUFFIXES):
                    yield os.path.relpath(os.path.join(folder, name), root)


def file_layers(root, files):
    listed = listed_layers(root)
    layers = {}
    folder_lowest = {}
    for path, layer in listed.items():
        folder = os.path.dirname(path)
        if folder not in folder_lowest or layer_rank(layer) < layer_rank(folder_lowest[folder]):
            folder_lowest[folder] = layer
    for path in files:
        program = next((layer for prefix, layer in OUTSIDE_LIBRARIES.items()
                        if path == prefix or path.startswith(prefix + "/")), None)
        stem = os.path.splitext(path)[0]
        if program:
            layers[path] = program
        elif path in listed:
            layers[path] = listed[path]
        elif stem + ".cpp" in listed:
            layers[path] = listed[stem + ".cpp"]
        elif os.path.dirname(path) in folder_lowest:
            layers[path] = folder_lowest[os.path.dirname(path)]
    return layers


def qt_modules(qt_include):
    """Every Qt header name, and each module's own name, to its module."""
    modules = {}
    for module in sorted(os.listdir(qt_include)):
        folder = os.path.join(qt_include, module)
        if not module.startswith("Qt") or not os.path.isdir(folder):
            continue
        modules.setdefault(module, module)
        for name in os.listdir(folder):
            modules.setdefault(name, module)
    if "QtCore" not in modules:
        raise SystemExit(f"{qt_include} holds no Qt headers (no QtCore folder)")
    return modules


def qt_module(header, modules):
    first = header.split("/")[0]
    if "/" in header and first.startswith("Qt"):
        return first
    return modules.get(header)


def check(root, qt_include):
    """The violations, each as 'file:line: what is wrong'."""
    files = list(source_files(root))
    layers = file_layers(root, files)
    by_name = {}
    for path in files:
        by_name.setdefault(os.path.basename(path), path)
    modules = qt_modules(qt_include)
    allowed_qt = {name: qt for name, _, qt in LAYERS}
    problems = []
    for path in files:
        layer = layers.get(path)
        if layer is None:
            problems.append(f"{path}:1: in no library: list it in its folder's CMakeLists.txt")
            continue
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
            lines = f.readlines()
        for number, line in enumerate(lines, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, header = match.groups()
            where = f"{path}:{number}: #include {bracket}{header}{'>' if bracket == '<' else chr(34)}"
            module = qt_module(header, modules) if bracket == "<" else None
            if module and allowed_qt[layer] is not None and module not in allowed_qt[layer]:
                problems.append(f"{where}: a {layer}-layer file may use {', '.join(sorted(allowed_qt[layer]))} "
                                f"only, not {module}")
                continue
            if bracket != '"':
                continue
            name = os.path.basename(header)
            target = by_name.get(name)
            target_layer = "window" if name.startswith("ui_") else layers.get(target)
            banned = [f"{folder} never includes {banned}: {why}" for folder, banned, why in FORBIDDEN
                      if target and os.path.dirname(path) == folder and os.path.dirname(target) == banned]
            if banned:
                problems.append(f"{where}: {banned[0]}")
            elif target_layer and layer_rank(target_layer) > layer_rank(layer):
                problems.append(f"{where}: a {layer}-layer file may not include a {target_layer}-layer header")
            elif target == CONTROLLER and not CONTROLLER_INCLUDERS.match(path):
                problems.append(f"{where}: only the window's commands include its controller: a feature's class "
                                "talks to it through signals")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", required=True)
    parser.add_argument("--qt-include", required=True)
    args = parser.parse_args()
    problems = check(args.root, args.qt_include)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} include(s) break the layers", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
