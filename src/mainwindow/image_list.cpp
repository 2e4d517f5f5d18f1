// SPDX-License-Identifier: MIT
#include "image_list.h"

#include <QPixmapCache>
#include <QString>

// The resources of a static library are registered by hand, once.
static void InitImageResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(images);
        return true;
    }();
    (void)done;
}

namespace lm {

QPixmap TImageList1::Picture(int index) {
    if (index < 0 || index >= kCount) {
        return {};
    }
    InitImageResources();
    const QString path = QStringLiteral(":/images/%1.png").arg(index, 2, 10, QChar(u'0'));
    QPixmap picture;
    if (!QPixmapCache::find(path, &picture)) {
        picture.load(path);
        QPixmapCache::insert(path, picture);
    }
    return picture;
}

}  // namespace lm
