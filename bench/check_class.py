"""Checks a generated class's grades against what its class.tsv says each
student should get.

    check_class.py CLASS.TSV GRADE.JSON

GRADE.JSON is the output of `tmscore-cli grade --json`. Prints one line per
student whose grade does not fit, and a count per kind; exits 1 when a
student does not fit.
"""
import collections
import json
import os
import sys


def fits(kind, student):
    total = student["total"]
    if kind == "damaged-model":
        return not student["loaded"]
    if not student["loaded"]:
        return False
    if kind == "equal":
        return student["totalText"] == "100.00"
    if kind == "within":
        return total >= 95.0
    if kind in ("off", "weak-storey", "damaged-result", "missing-results"):
        return total < 100.0
    if kind == "model-only":
        return total < 95.0
    return True


def main():
    rows = {}
    with open(sys.argv[1], encoding="utf-8") as f:
        next(f)
        for line in f:
            fields = line.rstrip("\n").split("\t")
            rows[fields[0]] = fields
    with open(sys.argv[2], encoding="utf-8") as f:
        grade = json.load(f)
    counts = collections.Counter()
    wrong = 0
    seen = set()
    for student in grade["students"]:
        archive = os.path.basename(student.get("input") or "")
        if archive not in rows:
            continue
        seen.add(archive)
        _, _, _, made, kind, _, _ = rows[archive]
        ok = fits(kind, student)
        counts[(kind, ok)] += 1
        if not ok:
            wrong += 1
            print("does not fit: %s (%s, %s): %s %s" % (archive, kind, made, student["status"], student["totalText"]))
    for archive in sorted(set(rows) - seen):
        wrong += 1
        print("no row: %s" % archive)
    for (kind, ok), count in sorted(counts.items()):
        print("%-16s %-4s %d" % (kind, "fits" if ok else "NOT", count))
    sys.exit(1 if wrong else 0)


if __name__ == "__main__":
    main()
