#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""linkmint-cli --check beside md5sum -c, sha1sum -c and rhash -c.

One tree of awkward names (blanks, a backslash, a line feed, a carriage
return, a tab, "|", "%20", bytes that are not UTF-8, an empty file, a file in
a folder), every list format the three tools write for it, then two files
changed (one of them with a backslash in its name) and one deleted. For each list, linkmint-cli --check must give every
entry the verdict the tool that wrote the list gives it, and the same exit
status. Then rhash -c must accept every link file and magnet list that
linkmint-cli writes for the same tree.

Usage: compat_check.py LINKMINT_CLI
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

CLI = os.path.abspath(sys.argv[1])
failures = []

# name -> content. Bytes throughout: names need not be UTF-8.
TREE = {
    b"with space.txt": b"abc",
    b"b\\c.txt": b"backslash",
    b"line\nfeed.txt": b"line feed",
    b"cr\rhere.txt": b"carriage return",
    b"tab\there.txt": b"tab",
    b"pi|pe.txt": b"pipe",
    b"Track%201.mp3": b"percent",
    b"caf\xe9.txt": b"latin-1",
    b"cut\xe2\x82.bin": b"cut short",
    b"empty.txt": b"",
    b"changed.bin": b"before",
    b"dam\\aged.bin": b"before",
    b"deleted.bin": b"gone soon",
    b"sub/inner file.txt": b"inner",
}
# md5sum and sha1sum escape the name with "\\": its damage must show too.
CHANGED = (b"changed.bin", b"dam\\aged.bin")
DELETED = b"deleted.bin"


def run(args, cwd):
    done = subprocess.run(args, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                          timeout=300)
    return done.returncode, done.stdout, done.stderr


def our_verdicts(out):
    """Our verdict lines, in order: OK, FAILED or MISSING."""
    verdicts = []
    for line in out.split(b"\n"):
        m = re.match(rb"^(OK|FAILED|MISSING|NOT CHECKED)  ", line)
        if m:
            verdicts.append(m.group(1).decode())
    return verdicts


def coreutils_verdicts(out):
    """md5sum -c and sha1sum -c: "NAME: OK", "NAME: FAILED", "NAME: FAILED open
    or read" (a file that is not there). Names with a line feed are escaped,
    so every verdict ends its line."""
    verdicts = []
    for line in out.split(b"\n"):
        if line.endswith(b": FAILED open or read"):
            verdicts.append("MISSING")
        elif line.endswith(b": FAILED"):
            verdicts.append("FAILED")
        elif line.endswith(b": OK"):
            verdicts.append("OK")
    return verdicts


def rhash_verdicts(out):
    """rhash -c: the name, blanks, then OK, ERR or "No such file or directory"
    at the end of the line (a name with a line feed spans two)."""
    verdicts = []
    for line in out.split(b"\n"):
        line = line.rstrip(b" ")
        if line.startswith(b"--") or line.startswith(b"Everything OK") or \
                line.startswith(b"Errors Occurred"):
            continue
        if line.endswith(b" OK"):
            verdicts.append("OK")
        elif line.endswith(b" ERR"):
            verdicts.append("FAILED")
        elif line.endswith(b" No such file or directory"):
            verdicts.append("MISSING")
    return verdicts


def check(name, tool_check, list_path, cwd, parse, expect_entries=None):
    """Runs the tool's own check and ours on one list; compares."""
    status, out, err = run(tool_check + [list_path], cwd)
    theirs = parse(out)
    our_status, our_out, our_err = run([CLI, "--check", list_path], cwd)
    ours = our_verdicts(our_out)
    if expect_entries is not None:
        theirs = expect_entries(theirs)
    if theirs != ours or status != our_status or not ours:
        failures.append(
            "%s: %s says %s (status %d), linkmint-cli says %s (status %d)\n%s%s" %
            (name, tool_check[0], theirs, status, ours, our_status,
             our_out.decode(errors="replace"), our_err.decode(errors="replace")))
    else:
        print("%-28s %d entries agree with %s, status %d" % (name, len(ours), tool_check[0], status))


