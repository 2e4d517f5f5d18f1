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

}  // namespace lm
