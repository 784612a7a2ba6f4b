"""The module and the batch runner found without any environment variable:
the module of this source tree's build/ when none is installed (or the one on
PYTHONPATH), the batch runner beside that module's build, else FAZOLAB_BATCH
or the one on PATH."""

import os
import shutil
import sys

import pytest

ZRODLA = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))

try:
    import fazolab
except ImportError:
    sys.path.insert(0, os.path.join(ZRODLA, "build", "python"))
    import fazolab


def _batch():
    budowa = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(fazolab.__file__))))
    for kandydat in (os.environ.get("FAZOLAB_BATCH"),
                     os.path.join(budowa, "cli", "fazolab-batch"),
                     shutil.which("fazolab-batch")):
        if kandydat and os.access(kandydat, os.X_OK):
            return kandydat
    return None


BATCH = _batch()


@pytest.fixture
def batch_program():
    if BATCH is None:
        pytest.skip("brak fazolab-batch (zbuduj build/cli/fazolab-batch albo ustaw FAZOLAB_BATCH)")
    return BATCH
