// SPDX-License-Identifier: MIT
#include "image_list.h"

#include <QGuiApplication>
#include <QHash>
#include <QPixmapCache>
#include <QString>

#include "palette_colours.h"

// The resources of a static library are registered by hand, once.
static void InitImageResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(images);
        return true;
    }();
    (void)done;
}

namespace lm {

namespace {

QString PicturePath(int index) {
    return QStringLiteral(":/images/%1.png").arg(index, 2, 10, QChar(u'0'));
}

// The colours of marks drawn straight onto the background.
QList<QRgb> InksOf(int index) {
    switch (index) {
        case TImageList1::CopySelected:
        case TImageList1::RemoveSelected:
            return {qRgb(0x20, 0x30, 0x70)};  // the dark "#"
        case TImageList1::Sort:
            return {qRgb(0, 0, 0), qRgb(0x20, 0x50, 0xd0)};  // digits, arrow
        default:
            return {};
    }
}

}  // namespace

QIcon TImageList1::Icon(int index) {
    if (!Has(index)) {
        return {};
    }
    InitImageResources();
    // Made once per picture and background; painting a row asks for one.
    static QHash<quint64, QIcon> made;
    const QPalette palette = QGuiApplication::palette();
    const QList<QRgb> inks = InksOf(index);
    const QRgb background = inks.isEmpty() ? 0 : palette.color(QPalette::Window).rgb();
    const quint64 key = (quint64{background} << 8) | static_cast<quint64>(index);
    auto found = made.constFind(key);
    if (found == made.constEnd()) {
        found = made.insert(key, ScaledIcon(PicturePath(index), inks, palette));
    }
    return *found;
}

QPixmap TImageList1::Picture(int index) {
    if (index < 0 || index >= kCount) {
        return {};
    }
    InitImageResources();
    const QString path = PicturePath(index);
    QPixmap picture;
    if (!QPixmapCache::find(path, &picture)) {
        picture.load(path);
        QPixmapCache::insert(path, picture);
    }
    return picture;
}

}  // namespace lm
