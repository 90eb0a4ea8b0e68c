#!/usr/bin/python3
"""Prints every sheet of a workbook as the tests compare it: the frozen cell, the column
widths, and each cell with its value as written (a formula's text), its cached value where
that differs, its number format and whether it is bold. The workbook is read twice: once
for the formulas and once for the values a spreadsheet program would show."""
import sys

import openpyxl


def show(value):
    if isinstance(value, float) and value.is_integer():
        value = int(value)
    return repr(value)


def main(path):
    formulas = openpyxl.load_workbook(path)
    values = openpyxl.load_workbook(path, data_only=True)
    for sheet in formulas.worksheets:
        cached = values[sheet.title]
        print("== " + sheet.title)
        print("frozen: %s" % sheet.freeze_panes)
        widths = sorted((k, d.width) for k, d in sheet.column_dimensions.items() if d.customWidth)
        print("widths: " + " ".join("%s=%.0f" % w for w in widths))
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is None:
                    continue
                line = "%s %s" % (cell.coordinate, show(cell.value))
                value = cached[cell.coordinate].value
                if value != cell.value:
                    line += " -> %s" % show(value)
                if cell.number_format != "General":
                    line += " [%s]" % cell.number_format
                if cell.font is not None and cell.font.b:
                    line += " bold"
                print(line)


if __name__ == "__main__":
    main(sys.argv[1])