def main():
    top = tempfile.mkdtemp(prefix="linkmint-compat-")
    try:
        root = os.path.join(top, "tree").encode()
        os.makedirs(os.path.join(root, b"sub"))
        for name, content in TREE.items():
            with open(os.path.join(root, name), "wb") as f:
                f.write(content)
        names = sorted(TREE)
        # rhash reads "\" in a name as a folder separator and writes a line
        # feed raw, so it can hash neither; its lists leave them out.
        rhash_names = [n for n in names if b"\\" not in n and b"\n" not in n]

        lists = []  # (list file, tool's check command, parse)

        def write(list_name, command, check_command, parse):
            status, out, err = run(command, root)
            if status != 0:
                failures.append("%s: %s failed: %s" % (list_name, command[0], err))
                return
            with open(os.path.join(root, list_name.encode()), "wb") as f:
                f.write(out)
            lists.append((list_name, check_command, parse))

        for tool in ("md5sum", "sha1sum"):
            for form, flags in (("text", []), ("binary", ["-b"]), ("tag", ["--tag"])):
                write("%s-%s.list" % (tool, form), [tool] + flags + names, [tool, "-c"],
                      coreutils_verdicts)
        rhash_forms = {
            "sfv": ["--sfv"],
            "sfv-upper": ["--sfv", "--crc32"],
            "simple-md5": ["--simple", "--md5"],
            "simple-sha1": ["--simple", "--sha1"],
            "simple-crc32": ["--simple", "--crc32"],
            "bsd": ["--bsd", "--crc32", "--md5", "--sha1", "--ed2k", "--aich"],
            "bsd-base32": ["--bsd", "--base32", "--sha1", "--ed2k"],
            "bsd-base64": ["--bsd", "--base64", "--md5"],
            "ed2k-links": ["--ed2k-link"],
            "ed2k-links-aich": ["--ed2k-link", "--aich"],
            "magnet": ["--magnet", "--ed2k", "--aich", "--sha1"],
            "magnet-crc-md5": ["--magnet", "--crc32", "--md5"],
        }
        for form, flags in rhash_forms.items():
            write("rhash-%s.list" % form, ["rhash"] + flags + rhash_names, ["rhash", "-c"],
                  rhash_verdicts)
        # Every digest rhash knows, one line each: those we do not compute
        # are skipped, so each file is compared by the verdicts of the rest.
        write("rhash-bsd-all.list", ["rhash", "--bsd", "--all"] + rhash_names, ["rhash", "-c"],
              rhash_verdicts)

        def check_all(when):
            for list_name, check_command, parse in lists:
                expect = None
                if list_name == "rhash-bsd-all.list":
                    expect = known_lines_only(os.path.join(root, list_name.encode()))
                check(list_name + when, check_command, list_name, root, parse, expect)

        # Every file as listed, then one changed and one deleted.
        check_all("")
        for name in CHANGED:
            with open(os.path.join(root, name), "wb") as f:
                f.write(b"after!")
        os.remove(os.path.join(root, DELETED))
        check_all(" (after)")

        rhash_accepts_our_links(root, names)
        we_read_our_information_files(root, names)
    finally:
        shutil.rmtree(top, ignore_errors=True)

    for failure in failures:
        print("FAIL " + failure)
    print("%d failed" % len(failures))
    return 1 if failures else 0


def known_lines_only(list_path):
    """rhash -c gives a verdict per line; we skip the lines of digests we do
    not compute. Keeps rhash's verdicts of the lines we read."""
    known = []
    with open(list_path, "rb") as f:
        for line in f.read().split(b"\n"):
            m = re.match(rb"^([A-Za-z0-9-]+) *\(", line)
            if m:
                known.append(m.group(1).upper() in (b"CRC32", b"MD5", b"SHA1", b"ED2K", b"AICH"))

    def keep(verdicts):
        if len(verdicts) != len(known):
            return ["rhash gave %d verdicts for %d lines" % (len(verdicts), len(known))]
        return [v for v, k in zip(verdicts, known) if k]
    return keep


def rhash_accepts_our_links(root, names):
    """Every link and magnet link of ours, read by rhash -c: OK for every
    file, but the second link of an exact multiple of the chunk size (the
    empty file), whose hash rhash does not compute, and names with "\\",
    which rhash cannot open."""
    present = [n for n in names if n != DELETED]
    for form, flags in (("links", []), ("links-aich-hashset", ["--aich", "--hashset"]),
                        ("links-lower-noslash", ["--lowercase", "--no-trailing-slash"]),
                        ("magnets", ["--magnet"]), ("magnets-aich", ["--magnet", "--aich"])):
        status, out, err = run([CLI] + flags + present, root)
        list_name = b"ours-" + form.encode() + b".list"
        with open(os.path.join(root, list_name), "wb") as f:
            f.write(out)
        expected = []
        for n in present:
            if b"\\" in n:
                expected.append("MISSING")
                continue
            expected.append("OK")
            if n == b"empty.txt":
                expected.append("FAILED")
        rstatus, rout, rerr = run(["rhash", "-c", list_name], root)
        got = rhash_verdicts(rout)
        lines = out.count(b"\n")
        if got != expected or lines != len(expected):
            failures.append("rhash -c on our %s: %s (expected %s)\n%s%s" %
                            (form, got, expected, out.decode(errors="replace"),
                             rerr.decode(errors="replace")))
        else:
            print("%-28s rhash -c accepts %d links" % ("ours-" + form, expected.count("OK")))
        # And we read back what we wrote: every file OK, but the second link of
        # the empty file, which we count as OK too (either hash matches).
        ostatus, oout, oerr = run([CLI, "--check", list_name], root)
        if set(our_verdicts(oout)) != {"OK"} or ostatus != 0:
            failures.append("our check of our %s: status %d\n%s%s" %
                            (form, ostatus, oout.decode(errors="replace"),
                             oerr.decode(errors="replace")))


def we_read_our_information_files(root, names):
    """--info --aich --hashset blocks check without a word on standard error."""
    present = [n for n in names if n != DELETED]
    status, out, err = run([CLI, "--info", "--aich", "--hashset"] + present, root)
    with open(os.path.join(root, b"ours-info.list"), "wb") as f:
        f.write(out)
    ostatus, oout, oerr = run([CLI, "--check", "ours-info.list"], root)
    verdicts = our_verdicts(oout)
    if ostatus != 0 or oerr or set(verdicts) != {"OK"} or len(verdicts) != len(present) + 1:
        failures.append("our check of our --info --aich output: status %d\n%s%s" %
                        (ostatus, oout.decode(errors="replace"), oerr.decode(errors="replace")))
    else:
        print("%-28s %d blocks read back without a warning" % ("ours-info", len(verdicts)))


if __name__ == "__main__":
    sys.exit(main())
