#!/usr/bin/env python3
"""The layer check on a scratch tree: quiet while includes go down, and one
include going up fails it, named by file and line."""

import os
import subprocess
import sys
import tempfile
import unittest

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "layercheck.py")


def write(root, path, text):
    full = os.path.join(root, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "w", encoding="utf-8") as f:
        f.write(text)


class LayerCheck(unittest.TestCase):
    def test_an_upward_include_fails_and_is_named(self):
        with tempfile.TemporaryDirectory() as root:
            write(root, "source/container/Vector.h", "#pragma once\n#include <cstdint>\n")
            write(root, "source/framework/Framework.h",
                  '#pragma once\n#include "container/Vector.h"\n')
            write(root, "game/source/engine/Engine.cpp", '#include "framework/Framework.h"\n')
            run = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)
            self.assertEqual(run.returncode, 0, run.stdout + run.stderr)

            write(root, "source/container/Hash.h",
                  '#pragma once\n\n#include "framework/Framework.h"\n')
            run = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)
            self.assertEqual(run.returncode, 1)
            self.assertEqual(run.stdout, "source/container/Hash.h:3: includes "
                             "framework/Framework.h, from a higher layer\n")


if __name__ == "__main__":
    unittest.main()
