#!/usr/bin/python3
"""A stand-in for the desktop portal on a private session bus: org.freedesktop.portal.Desktop
with FileChooser.OpenFile (answered through the Request's Response signal) and Settings.Read
for org.freedesktop.appearance color-scheme. Prints "ready" once it owns its name.

Usage: fake_portal.py LOG [--uri URI | --cancel | --silent] [--scheme N]
LOG receives one line per OpenFile call: "parent<TAB>title<TAB>token<TAB>modal"."""
import sys

from gi.repository import Gio, GLib

XML = """<node>
  <interface name="org.freedesktop.portal.FileChooser">
    <method name="OpenFile">
      <arg type="s" direction="in"/><arg type="s" direction="in"/>
      <arg type="a{sv}" direction="in"/><arg type="o" direction="out"/>
    </method>
  </interface>
  <interface name="org.freedesktop.portal.Settings">
    <method name="Read">
      <arg type="s" direction="in"/><arg type="s" direction="in"/>
      <arg type="v" direction="out"/>
    </method>
  </interface>
</node>"""

log, args = sys.argv[1], sys.argv[2:]
uri = args[args.index("--uri") + 1] if "--uri" in args else None
scheme = int(args[args.index("--scheme") + 1]) if "--scheme" in args else None


def on_call(connection, sender, path, interface, method, parameters, invocation):
    if interface == "org.freedesktop.portal.Settings":
        namespace, key = parameters.unpack()
        if scheme is None or (namespace, key) != ("org.freedesktop.appearance", "color-scheme"):
            invocation.return_dbus_error("org.freedesktop.portal.Error.NotFound", "not found")
        else:
            # As older portals answer: the value wrapped in one more variant.
            inner = GLib.Variant("v", GLib.Variant("u", scheme))
            invocation.return_value(GLib.Variant("(v)", (inner,)))
        return
    parent, title, options = parameters.unpack()
    token = options.get("handle_token", "")
    with open(log, "a") as f:
        f.write(f"{parent}\t{title}\t{token}\t{options.get('modal')}\n")
    handle = "/org/freedesktop/portal/desktop/request/%s/%s" % (
        sender[1:].replace(".", "_"), token)
    invocation.return_value(GLib.Variant("(o)", (handle,)))
    if "--silent" in args:
        return
    if uri:
        response, results = 0, {"uris": GLib.Variant("as", [uri])}
    else:
        response, results = 1, {}

    def respond():
        connection.emit_signal(sender, handle, "org.freedesktop.portal.Request", "Response",
                               GLib.Variant("(ua{sv})", (response, results)))
        return False
    GLib.idle_add(respond)


def on_bus(connection, name):
    info = Gio.DBusNodeInfo.new_for_xml(XML)
    for interface in info.interfaces:
        connection.register_object("/org/freedesktop/portal/desktop", interface, on_call)


def on_name(connection, name):
    print("ready", flush=True)


Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop",
                 Gio.BusNameOwnerFlags.NONE, on_bus, on_name, lambda *a: sys.exit(1))
GLib.MainLoop().run()
