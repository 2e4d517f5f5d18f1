// SPDX-License-Identifier: MIT
#include "absolute_path.h"

#include <QByteArray>

#include <cerrno>
#include <vector>

#include <unistd.h>

#include "path_names.h"

namespace lm {

QString AbsolutePath(const QString& path, const QString& base) {
    if (path.isEmpty() || path.startsWith(u'/') || base.isEmpty()) {
        return path;
    }
    QString result = base;
    while (result.size() > 1 && result.endsWith(u'/')) {
        result.chop(1);
    }
    for (const QStringView part : QStringView(path).split(u'/')) {
        if (part.isEmpty() || part == u".") {
            continue;
        }
        if (!result.endsWith(u'/')) {
            result += u'/';
        }
        result += part;
    }
    // "dir/" names the folder as "dir" does; keep what the user wrote.
    if (path.endsWith(u'/') && !result.endsWith(u'/')) {
        result += u'/';
    }
    return result;
}

QString WorkingFolder() {
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() >= (1u << 20)) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
    return PathFromBytes(QByteArrayView(buffer.data()));
}

QStringList AbsolutePaths(const QStringList& arguments) {
    QString base;
    QStringList result;
    result.reserve(arguments.size());
    for (const QString& argument : arguments) {
        if (!argument.isEmpty() && !argument.startsWith(u'/') && base.isEmpty()) {
            base = WorkingFolder();
        }
        result << AbsolutePath(argument, base);
    }
    return result;
}

}  // namespace lm
