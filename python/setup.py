"""The wheel of the module fazolab, built by the project's own CMake tree.

    python3 -m build --wheel --no-isolation python

builds it offline with Debian's python3-build; FAZOLAB_BUDOWA=$PWD/build (a
full path: the build runs in this folder) takes the module of an existing
build folder instead of configuring a fresh one under build/ here. A fresh
one is configured without the window (no Qt needed: the core, the batch
runner and the module) and built on every processor this process may use.
"""

import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ZRODLA = Path(__file__).resolve().parent.parent


def wersja():
    cmake = (ZRODLA / "CMakeLists.txt").read_text(encoding="utf-8")
    return re.search(r"project\(Fazolab VERSION ([0-9.]+)", cmake).group(1)


class BudowaCMake(build_ext):
    def build_extension(self, ext):
        budowa = Path(os.environ.get("FAZOLAB_BUDOWA") or Path(self.build_temp) / "cmake")
        budowa = budowa.resolve()
        if not (budowa / "CMakeCache.txt").exists():
            subprocess.run(["cmake", "-S", str(ZRODLA), "-B", str(budowa), "-G", "Ninja",
                            "-DCMAKE_BUILD_TYPE=Release", "-DFAZOLAB_TESTY=OFF",
                            "-DFAZOLAB_OKNO=OFF", "-DFAZOLAB_PYTHON=ON",
                            f"-DPython_EXECUTABLE={sys.executable}"],
                           check=True)
        procesory = len(os.sched_getaffinity(0)) if hasattr(os, "sched_getaffinity") \
            else (os.cpu_count() or 1)
        subprocess.run(["cmake", "--build", str(budowa), "--target", "fazolab_python",
                        "--parallel", str(procesory)], check=True)
        nazwa = Path(self.get_ext_fullpath(ext.name))
        nazwa.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(budowa / "python" / "fazolab" / nazwa.name, nazwa)


setup(version=wersja(), packages=["fazolab"],
      package_data={"fazolab": ["py.typed", "*.pyi"]},
      ext_modules=[Extension("fazolab._rdzen", sources=[])],
      cmdclass={"build_ext": BudowaCMake})
