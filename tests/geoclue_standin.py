#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Luna developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A stand-in for GeoClue 2 on the bus at $DBUS_SYSTEM_BUS_ADDRESS, as
the real service answers a client: GetClient, the client's DesktopId and
RequestedAccuracyLevel, Start, then LocationUpdated with a Location object.

    geoclue_standin.py found LAT LON   the position, once the client has
                                       named itself by a desktop id
    geoclue_standin.py refused         Start is refused (AccessDenied), as
                                       when the user says no
"""

import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

SERVICE = "org.freedesktop.GeoClue2"
CLIENT = "org.freedesktop.GeoClue2.Client"


class Location(dbus.service.Object):
    def __init__(self, bus, latitude, longitude):
        super().__init__(bus, "/org/freedesktop/GeoClue2/Location/1")
        self.values = {"Latitude": dbus.Double(latitude), "Longitude": dbus.Double(longitude),
                       "Accuracy": dbus.Double(5000.0)}

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.values


class Client(dbus.service.Object):
    def __init__(self, bus, mode, position):
        super().__init__(bus, "/org/freedesktop/GeoClue2/Client/1")
        self.bus, self.mode, self.position = bus, mode, position
        self.values = {"DesktopId": "", "RequestedAccuracyLevel": dbus.UInt32(0)}

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ssv")
    def Set(self, interface, name, value):
        self.values[name] = value
        print(f"geoclue: {name} = {value}", flush=True)

    @dbus.service.method(CLIENT)
    def Start(self):
        # The real service refuses a client that has not said who it is.
        if self.mode == "refused" or not self.values["DesktopId"]:
            raise dbus.exceptions.DBusException("Geolocation disabled for this application",
                                                name="org.freedesktop.DBus.Error.AccessDenied")
        location = dbus.ObjectPath(Location(self.bus, *self.position).__dbus_object_path__)
        GLib.timeout_add(100, lambda: self.LocationUpdated(dbus.ObjectPath("/"), location) and False)

    @dbus.service.method(CLIENT)
    def Stop(self):
        pass

    @dbus.service.signal(CLIENT, signature="oo")
    def LocationUpdated(self, old, new):
        pass


class Manager(dbus.service.Object):
    def __init__(self, bus, client):
        super().__init__(bus, "/org/freedesktop/GeoClue2/Manager")
        self.client = client

    @dbus.service.method("org.freedesktop.GeoClue2.Manager", out_signature="o")
    def GetClient(self):
        return dbus.ObjectPath(self.client.__dbus_object_path__)


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(os.environ["DBUS_SYSTEM_BUS_ADDRESS"])
    mode = sys.argv[1]
    position = (float(sys.argv[2]), float(sys.argv[3])) if mode == "found" else (0.0, 0.0)
    client = Client(bus, mode, position)
    manager = Manager(bus, client)
    name = dbus.service.BusName(SERVICE, bus)
    print("geoclue: ready", flush=True)
    GLib.MainLoop().run()
    del name, manager


if __name__ == "__main__":
    main()
