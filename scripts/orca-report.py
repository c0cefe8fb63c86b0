#!/usr/bin/env python3
"""What Orca said after each step of an orca-session.sh key script.

    orca-report.py STEPS ORCA_LOG [--merged FILE]

STEPS holds "EPOCH KIND TEXT" lines (mark, key, type); ORCA_LOG is Orca's
--debug-file, whose lines start "HH:MM:SS.ffffff - " (UTC in the session).
The report lists, per mark, each key and each SPEECH OUTPUT line with its
time after the key before it, the delay from each key to its first speech,
and how many accessibility events Orca received meanwhile. --merged writes
Orca's log with the steps interleaved as "===== STEP" lines.
"""
import argparse
import collections
import re
import sys

STAMP = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - (.*)$")
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=(\w+))?(?:\[?\{.*\}\]?)?$")
EVENT = re.compile(r"EVENT MANAGER: ([a-z-]+:[a-z-]*:?[a-z-]*) for .* in \[[^|\]]*\|\s*([^\]]*)\]")
FOCUS = re.compile(r"OBJECT EVENT: (object:state-changed:focused \(1|focus:)")
QUEUE = re.compile(r"(DELUGE!|FLOOD\?) Queue size is (\d+)")
PRUNED = re.compile(r"(\d+) events pruned. New size: (\d+)")


def read_steps(path):
    steps = []
    with open(path) as f:
        for line in f:
            epoch, kind, *text = line.rstrip("\n").split(" ", 2)
            steps.append((float(epoch), kind, text[0] if text else ""))
    return steps


def read_orca(path, day_start):
    """(time, line) for every stamped line, as epoch seconds."""
    lines, last = [], None
    with open(path, errors="replace") as f:
        for raw in f:
            m = STAMP.match(raw.rstrip("\n"))
            if not m:
                continue
            t = day_start + int(m[1]) * 3600 + int(m[2]) * 60 + float(m[3])
            if last is not None and t < last - 43200:
                day_start += 86400
                t += 86400
            last = t
            lines.append((t, m[4]))
    return lines


def merged(steps, orca, path):
    items = [(t, 1, "===== STEP %s %s" % (k, x)) for t, k, x in steps]
    items += [(t, 0, text) for t, text in orca]
    with open(path, "w") as f:
        for t, _, text in sorted(items, key=lambda i: (i[0], i[1])):
            hms = "%02d:%02d:%09.6f" % (t % 86400 // 3600, t % 3600 // 60, t % 60)
            f.write("%s - %s\n" % (hms, text))


def queue_sizes(orca):
    """(time, events waiting in Orca's queue) after each queue change."""
    size, sizes = 0, []
    for t, x in orca:
        if x.startswith("EVENT MANAGER: Queueing "):
            size += 1
        elif x.startswith("EVENT MANAGER: Dequeued "):
            size = max(size - 1, 0)
        elif QUEUE.search(x) or PRUNED.search(x):
            size = int((QUEUE.search(x) or PRUNED.search(x))[2])  # Orca's own count
        else:
            continue
        sizes.append((t, size))
    return sizes


def focus_spoken(t, until, orca):
    """Time of the first speech after Orca handled the first focus gained
    between t and until."""
    handled = next((ht for ht, x in orca if t <= ht < until and FOCUS.match(x)), None)
    if handled is None:
        return None
    return next((st for st, x in orca if st >= handled and "SPEECH OUTPUT:" in x), None)


def segment_report(name, start, end, steps, orca, out):
    inside = [s for s in steps if start <= s[0] < end and s[1] not in ("mark", "note")]
    notes = [(t, "note", x) for t, k, x in steps if start <= t < end and k == "note"]
    said = [(t, SPEECH.search(x)) for t, x in orca if start <= t < end and "SPEECH OUTPUT:" in x]
    events = [EVENT.search(x) for t, x in orca if start <= t < end and "EVENT MANAGER:" in x]
    events = [e for e in events if e]
    queue = [int(QUEUE.search(x)[2]) for t, x in orca if start <= t < end and QUEUE.search(x)]
    out.write("\n== %s  (%.1f s)\n" % (name, end - start))
    timeline = [(t, "step", "%s %s" % (k, x)) for t, k, x in inside]
    timeline += [(t, "said", m) for t, m in said if m] + notes
    anchor = start
    for t, kind, what in sorted(timeline, key=lambda i: i[0]):
        if kind == "step":
            anchor = t
            first = next((st for st, _ in said if st >= t), None)
            late = "no speech" if first is None else "first speech after %.3f s" % (first - t)
            following = [st for st, k, _ in inside if st > t]
            focus = focus_spoken(t, following[0] if following else end, orca)
            if focus is not None:
                late += ", focus spoken after %.3f s" % (focus - t)
            out.write("  %+8.3f  > %s   (%s)\n" % (t - start, what, late))
        elif kind == "note":
            out.write("                # %s\n" % what)
        else:
            voice = " [%s]" % what[2] if what[2] else ""
            out.write("  %+8.3f      '%s'%s\n" % (t - anchor, what[1], voice))
    rate = len(events) / (end - start) if end > start else 0
    out.write("  events received: %d (%.1f/s)" % (len(events), rate))
    apps = collections.Counter(e[2].strip() for e in events)
    types = collections.Counter(e[1] for e in events)
    if events:
        out.write("; by app %s; top types %s" % (dict(apps.most_common(3)), dict(types.most_common(4))))
    if queue:
        out.write("; Orca queue warnings %d, largest %d" % (len(queue), max(queue)))
    waiting = [n for t, n in queue_sizes(orca) if start <= t < end]
    if waiting:
        out.write("; Orca's queue up to %d, %d at the end" % (max(waiting), waiting[-1]))
    out.write("\n")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("steps")
    ap.add_argument("orca_log")
    ap.add_argument("--merged")
    a = ap.parse_args()
    steps = read_steps(a.steps)
    if not steps:
        sys.exit("no steps")
    orca = read_orca(a.orca_log, steps[0][0] // 86400 * 86400)
    if a.merged:
        merged(steps, orca, a.merged)
    marks = [s for s in steps if s[1] == "mark"]
    out = sys.stdout
    out.write("Orca's speech per step (times: s after the step or mark above)\n")
    for (t, _, name), nxt in zip(marks, marks[1:] + [(float("inf"), "", "")]):
        if name != "end":
            segment_report(name, t, nxt[0], steps, orca, out)


if __name__ == "__main__":
    main()
