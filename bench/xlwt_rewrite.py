"""Writes the same per-student workbooks again with xlwt, for comparison with
our writer.

    xlwt_rewrite.py FOLDER OUTDIR

Reads every student workbook under FOLDER (*.xls but the summary, 评分汇总 /
汇总), every sheet's cells with their types, with xlrd first; only the
writing with xlwt is timed (texts and numbers in the same cells, no
formats: the lighter job). Prints "<workbooks> <cells> <wall seconds> <cpu
seconds>".
"""
import os
import sys
import time

import xlrd
import xlwt


def main():
    folder, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    books = []
    for root, _, names in os.walk(folder):
        for name in sorted(names):
            if not name.endswith(".xls") or "汇总" in name:
                continue
            book = xlrd.open_workbook(os.path.join(root, name))
            sheets = []
            for sheet in book.sheets():
                cells = [(r, c, cell.value, cell.ctype) for r in range(sheet.nrows)
                         for c, cell in enumerate(sheet.row(r)) if cell.ctype != xlrd.XL_CELL_EMPTY]
                sheets.append((sheet.name, cells))
            books.append((name, sheets))
    count = sum(len(cells) for _, sheets in books for _, cells in sheets)
    start, start_cpu = time.perf_counter(), time.process_time()
    for i, (name, sheets) in enumerate(books):
        book = xlwt.Workbook(encoding="utf-8")
        for sheet_name, cells in sheets:
            sheet = book.add_sheet(sheet_name)
            for r, c, value, kind in cells:
                sheet.write(r, c, value)
        book.save(os.path.join(out, "%d.xls" % i))
    print("%d %d %.6f %.6f" % (len(books), count, time.perf_counter() - start, time.process_time() - start_cpu))


if __name__ == "__main__":
    main()
