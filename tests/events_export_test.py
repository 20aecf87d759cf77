#!/usr/bin/env python3
"""Runs solar-system --events with no display and reads what it prints with
parsers that are not the program's: Python's csv module, and RFC 5545's
structure for the calendar. Usage: events_export_test.py <solar-system>"""
import csv, datetime, io, os, re, subprocess, sys

program = sys.argv[1]
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
year = ["--events", "2027-01-01", "2027-12-31"]


def run(*args):
    done = subprocess.run([program, *args], capture_output=True, env=env, timeout=600)
    return done.returncode, done.stdout, done.stderr.decode()


def check(condition, what):
    if not condition:
        sys.exit(f"events_export_test: {what}")


status, out, err = run(*year)
check(status == 0 and err == "", f"csv: status {status}, {err!r}")
rows = list(csv.reader(io.StringIO(out.decode("utf-8"), newline="")))
check(rows[0] == ["Momento (UTC)", "Evento"] and len(rows) > 1, f"csv header {rows[:2]}")
moments = [datetime.datetime.strptime(row[0], "%Y-%m-%dT%H:%M:%SZ") for row in rows[1:] if len(row) == 2]
check(len(moments) == len(rows) - 1, "a row without two fields")
check(moments == sorted(moments), "moments out of order")
check(datetime.datetime(2027, 1, 1) <= moments[0] and moments[-1] <= datetime.datetime(2028, 1, 1), "outside 2027")
check(out.count(b"\n") == out.count(b"\r\n") == len(rows), "lines not ended in CRLF")

status, out, err = run(*year, "--format", "ics")
check(status == 0 and err == "", f"ics: status {status}, {err!r}")
lines = out.decode("utf-8").replace("\r\n ", "").split("\r\n")
# Folded at 75 octets, each line whole UTF-8 (decode raises otherwise).
check(lines[-1] == "" and all(len(line.decode()) <= len(line) <= 75 for line in out.split(b"\r\n")), "ics lines")
check(lines[:2] == ["BEGIN:VCALENDAR", "VERSION:2.0"] and lines[-2] == "END:VCALENDAR", "ics frame")
events = "\n".join(lines).split("BEGIN:VEVENT\n")[1:]
check(len(events) == len(moments) and all(e.count("END:VEVENT") == 1 for e in events), "ics events")
for event in events:
    names = {line.split(":", 1)[0] for line in event.split("\n")}
    check({"UID", "DTSTAMP", "SUMMARY"} <= names, f"properties missing in {event!r}")
    check(re.search(r"^DTSTART:\d{8}T\d{6}Z$", event, re.M), f"DTSTART not UTC in {event!r}")

status, out, err = run("--events", "2027-12-31", "2027-01-01")
check(status == 2 and out == b"" and err.count("\n") == 1, f"reversed: {status}, {err!r}")

# A reader that leaves early, and no standard output at all: a quiet end.
reader = subprocess.Popen([program, "--events", "1900-01-01", "2000-01-01", "--format", "ics"],
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env)
reader.stdout.readline()
reader.stdout.close()
err = reader.stderr.read().decode()
check(reader.wait() == 1 and err == "", f"broken pipe: {reader.returncode}, {err!r}")
closed = subprocess.run(["bash", "-c", 'exec >&-; exec "$0" "$@"', program, *year], capture_output=True, env=env)
check(closed.returncode == 1 and closed.stderr == b"", f"closed output: {closed.returncode}, {closed.stderr!r}")
