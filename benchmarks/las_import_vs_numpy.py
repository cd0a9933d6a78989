#!/usr/bin/python3
"""The LAS import as a whole process, against a numpy script doing the same job.

Generates a LAS 2.0 file of 100 000 data lines and 10 curves (the file of las_read_benchmark),
then times, as whole processes started from the shell:
  - `tessarin-cli import --sonic FILE --sonic-curve C1 --units metric -o OUT.tsp`
  - this script's `job` command: the same job written with numpy (read the file, keep the
    sonic pairs, integrate, resample at 2 ms, write the depth and sonic of every sample);
  - this script's `plain` command: the plainest numpy script for it (loadtxt after ~A, the
    trapezium rule by cumsum, interp at 2 ms, savetxt), the one a user would write first;
  - `tessarin-cli --version`, the start-up of the tool alone.
After one warm-up run of each, they run in turns, one of each per round, so that a busy machine
slows all alike; the median wall-clock and CPU times and the ratios are printed.

Usage: las_import_vs_numpy.py [--cli PATH] [--python PATH] [--runs N]
The default tessarin-cli is build/bin/tessarin-cli of this checkout; the numpy job runs under
/usr/bin/python3 (Debian's, with numpy) unless --python names another interpreter.
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

DATA_LINES = 100000
CURVES = 10
NULL = -999.25


def write_las_file(path):
    with open(path, "w", newline="") as out:
        out.write(
            "~VERSION INFORMATION\r\n"
            " VERS.   2.0 : CWLS LOG ASCII STANDARD - VERSION 2.0\r\n"
            " WRAP.   NO  : ONE LINE PER DEPTH STEP\r\n"
            "~WELL INFORMATION\r\n"
            " STRT.M    100.0000 : START DEPTH\r\n"
            " STOP.M  15099.8500 : STOP DEPTH\r\n"
            " STEP.M      0.1500 : STEP\r\n"
            " NULL.    -999.2500 : NULL VALUE\r\n"
            " COMP.    BENCHMARK : COMPANY\r\n"
            " WELL.    LARGE-1   : WELL\r\n"
            "~CURVE INFORMATION\r\n"
            " DEPT.M     : DEPTH\r\n")
        for c in range(1, CURVES):
            out.write(f" C{c}  .UNIT  : CURVE {c}\r\n")
        out.write("~A\r\n")
        rows = []
        for i in range(DATA_LINES):
            fields = [f"{100.0 + 0.15 * i:12.4f}"]
            for c in range(1, CURVES):
                value = NULL if i % 97 == 0 else 300.0 + (i * 7 + c * 13) % 211 * 0.37
                fields.append(f"{value:11.4f}")
            rows.append(" ".join(fields))
        out.write("\r\n".join(rows) + "\r\n")


def numpy_job(las_path, out_path, interval_us=1000.0):
    """Reads the depth and the first curve, integrates and resamples as the import does."""
    import numpy as np

    with open(las_path, "rb") as f:
        text = f.read()
    data_start = text.index(b"\n", text.index(b"~A")) + 1
    table = np.loadtxt(text[data_start:].decode("ascii").splitlines(), usecols=(0, 1))
    depth, sonic = table[:, 0], table[:, 1]
    keep = (sonic != NULL) & (sonic > 0) & (depth >= 0)
    depth, sonic = depth[keep], sonic[keep]
    order = np.argsort(depth, kind="stable")
    depth, sonic = depth[order], sonic[order]

    # One-way microseconds from the top of the log, by the trapezium rule.
    time_us = np.concatenate(([0.0], np.cumsum((sonic[1:] + sonic[:-1]) * np.diff(depth) / 2)))
    # Depth at every sample time, and the transit time of each sample interval.
    sample_times = np.arange(0.0, time_us[-1] + 1e-9, interval_us)
    sample_depth = np.interp(sample_times, time_us, depth)
    sample_sonic = np.empty_like(sample_depth)
    sample_sonic[:-1] = interval_us / np.diff(sample_depth)
    sample_sonic[-1] = sample_sonic[-2]
    with open(out_path, "w", newline="\r\n") as out:
        out.write(f" {len(sample_depth) - 1} \n")
        np.savetxt(out, np.column_stack((sample_depth, sample_sonic)), fmt="%.2f")


def plain_numpy_job(las_path, out_path):
    """The plainest numpy script: depth and sonic after ~A, depth at every 2 ms of one-way time."""
    import numpy as np

    with open(las_path) as f:
        text = f.read()
    table = np.loadtxt(text[text.index("~A"):].splitlines()[1:], usecols=(0, 1))
    depth, sonic = table[:, 0], table[:, 1]
    time_us = np.concatenate(([0.0], np.cumsum((sonic[1:] + sonic[:-1]) * np.diff(depth) / 2)))
    sample_times = np.arange(0.0, time_us[-1], 1000.0)
    sample_depth = np.interp(sample_times, time_us, depth)
    np.savetxt(out_path, np.column_stack((sample_times, sample_depth)), fmt="%.2f")


def run_once(command):
    """Wall-clock seconds and CPU seconds (user + system) of one whole process."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        raise SystemExit(f"{command[0]} failed with status {process.returncode}")
    return wall, usage.ru_utime + usage.ru_stime


def time_in_turns(commands, runs):
    """Median (wall, cpu) of each command, run in turns."""
    for command in commands:
        run_once(command)  # warm-up: file cache, dynamic loader
    samples = [[] for _ in commands]
    for _ in range(runs):
        for command, times in zip(commands, samples):
            times.append(run_once(command))
    return [(statistics.median(t[0] for t in times), statistics.median(t[1] for t in times))
            for times in samples]


def report(name, times):
    wall, cpu = times
    print(f"  {name:<22} wall {wall * 1000:8.1f} ms   cpu {cpu * 1000:8.1f} ms")


def report_ratio(name, script, cli):
    print(f"  {name:<22} wall {script[0] / cli[0]:8.1f} x    cpu {script[1] / cli[1]:8.1f} x")


def main():
    if len(sys.argv) == 4 and sys.argv[1] in ("job", "plain"):
        (numpy_job if sys.argv[1] == "job" else plain_numpy_job)(sys.argv[2], sys.argv[3])
        return
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", default=os.path.join(here, "..", "build", "bin", "tessarin-cli"))
    parser.add_argument("--python", default="/usr/bin/python3")
    parser.add_argument("--runs", type=int, default=10)
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as work:
        las = os.path.join(work, "large.las")
        write_las_file(las)
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"))
        os.environ.update(env)  # no saved settings of the user's own
        cli = [args.cli, "import", "--sonic", las, "--sonic-curve", "C1", "--units", "metric",
               "-o", os.path.join(work, "cli.tsp")]
        job = [args.python, os.path.abspath(__file__), "job", las,
               os.path.join(work, "numpy.txt")]
        plain = [args.python, os.path.abspath(__file__), "plain", las,
                 os.path.join(work, "plain.txt")]
        version = [args.cli, "--version"]
        cli_t, job_t, plain_t, version_t = time_in_turns([cli, job, plain, version], args.runs)

    # On a shared machine the wall-clock time includes waiting for a processor; the CPU time
    # (user + system) of the process does not.
    print(f"LAS import of {DATA_LINES} lines x {CURVES} curves, median of {args.runs} rounds")
    report("tessarin-cli import", cli_t)
    report("numpy script", job_t)
    report("plain numpy script", plain_t)
    report("tessarin-cli --version", version_t)
    report_ratio("numpy / tessarin-cli", job_t, cli_t)
    report_ratio("plain / tessarin-cli", plain_t, cli_t)

if __name__ == "__main__":
    main()
