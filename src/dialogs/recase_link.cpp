// SPDX-License-Identifier: MIT
#include "recase_link.h"

#include <algorithm>

namespace lm {

QString RecaseLink(const QString& link, bool lower) {
    qsizetype cut = -1;
    for (int bars = 0; bars < 4; ++bars) {
        cut = link.indexOf(u'|', cut + 1);
        if (cut < 0) {
            return link;
        }
    }
    // A name may hold "|" itself here, so the hash is found from the end:
    // it is the last field but the part hashes and the AICH root.
    qsizetype end = link.lastIndexOf(u'|');
    qsizetype start = end > 0 ? link.lastIndexOf(u'|', end - 1) : -1;
    while (start >= 0 && (QStringView(link).mid(start + 1).startsWith(u"p=") ||
                          QStringView(link).mid(start + 1).startsWith(u"h="))) {
        end = start;
        start = end > 0 ? link.lastIndexOf(u'|', end - 1) : -1;
    }
    cut = std::max(cut, start);
    QString tail = link.mid(cut + 1);
    if (lower) {
        tail = tail.toLower();
    } else {
        // The part hashes and the AICH root are named in lower case.
        tail = tail.toUpper();
        tail.replace(QStringLiteral("|P="), QStringLiteral("|p="));
        tail.replace(QStringLiteral("|H="), QStringLiteral("|h="));
    }
    return link.left(cut + 1) + tail;
}

void RecaseEntry(TFileData& entry, bool lower) {
    entry.Link = RecaseLink(entry.Link, lower);
    for (QByteArray* hex : {&entry.CRC32, &entry.MD5, &entry.SHA1}) {
        *hex = lower ? hex->toLower() : hex->toUpper();
    }
}

}  // namespace lm
