#!/usr/bin/python3
"""scripts/check-layers.py on small trees: downward includes pass, each kind of upward include fails."""
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../scripts/check-layers.py")


def run(files):
    with tempfile.TemporaryDirectory() as root:
        for path, includes in files.items():
            os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(root, path), "w", encoding="utf-8") as out:
                out.writelines(f'#include "{name}"\n' for name in includes)
        done = subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)
        return done.returncode, done.stdout


# Every layer with one header, each including the layers it may include and a host interface.
CLEAN = {
    "engine/host/Main.hpp": ["GS.hpp"],
    "engine/host/MainParameters.cpp": ["engine/Article.hpp", "engine/host/Main.hpp"],
    "engine/Article.hpp": ["engine/host/Main.hpp"],
    "engine/calculation/Wall.hpp": ["engine/Article.hpp", "Wall.hpp"],
    "export/xlsx/Workbook.hpp": ["export/xlsx/Worksheet.hpp"],
    "export/Excel.hpp": ["engine/Article.hpp", "export/xlsx/Workbook.hpp"],
    "palette/Dlg.hpp": ["export/Excel.hpp", "engine/host/Main.hpp"],
    "addon/Menu.cpp": ["palette/Dlg.hpp", "ACAPinc.hpp"],
}


class CheckLayers(unittest.TestCase):
    def test_downward_includes_and_the_listed_exception_pass(self):
        self.assertEqual(run(CLEAN), (0, ""))

    def test_each_upward_include_fails_with_its_place(self):
        bad = dict(CLEAN)
        bad["engine/calculation/Wall.hpp"] = ["engine/Article.hpp", "palette/Dlg.hpp"]
        bad["export/xlsx/Workbook.hpp"] = ["engine/Article.hpp"]
        bad["engine/host/Main.hpp"] = ["../Article.hpp"]
        bad["palette/Dlg.hpp"] = ["hostplatform/Host.hpp"]
        code, out = run(bad)
        self.assertEqual(code, 1)
        self.assertEqual(out.splitlines(), [
            "engine/calculation/Wall.hpp:2: the engine layer includes palette/Dlg.hpp of the palette layer, not below it",
            "engine/host/Main.hpp:1: the host access layer includes engine/Article.hpp of the engine layer, not below it",
            "export/xlsx/Workbook.hpp:1: the xlsx adapter layer includes engine/Article.hpp of the engine layer, not below it",
            "palette/Dlg.hpp:1: includes the stand-in's hostplatform/Host.hpp",
        ])

    def test_the_repository_passes(self):
        root = os.path.join(os.path.dirname(SCRIPT), "..")
        done = subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)
        self.assertEqual((done.returncode, done.stdout), (0, ""))


if __name__ == "__main__":
    unittest.main()
