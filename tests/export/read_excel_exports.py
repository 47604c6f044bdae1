#!/usr/bin/python3
"""Reads back, with openpyxl, the three workbook kinds that excel_readback_writer exports from a small
take-off: project block, title and caption rows, group and article rows, Bouwsoft rows per piece,
the VAT block with its formulas and cached values in the millions, fonts, fills, merges, accented text
and column widths that fit what the cells show; and the alerts of a failed and a cancelled export. Runs once under C.UTF-8 and once under a Dutch numeric
locale when one can be made. Run with Debian's /usr/bin/python3, which has openpyxl.

usage: read_excel_exports.py WRITER WORK_FOLDER
"""
import os
import shutil
import subprocess
import sys
import zipfile

import openpyxl

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "xlsx"))
from read_workbook import check, checks, dutch_locale, width_problems  # noqa: E402

KEPT = b"the previous export, which a cancelled one must leave alone"


def run_writer(writer, folder, env):
    done = subprocess.run([writer, folder], env=env, capture_output=True, text=True, timeout=120)
    if done.returncode != 0:
        print(done.stdout, done.stderr)
    lines = done.stdout.splitlines()
    results = [line[len("result="):] == "1" for line in lines if line.startswith("result=")]
    alerts = [line[len("alert="):].replace("\\n", "\n") for line in lines if line.startswith("alert=")]
    point = [line[len("decimal_point="):] for line in lines if line.startswith("decimal_point=")]
    return {"rc": done.returncode, "results": results, "alerts": alerts, "point": point[0] if point else ""}


def load(path):
    return openpyxl.load_workbook(path).active, openpyxl.load_workbook(path, data_only=True).active


def merges(ws):
    return sorted(str(r) for r in ws.merged_cells.ranges)


def close(a, b):
    return a is not None and abs(a - b) < 1e-9 * max(1.0, abs(b))


def check_widths(ws, cached, name):
    problems = width_problems(ws, cached)
    check(not problems, "%s column widths: %r" % (name, problems))


def check_project_block(ws, name):
    for ref, text in (("A1", "Project nummer"), ("A2", "Project"), ("A4", "Publicatie datum"), ("A5", "Klant")):
        cell = ws[ref]
        check(cell.value == text, "%s %s: %r" % (name, ref, cell.value))
        check((cell.font.name, cell.font.sz, cell.font.b) == ("Arial", 12, True), "%s %s label font" % (name, ref))
    check(ws["C1"].value == "2024-017" and ws["C4"].value == "1-2-2024", "%s project number, date" % name)
    check(ws["P2"].value == "Kerkstraat 1 - 1000 Brussel\n", "%s address: %r" % (name, ws["P2"].value))
    check(all(c.value is None for c in ws[6]), "%s row 6 empty" % name)
    title = ws["A7"]
    check(title.value == "Meetstaat, codering QELM", "%s title" % name)
    check(title.fill.fill_type == "solid" and title.fill.fgColor.rgb == "FFC0C0C0", "%s grey fill" % name)
    check(all(s.style == "thin" for s in (title.border.left, title.border.top)), "%s title border" % name)
    check(ws["A8"].value == "Artikelnr." and ws["R8"].value == " AvO", "%s captions" % name)


def check_summary(path):
    ws, cached = load(path)
    check(ws.title == "Export Samenvattende meetstaat", "summary title: %r" % ws.title)
    check_project_block(ws, "summary")
    check(ws["V8"].value == "Totaalprijs" and ws["V8"].fill.fgColor.rgb == "FFC0C0C0", "summary V8")
    check(merges(ws) == sorted(["A7:V7", "A8:B8", "C8:Q8", "A9:B9", "C9:Q9", "A10:B10", "C10:Q10",
                                "A11:B11", "C11:Q11", "T13:U13", "T17:U17"]), "summary merges: %r" % merges(ws))
    check(ws["A9"].value == "20." and ws["A9"].font.b, "first group row 9, a bold heading")
    check(ws["C10"].value == "Gevelmetselwerk \u00e9\u00e9nsteens", "accented name: %r" % ws["C10"].value)
    check(ws["R10"].value == "FH" and not ws["A10"].font.b, "AvO FH, plain row")
    check(ws["T10"].value == 15.75 and ws["T10"].number_format == "0.00", "T10 total")
    check(ws["V10"].value == "=T10*U10" and close(cached["V10"].value, 196.875), "V10 line total")
    check(ws["T11"].value == 3 and ws["T11"].number_format == "0", "T11 pieces")
    net = 196.875 + 3 * 1088384.25
    check(ws["T13"].value == "Bedrag exclusief BTW", "VAT block two rows below the last group")
    check(ws["V13"].value == "=SUM(V3:V11)" and close(cached["V13"].value, net), "net: %r" % cached["V13"].value)
    check(ws["V13"].font.b and ws["V13"].font.sz == 12 and ws["V13"].font.name == "Arial", "net bold")
    check(ws["T15"].value == "BTW %" and ws["U15"].value == 21, "VAT rate")
    check(ws["V15"].value == "=V13*U15*0.01" and close(cached["V15"].value, net * 0.21), "VAT")
    check(ws["V17"].value == "=V13+V15" and close(cached["V17"].value, net * 1.21), "gross")
    check(ws.max_row == 17, "summary rows: %d" % ws.max_row)
    check_widths(ws, cached, "summary")


