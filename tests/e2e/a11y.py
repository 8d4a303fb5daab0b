#!/usr/bin/python3
"""a11y.py controls|focus TITLE, press|text TITLE ROLE NAME: the window TITLE
over AT-SPI as a screen reader sees it ("role|name|actions" a control)."""
import sys

import pyatspi


def controls(node):
    for child in node:
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            yield child
            yield from controls(child)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def main(command, title, role=None, name=None):
    windows = [w for app in pyatspi.Registry.getDesktop(0) if app for w in app]
    window = next((w for w in windows if w and w.name == title), None) or sys.exit(
        "no window %r" % title)
    found = [n for n in controls(window) if (n.getRoleName(), n.name) == (role, name)]
    if command == "controls":
        for node in controls(window):
            if node.name:
                print("|".join([node.getRoleName(), node.name, ",".join(actions(node))]))
    elif command == "focus":
        print(next("%s|%s" % (n.getRoleName(), n.name) for n in controls(window)
                   if n.getState().contains(pyatspi.STATE_FOCUSED)))
    elif command == "press":
        node = next(n for n in found if "Press" in actions(n))
        node.queryAction().doAction(actions(node).index("Press"))
    elif command == "text":
        for node in found:
            try:
                print(node.queryText().getText(0, -1))
            except NotImplementedError:
                continue
            print(node.description)
            return
        sys.exit("no text in %s %r" % (role, name))


if __name__ == "__main__":
    main(*sys.argv[1:])
