#!/usr/bin/python3
"""Corrupts a workbook that the adapter saved (export_readback_writer) by flipping every bit of its zip
headers, one at a time: every copy that openpyxl refuses to load must be refused by the save's workbook
check (export_check_copies). Names the writer never writes are WorkbookSaveTest's. Run with Debian's
/usr/bin/python3, which has openpyxl.

usage: corrupted_workbooks.py WRITER CHECKER WORK_FOLDER
"""
import io
import os
import shutil
import struct
import subprocess
import sys
import warnings
import zipfile

import openpyxl

LOCAL_HEADER = 30
END_SIGNATURE = b"PK\x05\x06"


def header_ranges(data):
    """(start, length) of every local header with its name, and of the central directory to the end."""
    infos = zipfile.ZipFile(io.BytesIO(data)).infolist()
    ranges = [(info.header_offset, LOCAL_HEADER + len(info.filename)) for info in infos]
    central = struct.unpack_from("<I", data, data.rfind(END_SIGNATURE) + 16)[0]
    return ranges + [(central, len(data) - central)]


def copies(data):
    """(what was done, bytes) for every copy with one bit of a header flipped."""
    for start, length in header_ranges(data):
        for at in range(start, start + length):
            for bit in range(8):
                flipped = bytearray(data)
                flipped[at] ^= 1 << bit
                yield "bit %d of byte %d flipped" % (bit, at), bytes(flipped)


def loads(path):
    try:
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")
            openpyxl.load_workbook(path)
        return True
    except Exception:  # openpyxl refuses through zipfile, its XML parser and its own checks alike
        return False


def main():
    writer, checker, work = sys.argv[1:4]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    original = os.path.join(work, "original.xlsx")
    subprocess.run([writer, original], env=dict(os.environ, LC_ALL="C.UTF-8"), check=True,
                   capture_output=True, timeout=120)
    with open(original, "rb") as f:
        data = f.read()

    done = {}
    for number, (what, corrupted) in enumerate(copies(data)):
        path = os.path.join(work, "%05d.xlsx" % number)
        with open(path, "wb") as f:
            f.write(corrupted)
        done[path] = what
    paths = [original] + list(done)
    run = subprocess.run([checker, original], input="\n".join(paths) + "\n", capture_output=True,
                         text=True, timeout=600)
    accepted = set(run.stdout.splitlines())

    failures = ["the check refuses the workbook as saved"] if original not in accepted else []
    failures += ["accepted, but openpyxl refuses it: " + done[path]
                 for path in sorted(accepted - {original}) if not loads(path)]
    for failure in failures[:40]:
        print("FAILED:", failure)
    print("%d copies, %d accepted by the check, %d failed"
          % (len(done), len(accepted) - 1, len(failures)))
    shutil.rmtree(work, ignore_errors=True)
    return 1 if failures or run.returncode != 0 else 0


if __name__ == "__main__":
    sys.exit(main())
