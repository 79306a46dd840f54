#!/usr/bin/env python3
"""A wrapper engine for measuring how far the program's position lags: runs the
real mplayer with the given arguments, passes its output on at once and, for
every status line that turns the whole second, appends to $ZORVI_LAG_LOG the
milliseconds from the moment the line was passed on until the program had read
it (seen as the bytes left unread in the pipe, polled every millisecond).
With $ZORVI_SEEK_LOG set, it appends there the wall-clock time in ns of every
status line whose position jumped 5 s or more from the line before (a seek)."""
import fcntl
import os
import select
import struct
import subprocess
import sys
import termios
import time

engine = subprocess.Popen([os.environ.get("ZORVI_REAL_ENGINE", "mplayer")] + sys.argv[1:],
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
source = engine.stdout.fileno()
log_path = os.environ.get("ZORVI_LAG_LOG")
seek_log = open(os.environ["ZORVI_SEEK_LOG"], "a") if os.environ.get("ZORVI_SEEK_LOG") else None
last_position = None
written = 0      # bytes passed on
turns = []       # (end offset, time passed on) of lines that turned the second
last_second = None
line = b""
lags = []


def unread():
    return struct.unpack("i", fcntl.ioctl(1, termios.FIONREAD, b"\0\0\0\0"))[0]


def position(text):
    try:
        return float(text[2:].lstrip().split(b" ")[0]) if text[:2] in (b"A:", b"V:") else None
    except ValueError:
        return None


def seconds(text):
    if len(text) < 3 or text[:2] not in (b"A:", b"V:"):
        return None
    number = text[2:].lstrip().split(b" ")[0]
    try:
        return int(float(number)) if not number.startswith(b"-") else -1
    except ValueError:
        return None


while True:
    ready, _, _ = select.select([source], [], [], 0.001)
    now = time.monotonic()
    if ready:
        data = os.read(source, 65536)
        if not data:
            break
        os.write(1, data)
        for i, byte in enumerate(data):
            if byte in (10, 13):
                s = seconds(line)
                p = position(line) if seek_log else None
                if p is not None:
                    if last_position is not None and abs(p - last_position) >= 5:
                        seek_log.write(f"{time.time_ns()}\n")
                        seek_log.flush()
                    last_position = p
                if s is not None:
                    if last_second is not None and s != last_second:
                        turns.append((written + i + 1, now))
                    last_second = s
                line = b""
            else:
                line += data[i:i + 1]
        written += len(data)
    consumed = written - unread()
    while turns and turns[0][0] <= consumed:
        lags.append((now - turns.pop(0)[1]) * 1000)

if log_path and lags:
    with open(log_path, "a") as log:
        log.write("".join(f"{lag:.2f}\n" for lag in lags))
sys.exit(engine.wait())
