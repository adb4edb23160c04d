#!/usr/bin/python3
"""Lists the controls of a running Quillmark as a screen reader sees them over AT-SPI, one
"role<TAB>name" line each, indented by depth, and checks that what a reader needs is there.

Usage: accessibility.py <process id>
Exit status: 0 pass, 1 fail.
"""
import sys
import time

import pyatspi

# Controls that act or take text: each must have a name to be read out.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_SPIN_BUTTON,
}
# Rows, list entries and the like can be many; a few levels show the window's controls.
MAX_DEPTH = 14
MAX_CHILDREN = 200


def find_application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(150):
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:  # an application that went away meanwhile
                continue
        time.sleep(0.2)
    return None


def label_of(node):
    """The text of the label a control is labelled by ("Post as:" gives "Post as")."""
    for relation in node.getRelationSet():
        if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
            continue
        for i in range(relation.getNTargets()):
            text = (relation.getTarget(i).name or "").strip()
            if text:
                return text.rstrip(":").strip()
    return ""


def walk(node, depth, out):
    try:
        role = node.getRole()
        role_name = node.getRoleName()
        name = node.name or ""
        # A list's name is its chosen entry; a reader names the list by its label.
        if role == pyatspi.ROLE_COMBO_BOX:
            label = label_of(node)
            if label:
                name = "%s: %s" % (label, name)
        states = node.getState()
        count = node.childCount
    except Exception as error:  # an object that went away while it was read
        out.append((depth, "(gone)", str(error), None, False))
        return
    out.append((depth, role_name, name, role, states.contains(pyatspi.STATE_SHOWING)))
    if depth >= MAX_DEPTH:
        return
    for i in range(min(count, MAX_CHILDREN)):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, out)


def main():
    pid = int(sys.argv[1])
    app = find_application(pid)
    if app is None:
        print("FAIL: the program is not on the accessibility bus")
        return 1
    controls = []
    # The window's widgets reach the bus a moment after it shows.
    for _ in range(50):
        controls = []
        walk(app, 0, controls)
        if any(name == "Document" for _, _, name, _, _ in controls):
            break
        time.sleep(0.2)

    for depth, role_name, name, _, showing in controls:
        print("%s%s\t%s%s" % ("  " * depth, role_name, name, "" if showing else "\t(hidden)"))

    failures = []
    named = {}
    for _, role_name, name, role, _ in controls:
        named.setdefault(name, set()).add(role_name)
        if role == pyatspi.ROLE_COMBO_BOX and ": " in name:
            named.setdefault(name.split(": ", 1)[0], set()).add(role_name)
        if role in NAMED_ROLES and not name.strip():
            failures.append("a %s without a name" % role_name)
    wanted = [
        ("the File menu", "File"),
        ("the Edit menu", "Edit"),
        ("the Format menu", "Format"),
        ("the Web menu", "Web"),
        ("the Help menu", "Help"),
        ("the Bold button", "Bold"),
        ("the Copy to Web button", "Copy to Web"),
        ("the Post as list", "Post as"),
        ("the font size list", "Font Size"),
        ("the document", "Document"),
        ("the length gauge", "Post length"),
    ]
    for what, name in wanted:
        if name not in named:
            failures.append("%s (\"%s\") is missing" % (what, name))
    print("%d controls listed" % len(controls))
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
