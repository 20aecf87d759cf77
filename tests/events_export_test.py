#!/usr/bin/env python3
"""events_export_test.py <solar-system>: runs --events with no display and reads what it prints with
parsers that are not the program's: Python's csv module, and RFC 5545's structure."""
import csv, datetime, io, os, re, subprocess, sys

program, year = sys.argv[1], ["--events", "2027-01-01", "2027-12-31"]
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}


def run(*args, status=0):
    done = subprocess.run([program, *args], capture_output=True, env=env, timeout=600)
    if done.returncode != status or (status == 0) != (done.stderr == b""):
        sys.exit(f"{args}: status {done.returncode}, {done.stderr!r}")
    return done.stdout, done.stderr.decode()


out, _ = run(*year)
rows = list(csv.reader(io.StringIO(out.decode(), newline="")))
moments = [datetime.datetime.strptime(row[0], "%Y-%m-%dT%H:%M:%SZ") for row in rows[1:] if len(row) == 2]
assert rows[0] == ["Momento (UTC)", "Evento"] and 0 < len(moments) == len(rows) - 1, rows[:2]
assert moments == sorted(moments) and moments[0] >= datetime.datetime(2027, 1, 1), moments[0]
assert moments[-1] <= datetime.datetime(2028, 1, 1), moments[-1]
assert out.count(b"\n") == out.count(b"\r\n") == len(rows)

out, _ = run(*year, "--format", "ics")
# Folded at 75 octets, each line whole UTF-8 (decode raises otherwise).
assert all(len(line.decode()) <= len(line) <= 75 for line in out.split(b"\r\n"))
lines = out.decode().replace("\r\n ", "").split("\r\n")
assert lines[:2] == ["BEGIN:VCALENDAR", "VERSION:2.0"] and lines[-2:] == ["END:VCALENDAR", ""], lines[-2:]
events = "\n".join(lines).split("BEGIN:VEVENT\n")[1:]
assert len(events) == len(moments) and all(event.count("END:VEVENT\n") == 1 for event in events)
for event in events:
    assert {"UID", "DTSTAMP", "SUMMARY"} <= {line.split(":", 1)[0] for line in event.split("\n")}, event
    assert re.search(r"^DTSTART:\d{8}T\d{6}Z$", event, re.M), event

_, err = run("--events", "2027-12-31", "2027-01-01", status=2)
assert err.count("\n") == 1, err

# A reader that leaves early (three years of ics fill more than the pipe holds), and no
# standard output at all: a quiet end with status 1.
reader = subprocess.Popen([program, "--events", "2027-01-01", "2029-12-31", "--format", "ics"],
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env)
reader.stdout.readline()
reader.stdout.close()
assert reader.stderr.read() == b"" and reader.wait() == 1, reader.returncode
closed = subprocess.run(["bash", "-c", 'exec >&-; exec "$0" "$@"', program, *year], capture_output=True, env=env)
assert closed.returncode == 1 and closed.stderr == b"", closed

# A full disk: one line that says so, and status 1.
with open("/dev/full", "wb") as full:
    done = subprocess.run([program, *year], stdout=full, stderr=subprocess.PIPE, env=env, timeout=600)
assert done.returncode == 1, done
assert re.fullmatch(r"Non è stato possibile scrivere gli eventi: [^\n]+\.\n", done.stderr.decode()), done.stderr
