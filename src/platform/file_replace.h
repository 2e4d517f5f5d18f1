// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <optional>

namespace lm {

// Replacing the whole content of a file so that, whatever happens meanwhile
// (a full disk, a failed write, the program killed), the file holds either
// its old content or the complete new one. Paths are the system's bytes.
// Each function returns 0 or the errno value of what failed.

// The file a chain of symbolic links ends at (`path` itself when it is no
// link; it need not exist); a relative link is taken from its own folder.
// Nothing for a loop or a chain too long.
std::optional<QByteArray> FinalLinkTarget(QByteArray path);

// The folder part of a path ("." when it has none).
QByteArray FolderOf(const QByteArray& path);

// Writes `bytes` to a new file beside `target`, flushes it to the disk and
// only then renames it over `target`, so the file is replaced in one step.
// The new file takes the old one's permissions. `tempName` is the temporary
// file's path; whatever stands there is removed first. Empty: a hidden name
// of its own beside the target. On failure the temporary file is removed.
int ReplaceByRename(const QByteArray& target, const QByteArray& bytes,
                    const QByteArray& tempName = {});

// Rewrites the existing regular file `target` where it stands: the same
// file, with its owner, permissions and other hard links. The room for the
// new content is reserved before the first byte changes, so a full disk
// leaves the file untouched; the writing itself is done by a process of its
// own, which finishes it even when this one is killed meanwhile.
int RewriteInPlace(const QByteArray& target, const QByteArray& bytes);

}  // namespace lm
