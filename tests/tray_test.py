#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Luna developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""luna --tray in a real X server and a private D-Bus session bus.

python3-dbusmock's notification daemon receives the full-moon notice when
the clock seam (LUNA_CLOCK) starts the clock just before a full moon, first
with no panel to show icons (Luna says so and runs on as a notifier), then
with a stand-in for the panel's StatusNotifierWatcher, which takes the
item's registration; the test reads the item's Id, title, tooltip and icon
back over D-Bus. Each notice names Luna's desktop entry, and its action
"Mostra", invoked by the service, shows the window at the full moon. A
second tray in the session raises nothing. Idle, the tray uses almost no processor and no more memory
than the window alone, give or take a fifth.

Run by ctest as: xvfb-run dbus-run-session python3 tray_test.py LUNA LUNA_RENDER
"""

import json
import os
import subprocess
import sys
import tempfile
import threading
import time

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

from desktop_checks import check, verdict, wait_for

LUNA, RENDER = sys.argv[1], sys.argv[2]
WATCHER = "org.kde.StatusNotifierWatcher"



class Watcher(dbus.service.Object):
    """The panel's side of the StatusNotifierItem protocol, as small as Qt
    lets it be: items register, and a host is there to show them."""

    def __init__(self, bus):
        self.items = []
        name = dbus.service.BusName(WATCHER, bus)
        super().__init__(name, "/StatusNotifierWatcher")

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # An item names its bus name, or (as some do) only its object path.
        self.items.append(sender if service.startswith("/") else service)
        self.StatusNotifierItemRegistered(service)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    # Qt reads the host's presence as a property through QDBusInterface,
    # which looks for it in the introspection data.
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return f"""<node><interface name="{WATCHER}">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
</interface>
<interface name="org.freedesktop.DBus.Properties">
  <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
  <method name="GetAll"><arg type="s" direction="in"/><arg type="a{{sv}}" direction="out"/></method>
</interface></node>"""

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, prop):
        return self.GetAll(interface)[prop]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {"IsStatusNotifierHostRegistered": True, "ProtocolVersion": dbus.Int32(0),
                "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s")}


def environment(config, clock=None):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=config, TZ="Europe/Rome", LANG="C.UTF-8")
    env.pop("LANGUAGE", None)
    if clock:
        env["LUNA_CLOCK"] = clock
    return env


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def notices(daemon):
    """The notices the stand-in service was given: (id, summary, actions, hints)."""
    calls = daemon.GetCalls(dbus_interface="org.freedesktop.DBus.Mock")
    given = [call[2] for call in calls if call[1] == "Notify"]
    return [(number + 1, str(args[3]), [str(a) for a in args[5]], {str(k): str(v) for k, v in args[6].items()})
            for number, args in enumerate(given)]



def window_titles():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Visualizzazione"],
                           capture_output=True, text=True)
    return [subprocess.run(["xdotool", "getwindowname", w], capture_output=True, text=True).stdout.strip()
            for w in found.stdout.split()]


def full_moon_clock(config, lead):
    """The clock seam's start, `lead` seconds before the full moon of
    24 December 2026 (as luna-render finds it)."""
    facts = json.loads(subprocess.run([RENDER, "--date", "2026-12-23T00:00Z", "--info", "--json"],
                                      env=environment(config), capture_output=True, text=True).stdout)
    full = next(p["date"] for p in facts["next"] if p["phase"] == "Luna piena")
    return time.strftime("%Y-%m-%dT%H:%M:%SZ",
                         time.gmtime(time.mktime(time.strptime(full, "%Y-%m-%dT%H:%M:%SZ")) - time.timezone - lead))


def check_notice(daemon, after, what):
    """The full moon's notice, once, with Luna's desktop entry and the
    action that shows the window; the action shows the window at the full
    moon. Returns the notice's number."""
    check(wait_for(lambda: len(notices(daemon)) > after, 40), f"{what}: a notice at the full moon")
    given = notices(daemon)[after:]
    if not given:
        return
    number, summary, actions, hints = given[0]
    check(summary == "Luna piena" and len(given) == 1, f"{what}: one notice, \"{summary}\"")
    check(hints.get("desktop-entry") == "io.github.luna.Luna", f"{what}: desktop entry {hints}")
    check(actions[2:4] == ["show", "Mostra"], f"{what}: the action \"Mostra\" {actions}")
    check(not window_titles(), f"{what}: no window before the action")
    daemon.EmitSignal("org.freedesktop.Notifications", "ActionInvoked", "us", [dbus.UInt32(number), "show"],
                      dbus_interface="org.freedesktop.DBus.Mock")
    check(wait_for(lambda: any("24 dicembre 2026" in t for t in window_titles()), 10),
          f"{what}: \"Mostra\" shows the full moon's window: {window_titles()}")


