#!/usr/bin/env python3
"""The layer check catches each way a file can reach above its layer, on a
small tree of its own, and passes a tree that keeps to its layers."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layer_check  # noqa: E402

QT_HEADERS = {
    "QtCore": ["QString", "qstring.h"],
    "QtGui": ["QColor", "QPainter"],
    "QtWidgets": ["QWidget", "qwidget.h"],
    "QtPrintSupport": ["QPrinter"],
}

FOLDER_LISTS = {
    "app/money/CMakeLists.txt": "cheqbook_sources(CORE Money.cpp)\n",
    "app/document/CMakeLists.txt": "cheqbook_sources(CORE MyDocument.cpp)\n",
    "register/print/CMakeLists.txt": "cheqbook_sources(\n  CORE Report.cpp\n  PAPER PrintedRegister.cpp\n"
                                     "  WINDOW PrintCommands.cpp)\n",
    "register/window/CMakeLists.txt": "cheqbook_sources(WINDOW MyWindowController.cpp)\n",
    "register/balancing/CMakeLists.txt": "cheqbook_sources(WINDOW BalancingCommands.cpp BalancingDrawer.cpp)\n",
}

CLEAN = {
    "app/money/Money.h": "#pragma once\n#include <QString>\n",
    "app/money/Money.cpp": '#include "Money.h"\n#include <QtCore/QString>\n#include <vector>\n',
    "app/document/MyDocument.h": '#include "Money.h"\n#include "Progress.h"\nclass QMainWindow;\n',
    "app/document/Progress.h": "#include <qstring.h>\n",
    "app/document/MyDocument.cpp": '#include "MyDocument.h"\n',
    "register/print/Report.cpp": '#include "Money.h"\n',
    "register/print/PrintedRegister.h": "#include <QPainter>\n",
    "register/print/PrintedRegister.cpp": '#include "PrintedRegister.h"\n#include "Report.h"\n#include <QtGui>\n',
    "register/print/Report.h": "",
    "register/print/PrintCommands.cpp": '#include "PrintedRegister.h"\n#include <QPrinter>\n#include <QWidget>\n',
    "register/window/MyWindowController.h": "#include <QWidget>\n",
    "register/window/MyWindowController.cpp": '#include "MyWindowController.h"\n#include "ui_Find.h"\n',
    "cli/main.cpp": '#include "PrintedRegister.h"\n#include "MyDocument.h"\n',
    "register/balancing/BalancingCommands.cpp": '#include "MyWindowController.h"\n#include "BalancingDrawer.h"\n',
    "register/balancing/BalancingDrawer.h": "#include <QWidget>\n",
    "register/balancing/BalancingDrawer.cpp": '#include "BalancingDrawer.h"\n',
}


def make_tree(root, files):
    for path, text in {**FOLDER_LISTS, **files}.items():
        os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
        with open(os.path.join(root, path), "w", encoding="utf-8") as f:
            f.write(text)
    qt = os.path.join(root, "qt")
    for module, headers in QT_HEADERS.items():
        os.makedirs(os.path.join(qt, module))
        for header in headers:
            open(os.path.join(qt, module, header), "w").close()
    return qt


def problems_with(changes):
    with tempfile.TemporaryDirectory() as root:
        qt = make_tree(root, {**CLEAN, **changes})
        return layer_check.check(root, qt)


class LayerCheck(unittest.TestCase):
    def test_a_tree_within_its_layers_passes(self):
        self.assertEqual(problems_with({}), [])

    def test_each_reach_above_a_layer_is_named_with_its_file_line_and_rule(self):
        cases = [
            # (file, its text, the file:line reported, words of the rule)
            ("app/money/Money.cpp", '#include "Money.h"\n#include <QWidget>\n', "app/money/Money.cpp:2",
             "core-layer file may use QtCore only, not QtWidgets"),
            ("app/money/Money.cpp", "#include <QtWidgets/QWidget>\n", "app/money/Money.cpp:1", "not QtWidgets"),
            ("app/money/Money.cpp", "#include <QtWidgets>\n", "app/money/Money.cpp:1", "not QtWidgets"),
            ("app/money/Money.cpp", "#  include <qwidget.h>\n", "app/money/Money.cpp:1", "not QtWidgets"),
            ("app/money/Money.h", "#include <QColor>\n", "app/money/Money.h:1", "not QtGui"),
            ("app/document/Progress.h", "#include <QPrinter>\n", "app/document/Progress.h:1", "not QtPrintSupport"),
            ("register/print/Report.cpp", '#include "PrintedRegister.h"\n', "register/print/Report.cpp:1",
             "core-layer file may not include a paper-layer header"),
            ("app/money/Money.cpp", '#include "ui_Find.h"\n', "app/money/Money.cpp:1",
             "may not include a window-layer header"),
            ("register/print/PrintedRegister.cpp", "#include <QWidget>\n", "register/print/PrintedRegister.cpp:1",
             "paper-layer file may use QtCore, QtGui only, not QtWidgets"),
            ("register/print/PrintedRegister.h", '#include "MyWindowController.h"\n',
             "register/print/PrintedRegister.h:1", "paper-layer file may not include a window-layer header"),
            ("app/document/MyDocument.cpp", '#include "MyWindowController.h"\n', "app/document/MyDocument.cpp:1",
             "app/document never includes register/window"),
            ("cli/main.cpp", '#include "MyWindowController.h"\n', "cli/main.cpp:1",
             "paper-layer file may not include a window-layer header"),
            ("register/balancing/BalancingDrawer.h", '#include "MyWindowController.h"\n',
             "register/balancing/BalancingDrawer.h:1", "only the window's commands include its controller"),
        ]
        for path, text, where, rule in cases:
            with self.subTest(path=path, text=text):
                problems = problems_with({path: text})
                self.assertEqual(len(problems), 1, problems)
                self.assertTrue(problems[0].startswith(where + ":"), problems[0])
                self.assertIn(rule, problems[0])

    def test_a_source_file_in_no_library_is_refused_not_passed_unchecked(self):
        problems = problems_with({"register/stray/Stray.cpp": "#include <QWidget>\n"})
        self.assertEqual(problems, ["register/stray/Stray.cpp:1: in no library: list it in its folder's CMakeLists.txt"])

    def test_headers_missing_from_the_qt_folder_fail_instead_of_passing_everything(self):
        with tempfile.TemporaryDirectory() as root:
            make_tree(root, CLEAN)
            with self.assertRaises(SystemExit):
                layer_check.check(root, os.path.join(root, "app"))


if __name__ == "__main__":
    unittest.main()
