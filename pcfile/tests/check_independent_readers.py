#!/usr/bin/env python3
"""Reads the CSV and TAB files that pcfile_independent_files wrote with Python's csv module and compares every
row with the records the transfer was given: texts exactly (full width or without trailing blanks), numbers as
decimals. Every line must end with CR LF."""
import csv
import sys
from decimal import Decimal
from pathlib import Path

RECORDS = [
    ("Widget, big", "1234.50", "42", "-123"),
    ('Say "hi"', "-0.99", "-1", "0"),
    ("tab\there", "99999.99", "99999", "999"),
    ("", "0.00", "0", "-1"),
]
NAME_WIDTH = 12

FILES = {
    "records.csv": {"delimiter": ",", "trimmed": False, "comma": False},
    "records-trimmed.csv": {"delimiter": ",", "trimmed": True, "comma": False},
    "records.tab": {"delimiter": "\t", "trimmed": False, "comma": False},
    "records-comma.tab": {"delimiter": "\t", "trimmed": True, "comma": True},
}


def check(path, delimiter, trimmed, comma):
    raw = path.read_bytes()
    problems = []
    if raw.count(b"\r\n") != len(RECORDS) or raw.replace(b"\r\n", b"").count(b"\n"):
        problems.append("lines do not all end with CR LF")
    with path.open(newline="", encoding="latin-1") as stream:
        rows = list(csv.reader(stream, delimiter=delimiter))
    if len(rows) != len(RECORDS):
        return problems + [f"{len(rows)} rows instead of {len(RECORDS)}"]
    for number, (row, record) in enumerate(zip(rows, RECORDS), 1):
        if len(row) != len(record):
            problems.append(f"row {number}: {len(row)} values")
            continue
        name = record[0] if trimmed else record[0].ljust(NAME_WIDTH)
        if row[0] != name:
            problems.append(f"row {number}: text {row[0]!r}, expected {name!r}")
        for value, expected in zip(row[1:], record[1:]):
            if comma:
                if "." in value:
                    problems.append(f"row {number}: {value!r} has a decimal point")
                value = value.replace(",", ".")
            if Decimal(value.strip()) != Decimal(expected):
                problems.append(f"row {number}: number {value!r}, expected {expected}")
            if trimmed and value != value.lstrip(" "):
                problems.append(f"row {number}: {value!r} keeps its blanks")
    return problems


def main():
    folder = Path(sys.argv[1])
    failed = False
    for name, rules in FILES.items():
        path = folder / name
        if not path.exists():
            print(f"{name}: missing")
            failed = True
            continue
        problems = check(path, **rules)
        for problem in problems:
            print(f"{name}: {problem}")
        failed = failed or bool(problems)
        if not problems:
            print(f"{name}: {len(RECORDS)} rows read by the csv module as written")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
