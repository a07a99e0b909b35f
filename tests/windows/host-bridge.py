#!/usr/bin/env python3
"""host-bridge.py FOLDER: runs Linux programs for the Windows test programs under Wine.

A Windows program under Wine cannot start a Linux one, yet the tests check what the program wrote
with Linux tools (pdftotext, pdfinfo, pdftoppm, lpstat). The tests' runner (tests/support,
test::runProgram) writes a request into FOLDER when PEKURU_HOST_BRIDGE names it; this bridge runs
the program and writes the answer beside it:

    <id>.request   {"program": "pdftotext", "arguments": [...]}   written as <id>.tmp, then renamed
    <id>.answer    {"exit": 0, "stdout": base64, "stderr": base64}

Arguments that are Windows paths ("C:/users/...", "Z:\\work\\...") are turned into the Linux paths
behind the prefix's drives (WINEPREFIX/dosdevices), so the tools read the files the program wrote.
Programs are named bare (looked up on the Linux PATH) or by an absolute Linux path; no shell.
The request may carry the print spooler's variables (CUPS_*, PEKURU_CUPS_*) of the test. The bridge ends when its
parent (the suite's runner) is gone or FOLDER is removed.
"""
import base64
import json
import os
import re
import shutil
import subprocess
import sys
import time

folder = sys.argv[1]
prefix = os.environ["WINEPREFIX"]
drive = re.compile(r"^([A-Za-z]):[\\/]")


def linux_path(argument):
    m = drive.match(argument)
    if not m:
        return argument
    root = os.path.realpath(os.path.join(prefix, "dosdevices", m.group(1).lower() + ":"))
    rest = argument[3:].replace("\\", "/")
    return os.path.join(root, rest)


def answer(request_path):
    ident = os.path.basename(request_path)[: -len(".request")]
    try:
        with open(request_path, encoding="utf-8") as f:
            request = json.load(f)
        program = linux_path(request["program"])
        found = program if os.path.isabs(program) and os.access(program, os.X_OK) else shutil.which(program)
        if not found:
            result = {"exit": 127, "stdout": "", "stderr": base64.b64encode(
                f"host-bridge: {program} is not a program of this Linux machine\n".encode()).decode()}
        else:
            env = dict(os.environ)
            env.update({k: linux_path(v) for k, v in request.get("environment", {}).items()})
            run = subprocess.run([found] + [linux_path(a) for a in request["arguments"]],
                                 capture_output=True, timeout=120, env=env)
            result = {"exit": run.returncode, "stdout": base64.b64encode(run.stdout).decode(),
                      "stderr": base64.b64encode(run.stderr).decode()}
    except Exception as e:  # a broken request still gets an answer: the test must not wait forever
        result = {"exit": 126, "stdout": "", "stderr": base64.b64encode(f"host-bridge: {e}\n".encode()).decode()}
    scratch = os.path.join(folder, ident + ".answer-tmp")
    with open(scratch, "w", encoding="utf-8") as f:
        json.dump(result, f)
    os.rename(scratch, os.path.join(folder, ident + ".answer"))
    os.remove(request_path)


parent = os.getppid()
while os.path.isdir(folder) and os.getppid() == parent:
    for name in sorted(os.listdir(folder)):
        if name.endswith(".request"):
            answer(os.path.join(folder, name))
    time.sleep(0.05)
