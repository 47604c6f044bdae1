#!/usr/bin/python3
"""Runs the main job of qelm-host (--takeoff-export) under the C locale and under a Dutch one
(nl_NL.UTF-8, with its decimal comma), and checks that the host adopted the Dutch locale and that the
printed lists and the three workbooks, cell values and styles, are the same under both. Run with
Debian's /usr/bin/python3, which has openpyxl.

usage: locale_run.py HOST PROJECT WORKDIR
"""
import errno
import locale
import os
import re
import shutil
import subprocess
import sys

import openpyxl

DUTCH = "nl_NL.UTF-8"
WORKBOOKS = ["samenvattende-meetstaat.xlsx", "detailmeetstaat.xlsx", "bouwsoft-meetstaat.xlsx"]
SANITIZER = re.compile(r"(Address|Leak|UndefinedBehavior)Sanitizer|: runtime error: ")


def dutch_environment(workdir):
    """The Dutch locale as scripts/install-deps.sh installs it, else one made under workdir."""
    env = dict(os.environ, LC_ALL=DUTCH)
    try:
        locale.setlocale(locale.LC_ALL, DUTCH)
        return env
    except locale.Error:
        pass
    folder = os.path.join(workdir, "locales")
    os.makedirs(folder)
    subprocess.run(["localedef", "-i", "nl_NL", "-f", "UTF-8", os.path.join(folder, DUTCH)],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    os.environ["LOCPATH"] = env["LOCPATH"] = folder
    locale.setlocale(locale.LC_ALL, DUTCH)  # fails the test when there is still none
    return env


def run(host, args, env, workdir):
    done = subprocess.run([host] + args, env=env, cwd=workdir, capture_output=True, text=True)
    if SANITIZER.search(done.stderr):
        sys.exit("a sanitizer reported an error:\n" + done.stderr)
    return done


def main_job(host, project, env, workdir, name):
    done = run(host, ["--project", project, "--takeoff-export", name], env, workdir)
    if done.returncode != 0:
        sys.exit("the main job under %s exited with %d:\n%s" % (env["LC_ALL"], done.returncode, done.stderr))
    return done.stdout, done.stderr.replace(os.path.join(workdir, name), "DIR")


def cells(path):
    """Every sheet's layout and every cell's value and style, for comparison."""
    book = openpyxl.load_workbook(path)
    sheets = []
    for ws in book.worksheets:
        layout = (ws.title, sorted(str(r) for r in ws.merged_cells.ranges),
                  {k: d.width for k, d in ws.column_dimensions.items()},
                  {k: d.height for k, d in ws.row_dimensions.items()})
        # Styles compare by their parameters, which their repr lists.
        values = [(c.coordinate, c.value, c.data_type, c.number_format) +
                  tuple(repr(getattr(c, style)) for style in ("font", "fill", "border", "alignment", "protection"))
                  for row in ws.iter_rows() for c in row]
        sheets.append((layout, values))
    return sheets


def main(host, project, workdir):
    shutil.rmtree(workdir, ignore_errors=True)
    os.makedirs(workdir)
    dutch = dutch_environment(workdir)
    failures = []

    # The host speaks the locale it adopted: the system's reason for a missing file comes in Dutch.
    reason = os.strerror(errno.ENOENT)
    if reason == "No such file or directory":
        failures.append("the system has no Dutch messages (Debian package libc-l10n)")
    missing = run(host, ["--project", "missing.json"], dutch, workdir).stderr
    if "cannot open the file: " + reason not in missing:
        failures.append("the host did not adopt %s: expected %r in %r" % (DUTCH, reason, missing))

    c_out, c_err = main_job(host, project, dict(os.environ, LC_ALL="C"), workdir, "C")
    nl_out, nl_err = main_job(host, project, dutch, workdir, "nl")
    if nl_out != c_out:
        failures.append("the printed lists differ")
    if nl_err != c_err:
        failures.append("the alerts and progress lines differ:\n%s\n---\n%s" % (c_err, nl_err))
    for name in WORKBOOKS:
        if cells(os.path.join(workdir, "nl", name)) != cells(os.path.join(workdir, "C", name)):
            failures.append(name + ": cells or styles differ")
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
