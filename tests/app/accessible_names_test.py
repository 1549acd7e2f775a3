#!/usr/bin/python3
"""accessible_names_test.py PROGRAM: starts configure-station (PROGRAM) and walks its window
as a screen reader sees it on the AT-SPI bus. Every control that can take the focus must have a
name, and no two the same name. The entries of the lists are left out: they are reader names,
and the three lists offer the same ones by design. Needs an X server and a D-Bus session (see
on_x_server); exits 0 when all is well, 1 otherwise."""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

APP_NAME = "configure-station"
# Every focusable control of the dialog: four address fields, the port, four buttons and
# three lists.
EXPECTED_CONTROLS = 12


def find_application(program, deadline):
    while time.monotonic() < deadline and program.poll() is None:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == APP_NAME:
                return app
        time.sleep(0.2)
    return None


def focusable_controls(node):
    """Yields (role, name) of every focusable object below node, list entries excepted."""
    for child in node:
        if child is None:
            continue
        if child.getState().contains(pyatspi.STATE_FOCUSABLE):
            yield child.getRoleName(), child.name
        if child.getRole() != pyatspi.ROLE_LIST:
            yield from focusable_controls(child)


def main():
    with tempfile.TemporaryDirectory() as folder:
        env = dict(os.environ,
                   STATION_REGISTRY=os.path.join(folder, "registry.db"),
                   PCSCLITE_CSOCK_NAME=os.path.join(folder, "no-pcscd"),
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        program = subprocess.Popen([sys.argv[1]], env=env)
        try:
            app = find_application(program, time.monotonic() + 30)
            if app is None:
                print(f"{APP_NAME} did not appear on the AT-SPI bus"
                      f" (exit status {program.poll()})")
                return 1
            # The window's controls are there once the dialog has been shown.
            controls = []
            deadline = time.monotonic() + 30
            while len(controls) < EXPECTED_CONTROLS and time.monotonic() < deadline:
                time.sleep(0.2)
                controls = list(focusable_controls(app))
        finally:
            program.terminate()
            program.wait()
    names = [name for _, name in controls]
    for role, name in controls:
        print(f"{role}: {name!r}")
    failures = []
    if len(controls) != EXPECTED_CONTROLS:
        failures.append(f"{len(controls)} focusable controls, expected {EXPECTED_CONTROLS}")
    failures += [f"a {role} without a name" for role, name in controls if not name.strip()]
    failures += [f"{name!r} names more than one control"
                 for name in sorted(set(names)) if names.count(name) > 1]
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
