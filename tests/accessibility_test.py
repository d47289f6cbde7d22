#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Luna developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Luna as a screen reader meets it: through AT-SPI, on the accessibility
bus of a private session, in a real X server with a window manager.

Every window and dialog is walked: no control that shows is without a name.
The scroll bar is moved through AT-SPI's Value interface and the picture's
name follows it; the menu's items are invoked through the Action interface;
the month's days read as their story.

Run by ctest as: xvfb-run dbus-run-session python3 accessibility_test.py LUNA
"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

from desktop_checks import check, verdict, wait_for

LUNA = sys.argv[1]

# The roles a person acts on or reads as a unit: each must have a name.
CONTROLS = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
            pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER,
            pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_PAGE_TAB,
            pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_IMAGE, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE,
            pyatspi.ROLE_LINK, pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_CANVAS}




def luna_application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for application in desktop:
        try:
            if application is not None and application.get_process_id() == pid:
                return application
        except Exception:
            pass
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def walk(node, depth=0):
    yield node
    if depth > 30:
        return
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def unnamed_controls(window):
    """The controls of a window that show and have no name."""
    found = []
    for node in walk(window):
        if node.getRole() in CONTROLS and showing(node) and not node.name.strip():
            found.append(f"{node.getRoleName()} in {node.parent.getRoleName()} \"{node.parent.name}\"")
    return found


def window_named(application, text):
    for window in application:
        if window is not None and text in window.name and showing(window):
            return window
    return None


def find(root, role, name=None):
    for node in walk(root):
        if node.getRole() == role and (name is None or node.name == name):
            return node
    return None


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True).stdout.strip()


def keys(title, *sequence):
    """Real keys, through the X server, to the window whose title holds `title`."""
    window = xdotool("search", "--onlyvisible", "--name", title).split()
    if window:
        xdotool("windowactivate", "--sync", window[0])
        for key in sequence:
            xdotool("key", "--clearmodifiers", key)
            time.sleep(0.2)


def check_window(application, title, what):
    window = wait_for(lambda: window_named(application, title))
    check(window is not None, f"{what}: the window \"{title}\" opens")
    if window is not None:
        unnamed = unnamed_controls(window)
        check(not unnamed, f"{what}: every control has a name {unnamed}")
    return window


focused = []
renamed = []


def on_focus(event):
    if event.detail1 and event.source is not None:
        focused.append(event.source)


def on_name(event):
    if event.source is not None and event.source.getRole() == pyatspi.ROLE_IMAGE:
        renamed.append(event.source.name)


def menu_item(name):
    """The item `name` of the menu that has the focus: a popup menu is not
    among the application's windows, and is met, as a screen reader meets
    it, through the focus events of its items."""
    GLib.MainContext.default().iteration(False)
    for source in reversed(focused):
        if source.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM):
            for item in source.parent:
                if item is not None and item.name == name:
                    return item
    return None


def invoke_menu_item(application, name):
    """Opens the window's menu with Shift+F10 and chooses `name` through the
    Action interface."""
    focused.clear()
    keys("Visualizzazione", "shift+F10", "Down")
    item = wait_for(lambda: menu_item(name), 5)
    check(item is not None, f"the menu offers \"{name}\"")
    if item is None:
        return
    action = item.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check(action.nActions > 0, f"\"{name}\" can be invoked: {names}")
    action.doAction(0)


def close(title):
    keys(title, "Escape")


def main():
    config = tempfile.mkdtemp()
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               XDG_CONFIG_HOME=config, TZ="Europe/Rome", LANG="C.UTF-8", LANGUAGE="it")
    env.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp())
    manager = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    luna = subprocess.Popen([LUNA, "--date", "2026-12-24T02:28"], env=env)
    try:
        application = wait_for(lambda: luna_application(luna.pid), 20)
        check(application is not None, "Luna is on the accessibility bus")
        if application is None:
            return 1
        pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
        main_window = check_window(application, "Visualizzazione", "main window")

        # The picture is named by its phase, and follows the bar.
        picture = find(main_window, pyatspi.ROLE_IMAGE)
        check(picture is not None and picture.name.startswith("Luna piena"),
              f"the picture says the date's phase: {picture.name if picture else None}")
        bar = find(main_window, pyatspi.ROLE_SCROLL_BAR, "Angolo di fase")
        check(bar is not None, "the scroll bar is named")
        if bar is not None and picture is not None:
            value = bar.queryValue()
            check(value.minimumValue == 0 and value.maximumValue == 359, "the bar's range, 0 to 359")
            for angle, phase in ((90, "Ultimo quarto"), (270, "Primo quarto"), (0, "Luna nuova")):
                value.currentValue = angle
                named = wait_for(lambda: picture.name.startswith(phase), 5)
                check(named, f"at {angle}° the picture says \"{picture.name}\"")
                # Said, not only changed: the change comes as an event.
                heard = wait_for(lambda: GLib.MainContext.default().iteration(False) or
                                 any(name.startswith(phase) for name in renamed), 5)
                check(heard, f"at {angle}° the new name is announced {renamed[-3:]}")

        # The windows of the menu through the Action interface; the dialogs
        # by their keys, as an action waits for a modal dialog's answer.
        for menu_item, opening, title in (("La Luna…", None, "La Luna"),
                                          ("Calendario lunare…", None, "Calendario lunare"),
                                          ("Stanotte", None, "Stanotte"),
                                          (None, ("ctrl+d",), "Scegli data e ora"),
                                          (None, ("ctrl+l",), "Luogo"),
                                          (None, ("ctrl+g",), "Allineamento"),
                                          # The next to last item of the menu.
                                          (None, ("shift+F10", "Up", "Up", "Return"), "Informazioni su Luna")):
            if menu_item:
                invoke_menu_item(application, menu_item)
            else:
                keys("Visualizzazione", *opening)
            window = check_window(application, title, title)
            if title == "Calendario lunare" and window is not None:
                days = find(window, pyatspi.ROLE_LIST)
                named = [item.name for item in days] if days is not None else []
                check(len(named) == 31, f"the month has 31 days: {len(named)}")
                check("mercoledì 9 dicembre: luna nuova alle 01:52" in named,
                      f"the 9th reads as its story: {named[8] if len(named) > 8 else None}")
            close(title)
    finally:
        luna.terminate()
        luna.wait(10)
        manager.terminate()

    return verdict("accessibility")


if __name__ == "__main__":
    sys.exit(main())
