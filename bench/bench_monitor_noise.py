#!/usr/bin/env python3
"""quillon-cli monitor against a line full of random bytes with a valid status
report every 100 ms: how many reports it shows against how many were sent, and
whether any shown value lies outside what a report can carry.

usage: bench_monitor_noise.py QUILLON_CLI [SECONDS]
"""
import os, pty, random, re, select, signal, subprocess, sys, time, tty

START, END = b"\x7f\x2f", b"\x7e\x0e"


def reply(kind, seq, payload):
    body = bytes([30, kind, seq]) + bytes(payload)
    length = len(body) + 2
    body += bytes([length])
    x = 0
    for b in body:
        x ^= b
    wire = START + body + bytes([x]) + END
    return wire + bytes(90 - len(wire))


def status(seq, t):
    p = bytearray(37)
    for i, off in enumerate((3, 5, 7, 9, 11, 14)):
        raw = 3800 + int(1000 * ((t * 0.7 + i / 6) % 1.0 - 0.5) * 2)  # shown as -95..95
        p[off - 3], p[off - 2] = raw >> 8 & 0xFF, raw & 0xFF
    p[38 - 3], p[39 - 3] = 105, 0
    return reply(40, seq, p)


def frames(buffer):
    out = []
    while True:
        s = buffer.find(START)
        e = buffer.find(END, s + 2) if s >= 0 else -1
        if s < 0 or e < 0:
            return out, buffer[s:] if s >= 0 else b""
        body = buffer[s + 2:e]
        buffer = buffer[e + 2:]
        if len(body) >= 5:
            out.append((body[-5], body[-4], body[-3]))  # kind, seq, request


def main():
    cli = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 60
    master, slave = pty.openpty()
    tty.setraw(slave)
    path = os.ttyname(slave)
    rng = random.Random(7)
    proc = subprocess.Popen([cli, "monitor", path], stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    pending, streaming, seq, sent = b"", False, 0, 0
    begin = time.monotonic()
    next_report = next_noise = begin
    while time.monotonic() - begin < seconds + 2:
        now = time.monotonic()
        if streaming and now - begin > seconds:
            proc.send_signal(signal.SIGINT)
            streaming = False
            begin = -1e9  # stop after the answer to the stop
        r, _, _ = select.select([master], [], [], 0.01)
        if r:
            try:
                pending += os.read(master, 4096)
            except OSError:
                break
            found, pending = frames(pending)
            for kind, s, request in found:
                seq = s
                if request == 30:
                    os.write(master, reply(30, s, [0] * 78))
                elif request == 40:
                    streaming = True
                else:
                    streaming = False
                    os.write(master, reply(20, s, []))
        if streaming and now >= next_noise:
            os.write(master, bytes(rng.randrange(256) for _ in range(rng.randrange(20, 60))))
            next_noise = now + 0.03
        if streaming and now >= next_report:
            os.write(master, status(seq, now))
            sent += 1
            next_report = now + 0.1
        if proc.poll() is not None:
            break
    out, err = proc.communicate(timeout=10)
    values = [int(v) for v in re.findall(rb"(?:Aileron|Elevator|Rudder|pitch|Gain|Condition|Throttle) +(-?\d+)", out)]
    shown = out.count(b"Aileron")
    print(f"valid reports sent: {sent}")
    print(f"reports shown:      {shown}")
    print(f"values outside +-100: {sum(1 for v in values if abs(v) > 100)}")
    print(err.decode().strip().splitlines()[-1] if err.strip() else "(nothing on stderr)")


if __name__ == "__main__":
    main()
