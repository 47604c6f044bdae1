#!/usr/bin/python3
"""The maintainer's documents name only what exists: every test that docs/decisions.md cites, and every
file:function stop of the walk in docs/architecture.md."""
import glob
import os
import re
import unittest

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../.."))


def read(path):
    with open(os.path.join(ROOT, path), encoding="utf-8") as source:
        return source.read()


def sources(pattern):
    return "\n".join(read(os.path.relpath(p, ROOT)) for p in glob.glob(os.path.join(ROOT, pattern), recursive=True))


class DecisionsRecord(unittest.TestCase):
    def test_every_cited_test_exists(self):
        record = read("docs/decisions.md")
        tests = sources("tests/**/*.cpp")
        ctests = sources("tests/**/CMakeLists.txt")
        missing = []
        for cited in re.findall(r"\(((?:`[^`]+`(?:, )?)+)\)", record):
            for name in re.findall(r"`([^`]+)`", cited):
                suite, _, case = name.partition(".")
                if re.fullmatch(r"[A-Z]\w*\.\*", name):
                    found = re.search(rf"TEST(?:_F|_P)?\(\s*{suite},", tests)
                elif re.fullmatch(r"[A-Z]\w*\.\w+", name):
                    found = re.search(rf"TEST(?:_F|_P)?\(\s*{suite},\s*{case}\)", tests)
                elif re.fullmatch(r"[a-z]+(?:_[a-z0-9]+)+", name):
                    found = re.search(rf"\b{name}\b", ctests)
                else:
                    continue
                if not found:
                    missing.append(name)
        self.assertEqual(missing, [])

    def test_every_cited_test_file_exists(self):
        record = read("docs/decisions.md")
        files = set(re.findall(r"`((?:[a-z0-9]+/)+[A-Za-z_]+\.(?:cpp|py|txt))`", record))
        self.assertTrue(files)
        self.assertEqual(sorted(f for f in files if not os.path.isfile(os.path.join(ROOT, "tests", f))), [])


class ArchitectureMap(unittest.TestCase):
    def test_every_stop_of_the_walk_exists(self):
        stops = re.findall(r"`([\w/]+\.(?:cpp|hpp)):([\w:]+)`", read("docs/architecture.md"))
        self.assertGreater(len(stops), 15)
        missing = [f"{path}:{name}" for path, name in stops
                   if not os.path.isfile(os.path.join(ROOT, path))
                   or not re.search(rf"(\b{re.escape(name)}\s*\(|class {re.escape(name)}\b)", read(path))]
        self.assertEqual(missing, [])


if __name__ == "__main__":
    unittest.main()
