# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Prints, as JSON, every accessible object of the applications whose name holds
argv[1], as a screen reader sees them over AT-SPI. Run with Debian's python3, which
has pyatspi."""
import json, sys
import pyatspi
def walk(acc, depth, out):
    try:
        role = acc.getRoleName(); name = acc.name or ""
        states = acc.getState()
        focusable = states.contains(pyatspi.STATE_FOCUSABLE)
        showing = states.contains(pyatspi.STATE_SHOWING)
        actions = 0
        try:
            actions = acc.queryAction().nActions
        except Exception:
            pass
        out.append({"depth": depth, "role": role, "name": name, "description": acc.description or "", "focusable": focusable, "showing": showing, "actions": actions})
        for i in range(acc.childCount):
            walk(acc.getChildAtIndex(i), depth + 1, out)
    except Exception as e:
        out.append({"depth": depth, "error": str(e)})
desktop = pyatspi.Registry.getDesktop(0)
out = []
for app in desktop:
    if app is None: continue
    if sys.argv[1] in (app.name or "").lower():
        walk(app, 0, out)
print(json.dumps(out))
