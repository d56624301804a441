"""Writes the benchmark's workbooks with xlwt, for comparison.

    xls_xlwt_writer.py CELLS OUTDIR

CELLS lists the workbooks ("W<TAB>file name"), each followed by its header
row ("H" and five texts) and its rows ("R", three texts and two numbers in
float.hex form; an empty text leaves its cell empty). The file is read first;
only the writing is timed. Prints "class <seconds>" for all workbooks but the
last and "large <seconds>" for the last one.
"""
import os
import sys
import time

import xlwt


def load(path):
    books = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if fields[0] == "W":
                books.append((fields[1], []))
            elif fields[0] == "H":
                books[-1][1].append(tuple(fields[1:6]))
            else:
                books[-1][1].append((fields[1], fields[2], fields[3],
                                     float.fromhex(fields[4]), float.fromhex(fields[5])))
    return books


def write(name, rows, folder):
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Sheet1")
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            if value != "":
                sheet.write(r, c, value)
    book.save(os.path.join(folder, name))


def main():
    books = load(sys.argv[1])
    folder = sys.argv[2]
    start = time.perf_counter()
    for name, rows in books[:-1]:
        write(name, rows, folder)
    middle = time.perf_counter()
    name, rows = books[-1]
    write(name, rows, folder)
    end = time.perf_counter()
    print("class %.6f" % (middle - start))
    print("large %.6f" % (end - middle))


if __name__ == "__main__":
    main()
