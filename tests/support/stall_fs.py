#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# A small FUSE file system for the tests, as a hung network mount or a
# failing disk looks to a program that reads from it:
#   stall.bin  1 MiB whose reads never return (they sleep until the file
#              system is killed); the first one creates $STALLFS_MARKER
#   fail.bin   1 MiB whose reads fail with EIO
#   ok.bin     "ok\n"
#   tree/      a folder whose listing, as the whole file system's, gives no
#              entry types: tree/a ("a"), tree/sub/b ("b"), tree/link -> a
# Run it with the system's Python (python3-fuse):
#   /usr/bin/python3 stall_fs.py MOUNTPOINT -f
# and end it with `fusermount -u -z MOUNTPOINT` and SIGKILL.
import errno
import os
import stat
import time

import fuse

fuse.fuse_python_api = (0, 2)

SIZE = 1 << 20
FILES = {"/stall.bin": SIZE, "/fail.bin": SIZE, "/ok.bin": 3, "/tree/a": 1, "/tree/sub/b": 1}
FOLDERS = {"/": ["stall.bin", "fail.bin", "ok.bin", "tree"], "/tree": ["a", "sub", "link"],
           "/tree/sub": ["b"]}
LINKS = {"/tree/link": "a"}


class Attributes(fuse.Stat):
    def __init__(self, mode, size, links):
        super().__init__()
        self.st_mode = mode
        self.st_nlink = links
        self.st_size = size
        self.st_uid = os.getuid()
        self.st_gid = os.getgid()
        now = int(time.time())
        self.st_atime = self.st_mtime = self.st_ctime = now


class StallFs(fuse.Fuse):
    def getattr(self, path):
        if path in FOLDERS:
            return Attributes(stat.S_IFDIR | 0o755, 0, 2)
        if path in FILES:
            return Attributes(stat.S_IFREG | 0o444, FILES[path], 1)
        if path in LINKS:
            return Attributes(stat.S_IFLNK | 0o777, len(LINKS[path]), 1)
        return -errno.ENOENT

    def readlink(self, path):
        return LINKS.get(path, -errno.EINVAL)

    def readdir(self, path, offset):
        for name in [".", ".."] + FOLDERS.get(path, []):
            yield fuse.Direntry(name)  # no type: the reader must ask

    def open(self, path, flags):
        if path not in FILES:
            return -errno.ENOENT
        if flags & os.O_ACCMODE != os.O_RDONLY:
            return -errno.EACCES
        return 0

    def read(self, path, size, offset):
        if path == "/ok.bin":
            return b"ok\n"[offset:offset + size]
        if path.startswith("/tree/"):
            return path[-1:].encode()[offset:offset + size]
        if path == "/fail.bin":
            return -errno.EIO
        marker = os.environ.get("STALLFS_MARKER")
        if marker:
            with open(marker, "a", encoding="ascii") as out:
                out.write("reading\n")
        while True:
            time.sleep(3600)


def main():
    server = StallFs(version="%prog " + fuse.__version__, usage=fuse.Fuse.fusage,
                     dash_s_do="setsingle")
    server.multithreaded = True
    server.parse(errex=1)
    server.main()


if __name__ == "__main__":
    main()