def check_detail(path):
    ws, cached = load(path)
    check(ws.title == "Export Detailmeetstaat", "detail title: %r" % ws.title)
    check_project_block(ws, "detail")
    check("A7:T7" in merges(ws) and "A7:V7" not in merges(ws), "detail title merged A to T")
    check(ws["U8"].value is None and ws["T8"].value == "Totaal", "detail captions end in T")
    check(ws["B9"].value == "Verdieping" and ws["K9"].value == "Dikte / diepte", "detail captions row 9")
    check(ws["A10"].value == "20." and ws["A11"].value == "20.13.", "first group row 10")
    note = ws["A12"]
    check(note.value == "Volgens lastenboek, hoofdstuk 20" and note.font.i and note.font.sz == 10, "note row")
    check("A12:Q12" in merges(ws), "note merged A to Q")
    check(ws["E13"].value == "Keuken / Berging" and ws["B13"].value == "Gelijkvloers", "zones joined")
    check(ws["L13"].value == 12.25 and ws["L13"].number_format == "0.00", "surface")
    check(ws["H13"].value is None, "a missing length stays empty in a bill")
    check(ws["G16"].value == 3 and ws["F16"].value == "kast", "cupboard row")
    check(ws.max_row == 16, "detail rows: %d" % ws.max_row)
    check_widths(ws, cached, "detail")


def check_bouwsoft(path):
    ws, cached = load(path)
    check(ws["A1"].value == "QELM-artikel (Nr 1)" and ws["P1"].value == "IFC_ID", "Bouwsoft captions")
    check(ws["A1"].fill.fill_type is None, "no fill in the Bouwsoft caption row")
    check(ws["A2"].value == "Volgens lastenboek, hoofdstuk 20", "note before the group's rows")
    check(ws["G3"].value == 12.25 and ws["H3"].value == 0 and ws["M3"].value == 0, "not measured as 0")
    rows = [[c.value for c in ws[r]] for r in (5, 6, 7)]
    check(rows[0] == rows[1] == rows[2], "count 3 gives three identical rows")
    check(rows[0][0] == "30.1." and rows[0][2] == "kast", "the cupboard rows: %r" % rows[0])
    check(rows[0][13:16] == ["lijn 2", "lijn 1", "2O2Fr$t4X7Zf8NOew3FLOH"], "N to P: %r" % rows[0][13:16])
    check(ws.max_row == 7, "Bouwsoft rows: %d" % ws.max_row)
    check(merges(ws) == ["A2:Q2"], "Bouwsoft merges: %r" % merges(ws))
    check_widths(ws, cached, "Bouwsoft")


def check_run(writer, books, env, label):
    shutil.rmtree(books, ignore_errors=True)
    os.makedirs(books)
    with open(os.path.join(books, "kept.xlsx"), "wb") as f:
        f.write(KEPT)
    info = run_writer(writer, books, env)
    check(info["rc"] == 0, label + ": writer ran")
    check(info["results"] == [True, True, True, False, False], label + ": results %r" % info["results"])
    if len(info["alerts"]) != 5:
        check(False, label + ": five alerts: %r" % info["alerts"])
        return info
    check(info["alerts"][0] == "De samenvattende meetstaat is opgeslagen.\nZie " + books + "/summary.xlsx",
          label + ": success alert %r" % info["alerts"][0])
    missing = books + "/missing/detail.xlsx"
    check(info["alerts"][3] == "De gedetailleerde meetstaat is NIET opgeslagen." + missing,
          label + ": failure alert %r" % info["alerts"][3])
    check(info["alerts"][4] == "Exporteren is afgebroken.", label + ": cancel alert %r" % info["alerts"][4])
    with open(os.path.join(books, "kept.xlsx"), "rb") as f:
        check(f.read() == KEPT, label + ": the cancelled export kept the old file")
    check(sorted(os.listdir(books)) == ["bouwsoft.xlsx", "detail.xlsx", "kept.xlsx", "summary.xlsx"],
          label + ": no stray files: %r" % sorted(os.listdir(books)))
    check_summary(os.path.join(books, "summary.xlsx"))
    check_detail(os.path.join(books, "detail.xlsx"))
    check_bouwsoft(os.path.join(books, "bouwsoft.xlsx"))
    return info


def main():
    writer, work = sys.argv[1], os.path.abspath(sys.argv[2])
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    check_run(writer, os.path.join(work, "c"), dict(os.environ, LC_ALL="C.UTF-8"), "C")

    env = dutch_locale(work)
    probe = run_writer(writer, os.path.join(work, "probe-does-not-exist"), env) if env else None
    if probe is None or probe["point"] != ",":
        print("SKIPPED: no Dutch numeric locale on this machine")
    else:
        books = os.path.join(work, "nl")
        check_run(writer, books, env, "nl_NL")
        xml = zipfile.ZipFile(os.path.join(books, "summary.xlsx")).read("xl/worksheets/sheet1.xml")
        check(b"<v>15.75</v>" in xml and b"15,75" not in xml, "numbers under nl_NL")
    print("%d passed, %d failed" % (checks["passed"], checks["failed"]))
    return 1 if checks["failed"] else 0


if __name__ == "__main__":
    sys.exit(main())
