# SPDX-License-Identifier: MIT
"""What the benchmark scripts share: the file sets, timed runs of a program
with its processor time and peak memory, runs that alternate, medians, and
the load of the machine.

The machine these run on is often shared: every program is run in turn,
once per round, so that a change of load falls on all of them alike, and
medians are compared, never single runs."""

import os
import random
import statistics
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "data")


def small_files(count, seed=24):
    """`count` files of 1 to 8 KiB of random bytes, 1,000 a folder, made
    once under bench/data/small-COUNT/ and kept. The same seed gives the
    same files. Returns the folder."""
    root = os.path.join(DATA, f"small-{count}")
    done = root + ".complete"  # beside the folder: the window hashes all it holds
    if os.path.exists(done):
        return root
    subprocess.run(["rm", "-rf", root], check=True)
    rng = random.Random(seed)
    for i in range(count):
        folder = os.path.join(root, "d%03d" % (i // 1000))
        if i % 1000 == 0:
            os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "file%06d.bin" % i), "wb") as f:
            f.write(rng.randbytes(rng.randint(1024, 8192)))
    open(done, "w").close()
    return root


def equal_files(count, size, seed=24):
    """`count` files of `size` random bytes, 500 a folder, under
    bench/data/equal-COUNTxSIZE/."""
    root = os.path.join(DATA, f"equal-{count}x{size}")
    done = root + ".complete"  # beside the folder: the window hashes all it holds
    if os.path.exists(done):
        return root
    subprocess.run(["rm", "-rf", root], check=True)
    rng = random.Random(seed)
    for i in range(count):
        folder = os.path.join(root, "d%03d" % (i // 500))
        if i % 500 == 0:
            os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "file%06d.bin" % i), "wb") as f:
            f.write(rng.randbytes(size))
    open(done, "w").close()
    return root


def file_list(root):
    """The files under `root`, sorted, written NUL-separated to a list file
    beside it (for xargs -0 -a); returns (paths, list file)."""
    paths = []
    for folder, dirs, files in os.walk(root):
        dirs.sort()
        paths.extend(os.path.join(folder, f) for f in files if f.endswith(".bin"))
    paths.sort()
    listing = root + ".list"
    with open(listing, "wb") as f:
        f.write(b"".join(p.encode() + b"\0" for p in paths))
    return paths, listing


def warm(paths):
    """Reads every file once so that the runs find them in the page cache."""
    for path in paths:
        with open(path, "rb") as f:
            while f.read(1 << 20):
                pass


def over_list(listing, program):
    """A command that runs `program` (a list) over every file of `listing`,
    as few times as the command line allows."""
    return ["xargs", "-0", "-a", listing, "-s", "1900000"] + program


class Run:
    """One run of a command: wall time, processor time (user and system, of
    the command and everything it started) and peak memory."""

    def __init__(self, wall, cpu, peak_kib, status):
        self.wall, self.cpu, self.peak_kib, self.status = wall, cpu, peak_kib, status

    @property
    def cpu_per_wall(self):
        return self.cpu / self.wall if self.wall > 0 else 0.0


def timed(command, stdout=subprocess.DEVNULL, env=None):
    """Runs `command` under /usr/bin/time, which reports the peak memory:
    the peak of a process forked from this one would count this one's."""
    with tempfile.NamedTemporaryFile("r", suffix=".mem") as mem:
        start = time.perf_counter()
        process = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", mem.name] + command,
                                   stdout=stdout, stderr=subprocess.DEVNULL, env=env)
        _, status, usage = os.wait4(process.pid, 0)
        wall = time.perf_counter() - start
        lines = mem.read().split()
        peak = int(lines[-1]) if lines and lines[-1].isdigit() else 0
    code = os.waitstatus_to_exitcode(status)
    return Run(wall, usage.ru_utime + usage.ru_stime, peak, code)


def alternate(runs, commands, log=None):
    """Runs every command of `commands` (name -> function returning a Run)
    once per round, for `runs` rounds, in turn. Returns name -> [Run]."""
    results = {name: [] for name in commands}
    for round_ in range(runs):
        for name, run in commands.items():
            result = run()
            results[name].append(result)
            if log:
                log(f"round {round_ + 1}/{runs} {name}: {result.wall:.3f} s, "
                    f"cpu/wall {result.cpu_per_wall:.2f}, {result.peak_kib / 1024:.1f} MiB")
    return results


def median(values):
    return statistics.median(values)


def summary(results):
    """name -> (median wall, median cpu/wall, median peak MiB)."""
    return {name: (median(r.wall for r in rs), median(r.cpu_per_wall for r in rs),
                   median(r.peak_kib for r in rs) / 1024)
            for name, rs in results.items()}


def uptime():
    with open("/proc/loadavg") as f:
        one, five, fifteen = f.read().split()[:3]
    return f"load average {one}, {five}, {fifteen} ({os.cpu_count()} cores)"
