#!/usr/bin/python3
"""What assistive technology sees of Ombrix, read over AT-SPI with pyatspi.

    a11y.py controls TITLE          every shown control of the window TITLE,
                                    one "role|name|actions" a line
    a11y.py press TITLE ROLE NAME   does that control's Press action
    a11y.py text TITLE ROLE NAME    prints the text of the first such control
                                    that has one, then its description
    a11y.py focus TITLE             prints "role|name" of the focused control

TITLE is the window's title as the frame's name. Exits 1 when the window or
the control is not found.
"""
import sys

import pyatspi


def frame(title):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for window in app:
            if window is not None and window.name == title:
                return window
    sys.exit("no window %r on the accessibility bus" % title)


def shown(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING)


def controls(node):
    for child in node:
        if child is None or not shown(child):
            continue
        yield child
        yield from controls(child)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def find(title, role, name, interface="queryAction"):
    """The first shown control of that role and name that offers the interface."""
    for node in controls(frame(title)):
        if node.getRoleName() == role and node.name == name:
            try:
                return node, getattr(node, interface)()
            except NotImplementedError:
                continue
    sys.exit("no shown %s %r in %r with %s" % (role, name, title, interface))


def main(command, title, *control):
    if command == "controls":
        for node in controls(frame(title)):
            if node.name:
                print("|".join([node.getRoleName(), node.name, ",".join(actions(node))]))
    elif command == "press":
        _, action = find(title, *control)
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press"))
    elif command == "text":
        node, text = find(title, *control, interface="queryText")
        print(text.getText(0, -1))
        print(node.description)
    elif command == "focus":
        for node in controls(frame(title)):
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                print("%s|%s" % (node.getRoleName(), node.name))
                return
        sys.exit("nothing focused in %r" % title)


if __name__ == "__main__":
    main(*sys.argv[1:])
