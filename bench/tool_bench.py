#!/usr/bin/env python3
"""Times quizra-check's commands on large banks and prints one table.

usage: bench/tool_bench.py [QUIZRA_CHECK] [RUNS] [--preview]   (default build/quizra-check, 3 runs)

A second table times preview against its goals: the first run on 50 x 100 entries, a run after
one changed entry into the same folder, and a first run on the sample bank; with --preview, only
those. Its CPU time (user and system, from os.wait4) is the steadier figure on a loaded machine.

Each figure is the median wall time of RUNS runs (time.monotonic_ns() around the launch), the
median CPU time (user and system, from os.wait4) and the largest peak memory (ru_maxrss). The banks are written to a temporary folder in
code page 932 with CRLF, entries shaped like those of bench/bank.cpp; a bank's spreadsheets for
build (CSV and .xlsx) are made by the tool's own export first, and the .xlsx figures are also
given as ratios to the CSV ones of the same run.
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ARGS = [a for a in sys.argv[1:] if not a.startswith("--")]
TOOL = os.path.abspath(ARGS[0] if ARGS else "build/quizra-check")
RUNS = int(ARGS[1]) if len(ARGS) > 1 else 3
TEXT = "問題のテキストーです。"


def entry(k):
    return (f"[SEC{k}]\r\nbun={TEXT * 8}\r\n"
            + "".join(f"ans{c}={TEXT * 2}\r\n" for c in range(1, 5))
            + f"ans={1 + k % 4}\r\nbmp=\r\ntype={k % 2}\r\n")


def write(folder, n, text):
    with open(os.path.join(folder, f"TOI{n}.ini"), "wb") as f:
        f.write(text.encode("cp932"))


def question_file(entries, count=None):
    return f"[COUNT]\r\nALL={count or entries}\r\n" + "".join(entry(k) for k in range(1, entries + 1))


def shapes():
    """Each bank's shape by name; question files 2 to 50 hold one entry where not said."""
    return {
        "50 files x 1,000 entries": lambda n: question_file(1000),
        "50 files x 10,000 entries": lambda n: question_file(10000),
        "one file of 32,767 entries": lambda n: question_file(32767 if n == 1 else 1),
        "one file of 100,000 sections": lambda n: (
            question_file(100000, 32767) if n == 1 else question_file(1)),
        "one entry of 100,000 distinct keys": lambda n: question_file(1) + (
            "".join(f"key{i}=v\r\n" for i in range(100000)) if n == 1 else ""),
    }


def bank_folders(root):
    return [(name, os.path.join(root, f"bank{i}")) for i, name in enumerate(shapes())]


def make_banks(root):
    for (name, folder), shape in zip(bank_folders(root), shapes().values()):
        os.makedirs(folder)
        for n in range(1, 51):
            write(folder, n, shape(n))


def timed(args):
    start = time.monotonic_ns()
    process = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = (time.monotonic_ns() - start) / 1e9
    cpu = usage.ru_utime + usage.ru_stime
    return elapsed, usage.ru_maxrss / 1024, os.waitstatus_to_exitcode(status), cpu


SAMPLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "sample")


def preview_goals(root):
    """(what, goal in seconds, runs) for each preview goal."""
    bank, out = os.path.join(root, "preview-bank"), os.path.join(root, "preview-out")
    os.makedirs(bank)
    for n in range(1, 51):
        write(bank, n, question_file(100))

    def fresh(folder):
        shutil.rmtree(out, ignore_errors=True)
        return timed([TOOL, "preview", folder, "-o", out])

    def one_changed(k):
        write(bank, 7, question_file(100).replace("[SEC50]\r\nbun=", f"[SEC50]\r\nbun={k}", 1))
        return timed([TOOL, "preview", bank, "-o", out])

    return [
        ("first run, 50 files x 100 entries", 20, [fresh(bank) for _ in range(RUNS)]),
        ("after one changed entry", 2, [one_changed(k) for k in range(RUNS)]),
        ("first run, the sample bank", 1.5, [fresh(SAMPLE) for _ in range(RUNS)]),
    ]


def command_table(root):
    # Made by a child process, so that this one stays small: a child's peak memory counts
    # what it shared with its parent before it started the tool.
    subprocess.run([sys.executable, __file__, "--make-banks", root], check=True)
    print("| bank | command | median s | median CPU s | peak MiB | exit |")
    print("|---|---|---|---|---|---|")
    for name, folder in bank_folders(root):
        csv, xlsx = folder + ".csv", folder + ".xlsx"
        subprocess.run([TOOL, "export", folder, "-o", csv], check=True)
        subprocess.run([TOOL, "export", folder, "-o", xlsx], check=True)
        commands = {
            "check": [TOOL, "check", folder],
            "dump": [TOOL, "dump", folder],
            "export": [TOOL, "export", folder, "-o", csv],
            "build": [TOOL, "build", csv, folder + ".built", "--force"],
            "export .xlsx": [TOOL, "export", folder, "-o", xlsx],
            "build .xlsx": [TOOL, "build", xlsx, folder + ".built", "--force"],
        }
        cpu = {}
        for command, args in commands.items():
            runs = [timed(args) for _ in range(RUNS)]
            seconds = statistics.median(r[0] for r in runs)
            cpu[command] = statistics.median(r[3] for r in runs)
            memory = max(r[1] for r in runs)
            print(f"| {name} | {command} | {seconds:.2f} | {cpu[command]:.2f} | {memory:.0f} "
                  f"| {runs[-1][2]} |")
        # The workbook against the CSV in CPU time, which a busy machine disturbs least: the
        # goal is at most 2x.
        for command in ("export", "build"):
            ratio = cpu[command + " .xlsx"] / max(cpu[command], 1e-3)
            print(f"| {name} | {command} .xlsx / CSV | | {ratio:.2f}x | | |")
    print()


def main():
    root = tempfile.mkdtemp(prefix="quizra-tool-bench-")
    try:
        if "--preview" not in sys.argv:
            command_table(root)
        print("| preview | median s | goal s | median CPU s | peak MiB | exit |")
        print("|---|---|---|---|---|---|")
        for what, goal, runs in preview_goals(root):
            seconds = statistics.median(r[0] for r in runs)
            cpu = statistics.median(r[3] for r in runs)
            memory = max(r[1] for r in runs)
            print(f"| {what} | {seconds:.2f} | {goal} | {cpu:.2f} | {memory:.0f} | {runs[-1][2]} |")
    finally:
        shutil.rmtree(root)


if __name__ == "__main__":
    if sys.argv[1:2] == ["--make-banks"]:
        make_banks(sys.argv[2])
    else:
        main()
