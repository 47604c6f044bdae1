#!/usr/bin/python3
"""Runs qelm-host on a copy of a project, selecting elements by their keys, and checks that the host
opened the project file once: the keys come from the load, not from a second reading that could meet
another file. The opens are counted by the kernel (inotify).

usage: opens_once.py HOST PROJECT WORKDIR
"""
import ctypes
import os
import shutil
import struct
import subprocess
import sys

IN_OPEN = 0x20
IN_CLOSE_NOWRITE = 0x10  # watched too: the kernel merges an event into an unread one just like it
EVENT = struct.Struct("iIII")  # watch, mask, cookie, length of the name that follows


def opens_of(fd):
    try:
        data = os.read(fd, 1 << 16)
    except BlockingIOError:
        return 0
    opens = 0
    while data:
        _, mask, _, length = EVENT.unpack_from(data)
        opens += 1 if mask & IN_OPEN else 0
        data = data[EVENT.size + length:]
    return opens


def main(host, project, workdir):
    shutil.rmtree(workdir, ignore_errors=True)
    os.makedirs(workdir)
    copy = os.path.join(workdir, "project.json")
    shutil.copyfile(project, copy)
    libc = ctypes.CDLL(None, use_errno=True)
    fd = libc.inotify_init1(os.O_NONBLOCK)
    if fd < 0 or libc.inotify_add_watch(fd, copy.encode(), IN_OPEN | IN_CLOSE_NOWRITE) < 0:
        sys.exit("inotify: " + os.strerror(ctypes.get_errno()))
    done = subprocess.run([host, "--project", copy, "select", "BM-01,FZ-01", "selection"],
                          capture_output=True, text=True)
    if done.returncode != 0 or "selection: BM-01, FZ-01\n" not in done.stdout:
        sys.exit("the host exited with %d:\n%s%s" % (done.returncode, done.stdout, done.stderr))
    opens = opens_of(fd)
    if opens != 1:
        sys.exit("the project file was opened %d times" % opens)
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
