#!/usr/bin/python3
"""Reads back, with openpyxl, workbooks that the worksheet adapter wrote (export_readback_writer):
values, number formats, merges, fonts, fills, borders, cached formula results, accented and cleaned
text, the refused long text, NaN and infinity as no value, column widths that fit what the cells show,
and numbers written under a Dutch numeric locale. Run with Debian's /usr/bin/python3, which has openpyxl.

usage: read_workbook.py WRITER WORK_FOLDER
"""
import os
import re
import shutil
import subprocess
import sys
import zipfile

import openpyxl

checks = {"passed": 0, "failed": 0}


def check(condition, what):
    if condition:
        checks["passed"] += 1
    else:
        checks["failed"] += 1
        print("FAILED:", what)


def run_writer(writer, path, env, raw=False):
    args = [writer, path] + (["--raw"] if raw else [])
    done = subprocess.run(args, env=env, capture_output=True, text=True, timeout=120)
    lines = done.stdout.splitlines()
    info = {"rc": done.returncode, "refused": [l[8:] for l in lines if l.startswith("refused=")]}
    for line in lines:
        if line.startswith("decimal_point="):
            info["decimal_point"] = line[len("decimal_point="):]
    if done.returncode != 0:
        print(done.stdout, done.stderr)
    return info


# Advance widths of Arial's (and Liberation Sans') digits, point and minus, in em, regular and bold alike.
DIGIT_EM, POINT_EM, MINUS_EM = 0.556, 0.278, 0.333


def shown(value, code):
    """The text a spreadsheet shows for a value under the plain number formats the writers use."""
    if isinstance(value, str):
        return value
    if code in ("General", ""):
        return "%d" % value if value == int(value) else "%.10g" % value
    decimals = len(code.split(".")[1]) if "." in code else 0
    return "{:{}.{}f}".format(value, "," if "," in code else "", decimals)


def needed_width(text, number, points):
    """Column units (digits of the default Calibri 11, 7 pixels) a content needs: a number its characters
    in Arial at the cell's size, a text at least one unit per character of its longest line."""
    if number:
        em = sum(DIGIT_EM if c.isdigit() else MINUS_EM if c == "-" else POINT_EM for c in text)
        return em * points * 96 / 72 / 7
    return max(len(line) for line in text.split("\n"))


def width_problems(ws, cached):
    """Every cell whose column, or merged block, is narrower than what the cell shows."""
    widths = {}
    for dim in ws.column_dimensions.values():
        widths.update((column, dim.width) for column in range(dim.min, dim.max + 1))
    blocks = {(r.min_row, r.min_col): r for r in ws.merged_cells.ranges}
    problems = []
    for row in ws.iter_rows():
        for cell in row:
            value = cached.cell(cell.row, cell.column).value
            if value is None:
                continue
            block = blocks.get((cell.row, cell.column))
            columns = range(block.min_col, block.max_col + 1) if block else [cell.column]
            text = shown(value, cell.number_format)
            need = needed_width(text, not isinstance(value, str), cell.font.sz or 11)
            have = sum(widths.get(column, 8.43) for column in columns)
            if have < need:
                problems.append("%s %r needs %.1f, has %.1f" % (cell.coordinate, text, need, have))
    return problems


