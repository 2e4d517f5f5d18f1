// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace lm {

// What a path names, found out without ever blocking.
struct RegularFileProbe {
    bool exists = false;
    bool regular = false;  // a regular file, whether or not it can be read
    // The size of a regular file that could be opened for reading; empty for
    // anything else (a directory, a FIFO, a device, a file we may not read).
    std::optional<std::int64_t> size;
};

// Opens `path` without waiting (a FIFO swapped in for a file would otherwise
// block the caller until someone writes to it) and looks at what was opened,
// so the answer is about the very object that was opened.
RegularFileProbe ProbeRegularFile(const QString& path);

// The same answer for a path that a folder's listing has just found to be a
// regular file, mostly in one system call: a file of the user's own that its
// owner may read is looked at without being opened.
RegularFileProbe ProbeListedFile(const QString& path);

// Opens `path` (links followed) for reading only when it is a regular file
// of at most `maxBytes`, without ever waiting: a FIFO or a device put where
// a file is expected is refused, as is anything larger. Returns a blocking,
// close-on-exec descriptor for the caller to close, or -1.
int OpenRegularFileForReading(const QString& path, std::int64_t maxBytes);

}  // namespace lm
