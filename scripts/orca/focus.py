# Puts the keyboard focus on the program's first showing control whose
# accessible name matches, through the accessibility bus: a known place to
# start a journey from. A pattern is [ROLE:]NAME, NAME ending in * matches
# a prefix; "|" separates patterns tried in turn, e.g.
#   focus.py "slider:Roll gain|slider:Gain"
import sys

import pyatspi


def matcher(pattern):
    role, _, name = pattern.rpartition(":")
    prefix = name.endswith("*")
    name = name.rstrip("*").lower()

    def match(o):
        got = (o.name or "").lower()
        named = got.startswith(name) if prefix else got == name
        return named and (not role or o.getRoleName() == role) and o.getState().contains(pyatspi.STATE_SHOWING)

    return match


def main(patterns):
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name.startswith("Quillon")]
    for pattern in patterns.split("|"):
        for app in apps:
            found = pyatspi.findDescendant(app, matcher(pattern))
            if found is not None:
                print("focus: %s %r" % (found.getRoleName(), found.name), file=sys.stderr)
                return 0 if found.queryComponent().grabFocus() else 1
    print("focus: nothing matches %r" % patterns, file=sys.stderr)
    return 1


sys.exit(main(sys.argv[1]))
