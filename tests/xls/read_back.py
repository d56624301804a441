"""Reads a written workbook back with independent readers, for the tests.

    read_back.py cells FILE        xlrd: every sheet and every non-empty cell
    read_back.py streams FILE DIR  olefile (strict): every stream, its content
                                   saved as DIR/<n>.bin

Output lines are tab-separated; texts are given as UTF-8 in hex and numbers
with float.hex(), so that nothing is lost on the way back.
"""
import sys


def hexed(text):
    return text.encode("utf-8").hex()


def cells(path):
    import xlrd
    book = xlrd.open_workbook(path, logfile=sys.stderr, verbosity=0)
    for sheet in book.sheets():
        print("S\t%s\t%d\t%d" % (hexed(sheet.name) or "-", sheet.nrows, sheet.ncols))
        for r in range(sheet.nrows):
            for c in range(sheet.ncols):
                cell = sheet.cell(r, c)
                if cell.ctype == xlrd.XL_CELL_TEXT:
                    print("C\t%d\t%d\tt\t%s" % (r, c, hexed(cell.value)))
                elif cell.ctype == xlrd.XL_CELL_NUMBER:
                    print("C\t%d\t%d\tn\t%s" % (r, c, float(cell.value).hex()))
                elif cell.ctype not in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
                    print("C\t%d\t%d\t?\t%r" % (r, c, cell.value))


def streams(path, folder):
    import olefile
    ole = olefile.OleFileIO(path, raise_defects=olefile.DEFECT_INCORRECT)
    for n, entry in enumerate(ole.listdir(streams=True, storages=False)):
        name = "/".join(entry)
        data = ole.openstream(entry).read()
        out = "%s/%d.bin" % (folder, n)
        with open(out, "wb") as f:
            f.write(data)
        print("T\t%s\t%d\t%s" % (hexed(name), ole.get_size(entry), out))
    for entry in ole.listdir(streams=False, storages=True):
        print("D\t%s" % hexed("/".join(entry)))
    ole.close()


def main():
    if sys.argv[1] == "cells":
        cells(sys.argv[2])
    elif sys.argv[1] == "streams":
        streams(sys.argv[2], sys.argv[3])
    else:
        sys.exit("unknown mode")


if __name__ == "__main__":
    main()
