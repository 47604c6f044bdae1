#!/usr/bin/python3
"""Reads back, with openpyxl, the three workbooks that `qelm-host --takeoff-export DIR` wrote for the
sample house (examples/woning.json) and checks that they agree with each other and with the model:
sheet titles, project block, captions, an article's total in each kind, prices and the VAT block of
the summary, the element rows of the detailed bill, the Bouwsoft rows with their IFC GlobalIds, and
column widths that fit what every cell shows.
Run with Debian's /usr/bin/python3, which has openpyxl.

usage: check_workbooks.py DIR
"""
import os
import re
import sys

import openpyxl

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "export", "xlsx"))
from read_workbook import width_problems  # noqa: E402

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def rows(ws):
    """Every row as a dict column letter -> value, without empty cells, with its row number."""
    for row in ws.iter_rows():
        values = {c.column_letter: c.value for c in row if c.value is not None}
        if values:
            yield row[0].row, values


def close(a, b):
    return isinstance(a, (int, float)) and isinstance(b, (int, float)) and abs(a - b) < 0.005


def is_group_row(values):
    return "S" in values and isinstance(values.get("T"), (int, float))


def check_project_block(ws, name):
    check(ws["A1"].value == "Project nummer" and ws["C1"].value == "2024-017", name + ": project number")
    check(ws["C2"].value == "Nieuwbouw eengezinswoning Van Damme", name + ": project name")
    check(ws["C4"].value == "14/03/2025", name + ": publication date")
    check(ws["A7"].value == "Meetstaat, codering QELM", name + ": title row")


def check_summary(path):
    ws = openpyxl.load_workbook(path).active
    check(ws.title == "Export Samenvattende meetstaat", "summary: sheet title " + repr(ws.title))
    check_project_block(ws, "summary")
    check("A7:V7" in {str(r) for r in ws.merged_cells.ranges}, "summary: title row merged over A:V")
    found = {values.get("A"): (number, values) for number, values in rows(ws) if "A" in values}
    number, article = found.get("20.13.10.", (0, {}))
    check(close(article.get("T"), 182.62), "summary: 20.13.10. total 182.62, got %r" % article.get("T"))
    check(article.get("S") == "m2" and ws["T%d" % number].number_format == "0.00", "summary: 20.13.10. unit")
    check(article.get("V") == "=T%d*U%d" % (number, number), "summary: 20.13.10. line total formula")
    labels = [values.get("T") for _, values in rows(ws) if "T" in values]
    for label in ("Bedrag exclusief BTW", "BTW %", "Bedrag inclusief BTW"):
        check(label in labels, "summary: VAT block line " + label)
    return {code: values["T"] for code, (_, values) in found.items() if is_group_row(values)}


def check_detailed(path, totals):
    ws = openpyxl.load_workbook(path).active
    check(ws.title == "Export Detailmeetstaat", "detailed: sheet title " + repr(ws.title))
    check_project_block(ws, "detailed")
    check(ws["F9"].value == "Beschrijving" and ws["G9"].value == "Aantal", "detailed: element captions")
    walls, group = [], None
    for _, values in rows(ws):
        if is_group_row(values):
            group = values.get("A")
            check(close(values["T"], totals.get(group)), "detailed: total of %s equals the summary's" % group)
        elif group == "20.13.10." and "F" in values:
            walls.append(values)
    check([w["F"] for w in walls][:4] == ["BM-01", "BM-02", "BM-03", "BM-04"], "detailed: 20.13.10. elements")
    check(close(sum(w.get("L", 0) for w in walls), 182.62), "detailed: 20.13.10. element surfaces add up")


def check_bouwsoft(path, totals):
    ws = openpyxl.load_workbook(path).active
    check(ws["A1"].value == "QELM-artikel (Nr 1)" and ws["P1"].value == "IFC_ID", "bouwsoft: caption row")
    walls = [values for _, values in rows(ws) if values.get("A") == "20.13.10."]
    check(len(walls) == 10, "bouwsoft: ten rows of 20.13.10., got %d" % len(walls))
    check(close(sum(w.get("G", 0) for w in walls), totals.get("20.13.10.") or 0), "bouwsoft: m2 add up")
    check(all(re.fullmatch(r"[0-9A-Za-z_$]{22}", w.get("P", "")) for w in walls), "bouwsoft: IFC GlobalIds")


def main(folder):
    names = ["samenvattende-meetstaat.xlsx", "detailmeetstaat.xlsx", "bouwsoft-meetstaat.xlsx"]
    paths = [os.path.join(folder, name) for name in names]
    missing = [p for p in paths if not os.path.isfile(p)]
    if missing:
        print("missing workbooks:", ", ".join(missing))
        return 1
    totals = check_summary(paths[0])
    check_detailed(paths[1], totals)
    check_bouwsoft(paths[2], totals)
    for name, path in zip(names, paths):
        problems = width_problems(openpyxl.load_workbook(path).active,
                                  openpyxl.load_workbook(path, data_only=True).active)
        check(not problems, name + ": column widths " + repr(problems))
    leftovers = [f for f in os.listdir(folder) if f not in names]
    check(not leftovers, "no temporary files left beside the workbooks: %r" % leftovers)
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
