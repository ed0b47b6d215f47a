#!/usr/bin/env python3
"""Runs every Quizra benchmark against its baseline and prints one table.

usage: measure.py BUILD_DIR [RUNS]

Process figures (start-up, peak memory) come from launching the programs: the time is taken
with time.monotonic_ns() (CLOCK_MONOTONIC) just before the launch and compared with the
CLOCK_MONOTONIC time the program prints at its first paint; peak memory is ru_maxrss from
os.wait4. Baseline and Quizra runs alternate, so load on the machine hits both alike.
In-process figures come from the Google Benchmark programs' JSON output.

Every measured program runs under SCHED_FIFO when the launcher may set it (root), so that
other work on a loaded machine does not stretch its wall time; otherwise under the normal
policy. The start-up instruction count (callgrind) does not depend on load at all.
"""

import json
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

BUILD = os.path.abspath(sys.argv[1])
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 21
WARM_UPS = 3


def exe(name):
    return os.path.join(BUILD, name)


def real_time_priority():
    os.sched_setscheduler(0, os.SCHED_FIFO, os.sched_param(10))


def may_use_real_time():
    try:
        real_time_priority()
        os.sched_setscheduler(0, os.SCHED_OTHER, os.sched_param(0))
        return True
    except OSError:
        return False


PRIORITY = real_time_priority if may_use_real_time() else None
TIMEOUT = 60


def launch(argv, env):
    """Runs argv; returns (ns from launch to the time it printed, peak RSS in KiB)."""
    start = time.monotonic_ns()
    proc = subprocess.Popen(argv, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                            preexec_fn=PRIORITY)
    watchdog = threading.Timer(TIMEOUT, proc.kill)  # a hung run must not hold the priority
    watchdog.start()
    line = proc.stdout.readline().split()
    proc.stdout.close()
    _, status, usage = os.wait4(proc.pid, 0)
    watchdog.cancel()
    if status != 0 or len(line) != 2:
        raise RuntimeError(f"{argv} failed: status {status}, printed {line}")
    return int(line[1]) - start, usage.ru_maxrss


def alternate(baseline, subject, env, runs):
    """Medians of (elapsed ns, peak KiB) for baseline and subject, launched in turn."""
    results = {"baseline": [], "subject": []}
    for i in range(WARM_UPS + runs):
        for key, argv in (("baseline", baseline), ("subject", subject)):
            measured = launch(argv, env)
            if i >= WARM_UPS:
                results[key].append(measured)
    return {key: (statistics.median(r[0] for r in rs), statistics.median(r[1] for r in rs))
            for key, rs in results.items()}


def base_env(platform):
    env = dict(os.environ, QT_QPA_PLATFORM=platform)
    runtime = os.path.join(BUILD, "xdg-runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    env["XDG_RUNTIME_DIR"] = runtime
    return env


class Xvfb:
    """A private Xvfb server with no window manager, on a display number it picks itself
    (-displayfd), stopped on exit."""

    def __enter__(self):
        read, write = os.pipe()
        self.proc = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                      "1024x768x24", "-nolisten", "tcp"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                     pass_fds=(write,), preexec_fn=PRIORITY)
        os.close(write)
        with os.fdopen(read) as number:
            line = number.readline().strip()
        if not line:
            raise RuntimeError("Xvfb did not start")
        self.display = f":{line}"
        return self

    def __exit__(self, *exc):
        self.proc.terminate()
        self.proc.wait()


def google_benchmark(argv, env):
    out = subprocess.run(argv + ["--benchmark_format=json"], env=env, check=True,
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                         preexec_fn=PRIORITY, timeout=600).stdout
    return {b["name"]: b for b in json.loads(out)["benchmarks"]}


def instructions(argv, env):
    """Instructions the program executes from start to exit, counted by callgrind."""
    done = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"] + argv,
                          env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                          timeout=600)
    return int(re.search(r"Collected : (\d+)", done.stderr).group(1))


