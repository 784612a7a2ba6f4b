#!/usr/bin/python3
"""Listens on the accessibility bus as a screen reader does (every object
event), so that the program under test sends its events for real; prints how
many it heard when stopped. Needs Debian's python3-pyatspi."""
import signal
import sys

import pyatspi

licznik = {"zdarzenia": 0}


def uslyszane(_zdarzenie):
    licznik["zdarzenia"] += 1


def koniec(*_):
    print(f"zdarzenia: {licznik['zdarzenia']}", file=sys.stderr)
    pyatspi.Registry.stop()


signal.signal(signal.SIGTERM, koniec)
pyatspi.Registry.registerEventListener(uslyszane, "object:")
pyatspi.Registry.start()
