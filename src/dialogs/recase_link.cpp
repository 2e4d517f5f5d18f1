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
    // it follows the last "|" but one.
    const qsizetype last = link.lastIndexOf(u'|');
    const qsizetype beforeLast = last > 0 ? link.lastIndexOf(u'|', last - 1) : -1;
    cut = std::max(cut, beforeLast);
    const QString tail = link.mid(cut + 1);
    return link.left(cut + 1) + (lower ? tail.toLower() : tail.toUpper());
}

void RecaseEntry(TFileData& entry, bool lower) {
    entry.Link = RecaseLink(entry.Link, lower);
    for (QByteArray* hex : {&entry.CRC32, &entry.MD5, &entry.SHA1}) {
        *hex = lower ? hex->toLower() : hex->toUpper();
    }
}

}  // namespace lm