def main():
    rows = []
    ms = lambda ns: ns / 1e6
    bare = [exe("bare_qt")]

    env = base_env("offscreen")
    start = alternate(bare, [exe("quizra_probe"), "startup"], env, RUNS)
    rows.append(("start-up to menu paint, offscreen (median ms)", ms(start["subject"][0]),
                 ms(start["baseline"][0]), "ratio", 1.15))
    if shutil.which("valgrind"):
        rows.append(("start-up instructions, launch to menu paint and exit (M)",
                     instructions([exe("quizra_probe"), "startup"], env) / 1e6,
                     instructions(bare, env) / 1e6, "ratio", 1.15))
    with Xvfb() as x:
        xenv = dict(base_env("xcb"), DISPLAY=x.display)
        xstart = alternate(bare, [exe("quizra_probe"), "startup"], xenv, RUNS)
    rows.append(("start-up to menu paint, Xvfb (median ms)", ms(xstart["subject"][0]),
                 ms(xstart["baseline"][0]), "ratio", 1.15))

    exam = google_benchmark([exe("quizra_exam_bench")], env)
    found = lambda name: next(b for n, b in exam.items() if n.startswith(name + "/"))
    for name, label, target in (
            ("exam_start/sample", "exam start, sample bank (median ms)", 30),
            ("exam_start/1000_entries", "exam start, 50 x 1,000 entries (median ms)", 20),
            ("exam_start/10000_entries", "exam start, 50 x 10,000 entries (median ms)", 150)):
        rows.append((label, found(name)["median_ms"], None, "below", target))
    # Photographs, a different one on every question; each figure beside its floor, the same
    # move or start without a picture, and against its goal in milliseconds.
    # A new 4000x3000 PNG adds at least libpng's reading of the rows that show.
    start_floor = found("exam_start/no_picture")["median_ms"]
    move_floor = found("moving/no_picture")["median_ms"]
    rows_floor = found("floor/png_369_rows_4000x3000")["median_ms"]
    rows.append(("floor: libpng reading 369 rows of a 4000x3000 PNG photograph (median ms)",
                 rows_floor, None, "below", None))
    for name, label, floor, target in (
            ("exam_start/photos_png_4000x3000",
             "exam start, first display of a 4000x3000 PNG photograph (median ms)",
             start_floor + rows_floor, 45),
            ("exam_start/photos_jpeg_4000x3000",
             "exam start, first display of a 4000x3000 JPEG photograph (median ms)", start_floor,
             45),
            ("moving/photos_640x400", "moving back and forth, 640x400 photographs (median ms)",
             move_floor, 50),
            ("moving/photos_png_4000x3000",
             "moving back and forth, 4000x3000 PNG photographs (median ms)", move_floor + rows_floor, 50),
            ("moving/after_reading/photos_640x400",
             "moving on after 100 ms of reading, 640x400 photographs (median ms)", move_floor, 50)):
        rows.append((label, found(name)["median_ms"], floor, "within", target))
    for size in ("640x400", "png_4000x3000", "jpeg_4000x3000"):
        clicks = found(f"moving/clicking_on/photos_{size}")
        floor = move_floor + (rows_floor if size == "png_4000x3000" else 0)
        for stat in ("median", "max"):
            rows.append((f"moving on as fast as the clicks come, {size} photographs ({stat} ms)",
                         clicks[f"{stat}_ms"], floor, "within", 50))
    # Processor time, which load on the machine does not stretch as it stretches wall time.
    rows.append(("click to painted exam window vs bare Qt opening one (median CPU ms)",
                 found("exam_start/sample")["median_cpu_ms"],
                 found("exam_start/bare_qt_same_window")["median_cpu_ms"], "ratio", 1.3))
    rows.append(("moving, no picture, vs bare Qt repainting the same area (median ms)",
                 found("moving/no_picture")["median_ms"],
                 found("moving/bare_qt_same_area")["median_ms"], "plus", 0.5))
    with Xvfb() as x:
        xenv = dict(base_env("xcb"), DISPLAY=x.display)
        xmoving = google_benchmark([exe("quizra_exam_bench"),
                                    "--benchmark_filter=moving/(no_picture|bare)"], xenv)
    xfound = lambda name: next(b for n, b in xmoving.items() if n.startswith(name + "/"))
    rows.append(("moving, no picture, Xvfb, vs bare Qt repainting the same area (median ms)",
                 xfound("moving/no_picture")["median_ms"],
                 xfound("moving/bare_qt_same_area")["median_ms"], "plus", 0.5))
    # Memory is measured at the first exam start of a process, before any other start has grown
    # the heap that later ones reuse; the baseline is a first start without a picture.
    first = lambda name: next(iter(google_benchmark(
        [exe("quizra_exam_bench"), f"--benchmark_filter=^{name}/"], env).values()))
    plain = first("exam_start/sample")["rss_added_mib"]
    for name in ("photos_png_4000x3000", "photos_jpeg_4000x3000"):
        rows.append((f"memory kept once a {name[7:].replace('_', ' ')} photograph shows, "
                     "vs none (MiB)",
                     first("exam_start/" + name)["rss_added_mib"], plain, "plus", 3))

    memory = alternate(bare, [exe("quizra_probe"), "exam", BUILD], env, max(5, RUNS // 4))
    rows.append(("peak RSS, whole exam, sample bank (MiB)", memory["subject"][1] / 1024,
                 memory["baseline"][1] / 1024, "plus", 10))
    for picture, label, target in (
            ("chart", "a 640x400 PNG chart on every question", 15),
            ("photos640", "a 640x400 photograph of its own on every question", 25),
            ("photos4000", "a 4000x3000 photograph of its own on every question", 25)):
        bank = tempfile.mkdtemp(prefix="quizra-measure-")
        try:
            subprocess.run([exe("make_bank"), bank, "10", picture], check=True)
            memory = alternate(bare, [exe("quizra_probe"), "exam", bank], env, max(5, RUNS // 4))
        finally:
            shutil.rmtree(bank)
        rows.append((f"peak RSS, whole exam, {label} (MiB)", memory["subject"][1] / 1024,
                     memory["baseline"][1] / 1024, "plus", target))

    reader = google_benchmark([exe("quizra_bench"), "--benchmark_repetitions=5"], env)
    median = lambda name: reader[name + "_median"]["real_time"]
    rows.append(("GetIniString vs read + one memchr pass, 20 KB file (median us)",
                 median("getIniString/20KB") / 1e3, median("readAndMemchr/20KB") / 1e3,
                 "ratio", 1.5))
    texts = {"plain": "bench text", "sample": "sample bank's text", "long_vowel": "text with ー",
             "katakana": "katakana-heavy text"}
    for text, label in texts.items():
        rows.append((f"GetIniString vs read + one memchr pass, 2 MB, {label} (median us)",
                     median(f"getIniString/2MB_{text}") / 1e3,
                     median(f"readAndMemchr/2MB_{text}") / 1e3, "ratio", 1.5))
    for text, label in texts.items():
        rows.append((f"MakeMondai vs reading the 50 files once, x 1000, {label} (median ms)",
                     median(f"makeMondai/1000_entries_{text}"),
                     median(f"readBankOnce/1000_entries_{text}"), "ratio", 1.5))
    rows.append(("MakeMondai vs reading the 50 files once, x 10000 (median ms)",
                 median("makeMondai/10000_entries"), median("readBankOnce/10000_entries"),
                 "ratio", 1.5))

    policy = "SCHED_FIFO" if PRIORITY else "normal scheduling"
    print(f"load average at the end: {os.getloadavg()[0]:.2f} on {os.cpu_count()} cores; "
          f"{policy}; {RUNS} runs per start-up median")
    print(f"| {'figure':<66} | {'Quizra':>9} | {'baseline':>9} | {'ratio':>7} | {'target':>12} | met |")
    print(f"|{'-' * 68}|{'-' * 11}|{'-' * 11}|{'-' * 9}|{'-' * 14}|-----|")
    for label, value, baseline, kind, target in rows:
        if kind == "ratio":
            ratio = value / baseline
            relation, met, goal = f"{ratio:.2f}x", ratio <= target, f"<= {target}x"
        elif kind == "within":
            relation, met, goal = f"{value / baseline:.2f}x", value <= target, f"<= {target} ms"
        elif kind == "plus":
            relation, met, goal = f"+{value - baseline:.2f}", value <= baseline + target, \
                f"<= +{target}"
        elif target is None:
            relation, met, goal = "", None, "-"
        else:
            relation, met, goal = "", value < target, f"< {target}"
        base = f"{baseline:9.2f}" if baseline is not None else f"{'-':>9}"
        print(f"| {label:<66} | {value:9.2f} | {base} | {relation:>7} | {goal:>12} | "
              f"{'-' if met is None else 'yes' if met else 'NO':<3} |")


if __name__ == "__main__":
    main()
