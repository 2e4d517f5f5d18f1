#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the seed corpora of the fuzzers into fuzz/corpus/<target>/.

Run it again after changing it; the files are small and meant to be read.
Inputs that once made a fuzzer fail are kept next to these, by hand.
"""
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def utf16(text):
    return text.encode("utf-16-le")


def ini_lines(lines, wide):
    if wide:
        return b"\xff\xfe" + b"".join(utf16(line + "\r\n") for line in lines)
    return b"".join(line.encode("cp1252") + b"\r\n" for line in lines)


SETTINGS = [
    "[Display]", "MainWinTop=109", "MainWinLeft=211", "MainWinWidth=640",
    "MainWinHeight=480", "InfoWinHeight=480", "",
    "[Options]", "StripPath=0", "ShowInfoWin=1", "LowercaseHashes=true",
    "TrailingSlash=1", "MinimizeToTray=0", "DirDragDropAll=0", "PresortFiles=1",
    "PreselectFiles=1", "NotifySound=/usr/share/sounds/done.oga",
    "DefaultDirectory=/home/user/Videos", "RecurseDirectories=1",
    "AutoCountDirectories=0", "DefaultType=2", "ThreadPriority=3",
    "OnCompletion=CopyToClip&Exit", "KeepFilesOnExit=1", "",
    "[File Types]", "All Files (*.*)|*.*", "Videos|*.avi;*.mkv;[a-c]*.mp4", "",
    "[File Paths]", "LastFilePath=/home/user", "LastSavePath=/tmp", "",
    "[Hashed Files]",
    "ed2k://|file|a.avi|3|C4BBA3D4A5B5B3D1E9F5C1C2B1D1E1F1|/",
    "/home/user/a.avi", "352441C2", "900150983CD24FB0D6963F7D28E17F72",
    "A9993E364706816ABA3E25717850C26C9CD0D89D", "State=3", "CRCStatus=0",
    "FileSize=3", "Selected=1",
    "NoHash", "/home/user/b.mkv", "", "", "", "State=0", "CRCStatus=-1",
    "FileSize=-1", "Selected=0",
]


def line_reader():
    write("fuzz_ini_line_reader", "ansi", b"\x00" + b"[Options]\r\nStripPath=1\r\nlast")
    write("fuzz_ini_line_reader", "utf16", b"\x07" + b"\xff\xfe" + utf16("a\r\n\u00e9\u4e2d\r\nz") + b"\x00")
    write("fuzz_ini_line_reader", "bare-crs", b"\x01" + b"\r\r\n\r\n\n\r")
    # Byte 0 of 0xFF makes a huge line; such inputs are slow, the fuzzer finds them.


def ini_file():
    write("fuzz_ini_file", "ansi.ini", ini_lines(SETTINGS, False))
    wide = [line.replace("b.mkv", "\u4e2d\u6587.mkv") for line in SETTINGS]
    write("fuzz_ini_file", "utf16.ini", ini_lines(wide, True))
    cut = ini_lines(SETTINGS[:-5], False)
    write("fuzz_ini_file", "truncated-record.ini", cut[:-7])
    kept = SETTINGS.index("[Hashed Files]")
    extras = SETTINGS[:kept] + ["[Extras]", "AichHash=1", "partHASHES=0", ""] + SETTINGS[kept:]
    write("fuzz_ini_file", "extras.ini", ini_lines(extras, False))
    write("fuzz_ini_file", "sections-only.ini",
          ini_lines(["[File Types]", "|", "no bar", "[Options]", "NotifySound=-1",
                     "NotifySound=4", "DefaultType=9"], False))


def mask():
    # Mask, a "\" and one more byte, the name; the last byte picks UTF-16 (odd).
    cases = [
        ("plain", b"*.avi\\;Movie.AVI", 0),
        ("sets", b"[a-c]*[!0-9].m?v\\;b1x.mkv", 0),
        ("stars", b"*a*a*a*a*b\\;aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaac", 0),
        ("bad-range", b"[-a]\\;a", 0),
        ("open-set", b"name[abc\\;nameb", 0),
        ("lists", b"*.avi;*.mkv;;x\\;;a;", 0),
    ]
    for name, data, wide in cases:
        write("fuzz_mask", name, data + bytes([wide]))
    write("fuzz_mask", "utf16", utf16("*\u4e2d?.t[x-z]t") + b"\\;" + utf16("a\u4e2d\u00e9.TZT") + b"\x01")


def command_line():
    write("fuzz_command_line", "quoted", b"\x00" + utf16('linkmint "/home/a b/c.avi" /DEBUG x'))
    write("fuzz_command_line", "pairs", b"\x00" + utf16('prog ""/a "" "b"c"d e" "'))
    write("fuzz_command_line", "long-paths", b"\xa0" + utf16("prog /tmp/some/longer/path/name.avi /debug b"))
    write("fuzz_command_line", "separators", b"\x01" + utf16("prog\ta\x01b\x00c \u3000d"))


def handover():
    def block(paths, garbage=b""):
        text = b"".join(utf16(p) + b"\x00\x00" for p in paths) + b"\x00\x00"
        return struct.pack("<II", 1234, 5678) + b"\x00\x00" + text + garbage

    def header(size, continues, count):
        return bytes([size & 0xFF, size >> 8, 1 if continues else 0, count & 0xFF, count >> 8])

    def messages(items):
        blocks = b"".join(b for b, _, _ in items)
        headers = b"".join(header(len(b), c, n) for b, c, n in reversed(items))
        return blocks + headers

    write("fuzz_handover_receiver", "two-paths", messages([(block(["/a/b.avi", "/c"]), False, 2)]))
    write("fuzz_handover_receiver", "pieces", messages([
        (block(["/x", "/long-"]), True, 2),
        (block(["middle-"]), True, 1),
        (block(["end", "/y"]), False, 2),
    ]))
    write("fuzz_handover_receiver", "no-terminator",
          messages([(struct.pack("<II", 1, 2) + b"\x00\x00" + b"A\x00" * 2048 + b"\xff\xff", False, 0xFFFF)]))
    write("fuzz_handover_receiver", "count-too-high", messages([(block(["/only"]), False, 500)]))


def hash_variants():
    rng = random.Random(7)
    for k in range(7):
        body = bytes(rng.randrange(256) for _ in range(700))
        write("fuzz_hash_variants", "case%d" % k, body + bytes([k]))


def list_reader():
    abc = "A448017AAF21D8525FC10AE87AA6729D"
    write("fuzz_list_reader", "links.ed2k", (
        "ed2k://|file|abc.txt|3|" + abc + "|h=VGMT4NSHA2AWVOR6EVYXQUGCNSONBWE5|/\r\n"
        "ed2k://|file|/a/b|c.bin|19456000|187E981FE4C13D4767043AB5DECD67CE|"
        "p=CC25AD5FFC0D06B688A11A028497DC18:2721753A11ABF0A4B95E911AD429BA82:"
        "31D6CFE0D16AE931B73C59D7E0C089C0|/\r\n"
        "ed2k://|file|a%20b%20%c3%a9.txt|3|" + abc.lower() + "|/\r\n").encode("cp1252"))
    write("fuzz_list_reader", "info-utf16.txt", b"\xff\xfe" + utf16(
        "ed2k://|file|caf\u00e9 \u4e2d.avi|3|" + abc + "|/\r\n"
        "CRC32: 352441C2\r\nMD5: 900150983CD24FB0D6963F7D28E17F72\r\n"
        "SHA1: A9993E364706816ABA3E25717850C26C9CD0D89D\r\n"
        "AICH: VGMT4NSHA2AWVOR6EVYXQUGCNSONBWE5\r\n\r\n"))
    write("fuzz_list_reader", "list.sfv",
          b"; comment\r\nabc.txt 352441C2\r\nname with spaces.avi\t0123ABCD\r\ncaf\xe9.txt 352441C2\r\n")
    write("fuzz_list_reader", "sums", (
        "900150983cd24fb0d6963f7d28e17f72  abc.txt\n"
        "a9993e364706816aba3e25717850c26c9cd0d89d *abc.txt\n"
        "\\900150983cd24fb0d6963f7d28e17f72  back\\\\slash\\nnewline\n").encode())
    write("fuzz_list_reader", "bsd", (
        "MD5 (abc.txt) = 900150983cd24fb0d6963f7d28e17f72\n"
        "SHA1(abc.txt)= a9993e364706816aba3e25717850c26c9cd0d89d\n"
        "ED2K  (abc.txt) = a448017aaf21d8525fc10ae87aa6729d\n"
        "AICH  (abc.txt) = vgmt4nsha2awvor6evyxqugcnsonbwe5\n"
        "CRC32 (abc.txt) = 352441c2\n").encode())
    write("fuzz_list_reader", "rhash-and-magnets", (
        "\\MD5 (b\\\\c.txt) = 900150983cd24fb0d6963f7d28e17f72\n"
        "CRC32C (abc.txt) = 364b3fb7\n"
        "SHA1  (abc.txt) = vgmt4nsha2awvor6evyxqugcnsonbwe5\n"
        "MD5   (abc.txt) = kAFQmDzST7DWlj99KOF/cg==\n"
        "352441c2  abc.txt\n"
        "# comment\n"
        "magnet:?xl=3&dn=with%20space.txt&xt=urn:ed2k:" + abc.lower() +
        "&xt=urn:aich:vgmt4nsha2awvor6evyxqugcnsonbwe5\n"
        "ed2k://|file|e%7Cm%0A.avi|3|" + abc + "|/|sources,10.0.0.1:4662|/\n").encode())


def path_bytes():
    write("fuzz_path_bytes", "latin1", b"caf\xe9.txt")
    write("fuzz_path_bytes", "cut", b"euro\xe2\x82.txt")
    write("fuzz_path_bytes", "mixed", b"\xf0\x90\x82\x80\xff\xed\xa0\x80")
    write("fuzz_path_bytes", "utf8", "plain/dir/\u00e9".encode())


if __name__ == "__main__":
    line_reader()
    ini_file()
    mask()
    command_line()
    handover()
    hash_variants()
    list_reader()
    path_bytes()
