#!/usr/bin/env python3
"""Reads a running program's accessibility tree from outside, as a screen reader does, over the
AT-SPI bus of the session in $DBUS_SESSION_BUS_ADDRESS.

  atspi-tree.py dump PID            every object of the program's windows, one a line:
                                    depth, role, name and actions, tab-separated
  atspi-tree.py texts PID           what the program's windows show, one object a line: depth,
                                    role, name and the text it holds, tab-separated
  atspi-tree.py name-changes PID ROLE NAME-PREFIX SECONDS
                                    how many times the name of the first object of that role
                                    whose name starts with the prefix changed in that time
  atspi-tree.py press PID ROLE NAME performs the press action of the object of that role and name
  atspi-tree.py focus|extents PID ROLE NAME
                                    gives that object the keyboard | tells its x, y, width, height
  atspi-tree.py focuses PID SECONDS after "listening", the name of each object taking the focus
"""
import sys

import pyatspi
from gi.repository import GLib


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    sys.exit(f"atspi-tree: no application with process id {pid} on the accessibility bus")


def actions(obj):
    try:
        action = obj.queryAction()
    except NotImplementedError:
        return ""
    return ",".join(action.getName(i) for i in range(action.nActions))


def walk(obj, depth=0):
    yield depth, obj
    try:
        children = [child for child in obj if child is not None]
    except GLib.GError:
        # An object that went away while the tree was read (a window being made).
        return
    for child in children:
        yield from walk(child, depth + 1)


def find(pid, role, prefix, whole=False):
    for _, obj in walk(application(pid)):
        named = obj.name == prefix if whole else obj.name.startswith(prefix)
        if obj.getRoleName() == role and named:
            return obj
    sys.exit(f"atspi-tree: no {role} named {prefix!r}")


def dump(pid):
    for depth, obj in walk(application(pid)):
        if depth > 0:
            print(f"{depth}\t{obj.getRoleName()}\t{obj.name}\t{actions(obj)}")


def text_of(obj):
    try:
        text = obj.queryText()
    except NotImplementedError:
        return ""
    return text.getText(0, -1)


def texts(pid):
    for depth, obj in walk(application(pid)):
        if depth > 0 and obj.getState().contains(pyatspi.STATE_SHOWING):
            print(f"{depth}\t{obj.getRoleName()}\t{obj.name}\t{text_of(obj)}")


def name_changes(pid, role, prefix, seconds):
    watched = find(pid, role, prefix)
    changes = []

    def changed(event):
        if event.source == watched:
            changes.append(event.any_data)

    pyatspi.Registry.registerEventListener(changed, "object:property-change:accessible-name")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    print(len(changes))


def press(pid, role, name):
    obj = find(pid, role, name)
    action = obj.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            action.doAction(i)
            return
    sys.exit(f"atspi-tree: {role} {name!r} has no press action")


def focuses(pid, seconds):
    def focused(event):
        if event.detail1 == 1 and event.source.get_process_id() == pid:
            print(event.source.name, flush=True)

    pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
    print("listening", flush=True)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


def main():
    command, pid = sys.argv[1], int(sys.argv[2])
    if command == "dump":
        dump(pid)
    elif command == "texts":
        texts(pid)
    elif command == "name-changes":
        name_changes(pid, sys.argv[3], sys.argv[4], float(sys.argv[5]))
    elif command == "press":
        press(pid, sys.argv[3], sys.argv[4])
    elif command in ("focus", "extents"):
        place = find(pid, sys.argv[3], sys.argv[4], whole=True).queryComponent()
        if command == "focus":
            place.grabFocus()
        else:
            print(*place.getExtents(pyatspi.DESKTOP_COORDS))
    elif command == "focuses":
        focuses(pid, float(sys.argv[3]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
