// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace lm {

// `path` as an absolute path: a relative one is taken from `base` (an
// absolute folder), with "." parts and repeated separators left out. ".."
// parts stay, since a folder reached through a link has another parent
// than its name suggests. An absolute path, or an empty one, is returned
// as it is.
QString AbsolutePath(const QString& path, const QString& base);

// The working folder of this process, by the lossless mapping of its bytes;
// empty when it cannot be read (it was removed, or is too deep).
QString WorkingFolder();

// Every path of `arguments` made absolute from the working folder, so that
// a running instance elsewhere finds them. Absolute ones, and the switch
// "/debug", stay as they are.
QStringList AbsolutePaths(const QStringList& arguments);

}  // namespace lm