def check_cells(path, info):
    ws = openpyxl.load_workbook(path).active
    cached = openpyxl.load_workbook(path, data_only=True).active
    check(ws.title == "Export Detailmeetstaat", "sheet title: %r" % ws.title)

    a1 = ws["A1"]
    check(a1.value == "Project nummer", "A1 value")
    check((a1.font.name, a1.font.sz, a1.font.b, bool(a1.font.i)) == ("Arial", 12, True, False),
          "A1 font: %r" % a1.font)
    check(ws["C1"].value == "Café ë ï", "accented text: %r" % ws["C1"].value)
    check(ws["P1"].value == "Kerkstraat 1 - 1000 Brussel\n", "line feed kept: %r" % ws["P1"].value)

    check([str(r) for r in ws.merged_cells.ranges] == ["A2:V2"], "merges: %r" % ws.merged_cells.ranges)
    check(ws["A2"].value == "Meetstaat, codering QELM", "merged value")
    a2 = ws["A2"]
    check(a2.fill.fill_type == "solid" and a2.fill.fgColor.rgb == "FFC0C0C0", "grey fill: %r" % a2.fill)
    sides = (a2.border.left, a2.border.right, a2.border.top, a2.border.bottom)
    check(all(s.style == "thin" for s in sides), "thin border")
    check(a2.font.b and a2.font.name == "Arial", "bold Arial")
    # openpyxl drops the styles of the covered cells of a merge: compare their style ids in the XML.
    sheet_xml = zipfile.ZipFile(path).read("xl/worksheets/sheet1.xml").decode()
    styles = {ref: re.search(r'<c r="%s" s="(\d+)"' % ref, sheet_xml) for ref in ("A2", "K2", "V2")}
    check(all(styles.values()) and len({m.group(1) for m in styles.values()}) == 1,
          "the merged cells share the first cell's style")

    numbers = {"A3": (12.5, "0.00"), "B3": (-0.5, "0.00"), "C3": (12.3456, "0.000"),
               "D3": (None, "0.0"), "E3": (1234567, "0"), "J3": (None, "0")}
    for ref, (value, code) in numbers.items():
        check(ws[ref].value == value, "%s value: %r" % (ref, ws[ref].value))
        check(ws[ref].number_format == code, "%s number format: %r" % (ref, ws[ref].number_format))
    check(ws["F3"].value == "=A3*2", "formula: %r" % ws["F3"].value)
    check(cached["F3"].value == 25, "cached formula result: %r" % cached["F3"].value)
    check(ws["F3"].number_format == "0.00", "formula number format")
    check(ws["G3"].alignment.horizontal == "right", "right alignment")
    check(ws["A3"].alignment.horizontal is None, "no alignment where none was set")
    for ref in ("H3", "I3"):
        check(ws[ref].font.i and ws[ref].font.sz == 10 and not ws[ref].font.b, "%s italic font" % ref)

    check(ws["A4"].value == "????" and info["refused"] == ["A4"],
          "40,000 characters refused: %r" % info["refused"])
    check(ws["B4"].value == "bad \ufffd byte, control \ufffd, noncharacter \ufffd",
          "cleaned text: %r" % ws["B4"].value)
    check(cached["K3"].value == 3265153.75 and ws["K3"].number_format == "#,##0.00", "K3 total in millions")
    check(not width_problems(ws, cached), "column widths: %r" % width_problems(ws, cached))


def dutch_locale(work):
    """Environment for a Dutch numeric locale: the installed one, or one built into the work folder."""
    env = {k: v for k, v in os.environ.items() if not k.startswith("LC_") and k != "LANG"}
    env["LC_NUMERIC"] = "nl_NL.UTF-8"
    installed = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
    if "nl_NL.utf8" in installed:
        return env
    built = os.path.join(work, "locales")
    os.makedirs(built, exist_ok=True)
    try:
        subprocess.run(["localedef", "-i", "nl_NL", "-f", "UTF-8", os.path.join(built, "nl_NL.UTF-8")],
                       capture_output=True, timeout=120)
    except OSError:
        return None
    env["LOCPATH"] = built
    return env


def main():
    writer, work = sys.argv[1], sys.argv[2]
    shutil.rmtree(work, ignore_errors=True)
    books = os.path.join(work, "books")
    os.makedirs(books)

    plain = os.path.join(books, "plain.xlsx")
    env = dict(os.environ, LC_ALL="C.UTF-8")
    info = run_writer(writer, plain, env)
    check(info["rc"] == 0, "plain workbook saved")
    check_cells(plain, info)

    expected = {"plain.xlsx"}
    env = dutch_locale(work)
    probe = run_writer(writer, os.path.join(books, "raw.xlsx"), env, raw=True) if env else None
    if probe is None or probe.get("decimal_point") != ",":
        print("SKIPPED: no Dutch numeric locale on this machine")
    else:
        expected.add("raw.xlsx")
        raw_xml = zipfile.ZipFile(os.path.join(books, "raw.xlsx")).read("xl/worksheets/sheet1.xml")
        print("the library alone under nl_NL writes", "12,5 (corrupt)" if b"12,5" in raw_xml else "12.5")
        dutch = os.path.join(books, "dutch.xlsx")
        info = run_writer(writer, dutch, env)
        check(info["rc"] == 0, "Dutch workbook saved")
        expected.add("dutch.xlsx")
        sheet_xml = zipfile.ZipFile(dutch).read("xl/worksheets/sheet1.xml")
        check(b"<v>12.5</v>" in sheet_xml and b"12,5" not in sheet_xml, "numbers under nl_NL")
        check_cells(dutch, info)

    check(set(os.listdir(books)) == expected, "no stray files: %r" % sorted(os.listdir(books)))
    print("%d passed, %d failed" % (checks["passed"], checks["failed"]))
    return 1 if checks["failed"] else 0


if __name__ == "__main__":
    sys.exit(main())