def main():
    config = tempfile.mkdtemp()
    os.environ.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp())
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    loop = GLib.MainLoop()
    threading.Thread(target=loop.run, daemon=True).start()
    stand_in = subprocess.Popen([sys.executable, "-m", "dbusmock", "--template", "notification_daemon"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for(lambda: bus.name_has_owner("org.freedesktop.Notifications"), 5)
    daemon = bus.get_object("org.freedesktop.Notifications", "/org/freedesktop/Notifications")

    # No panel for icons (stock GNOME): one line says so, and the notices
    # still come.
    lonely = subprocess.Popen([LUNA, "--tray"], env=environment(config, full_moon_clock(config, 8)),
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    check_notice(daemon, 0, "no tray")
    check(lonely.poll() is None, "no tray: still running as a notifier")
    lonely.terminate()
    said = lonely.communicate(timeout=10)[1].strip().splitlines()
    check(len(said) == 1 and "non mostra icone" in said[0], f"no tray: it says so in one line {said}")
    given = len(notices(daemon))

    watcher = Watcher(bus)
    # The clock starts a few seconds before the full moon.
    tray = subprocess.Popen([LUNA, "--tray"], env=environment(config, full_moon_clock(config, 8)),
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    for _ in range(100):
        if watcher.items:
            break
        time.sleep(0.1)
    check(bool(watcher.items), "the item registers with the watcher")
    if watcher.items:
        service = watcher.items[0]
        item = bus.get_object(service, "/StatusNotifierItem")
        props = dbus.Interface(item, dbus.PROPERTIES_IFACE)
        title = props.Get("org.kde.StatusNotifierItem", "Title")
        tooltip = props.Get("org.kde.StatusNotifierItem", "ToolTip")
        pixmaps = props.Get("org.kde.StatusNotifierItem", "IconPixmap")
        text = " ".join(str(part) for part in tooltip[2:])
        check("illuminata al" in text and "Luna piena" in text, f"tooltip: {text}")
        check(len(pixmaps) > 0 and min(int(p[0]) for p in pixmaps) >= 16, f"icon: {len(pixmaps)} sizes")
        # The full moon is all lit: the icon's middle is bright and opaque.
        width, height, data = pixmaps[-1]
        middle = (int(height) // 2 * int(width) + int(width) // 2) * 4
        argb = bytes(data[middle:middle + 4])
        check(argb[0] == 255 and min(argb[1:]) > 200, f"a full moon in the icon's middle: {list(argb)}")
        check(str(props.Get("org.kde.StatusNotifierItem", "Id")) == "io.github.luna.Luna", "the item's Id")
        check(str(title) == "Luna", f"the item's Title: {title}")

    check_notice(daemon, given, "tray")
    subprocess.run(["xdotool", "search", "--name", "Visualizzazione", "windowunmap"], capture_output=True)

    # A second tray in the same session raises nothing.
    second = subprocess.run([LUNA, "--tray"], env=environment(config), capture_output=True, text=True, timeout=30)
    check(second.returncode == 0 and "già" in second.stdout, f"a second tray: {second.returncode} {second.stdout!r}")

    # Quiet: a while of idle costs almost nothing, and memory stays near the
    # window's own.
    before = cpu_seconds(tray.pid)
    time.sleep(10)
    used = cpu_seconds(tray.pid) - before
    check(used < 0.03, f"idle for 10 s: {used:.3f} s of processor")
    window = subprocess.Popen([LUNA], env=environment(config))
    time.sleep(3)
    tray_kib, window_kib = resident_kib(tray.pid), resident_kib(window.pid)
    check(tray_kib < 1.2 * window_kib, f"memory: tray {tray_kib} KiB, window {window_kib} KiB")
    window.terminate()
    tray.terminate()
    stand_in.terminate()
    tray.wait(10)
    loop.quit()

    return verdict("tray")


if __name__ == "__main__":
    sys.exit(main())
