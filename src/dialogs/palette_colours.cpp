// SPDX-License-Identifier: MIT
#include "palette_colours.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace lm {

namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

QColor Mixed(const QColor& from, const QColor& to, double t) {
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

QImage Inked(QImage image, const QList<QRgb>& inks, const QPalette& palette) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QColor background = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    for (const QRgb ink : inks) {
        const QRgb readable = ReadableOn(QColor(ink), background, text, kTextContrast).rgb();
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(line[x]) != 0 && (line[x] & RGB_MASK) == (ink & RGB_MASK)) {
                    line[x] = (readable & RGB_MASK) | (line[x] & ~RGB_MASK);
                }
            }
        }
    }
    return image;
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& wanted, const QColor& background, const QColor& text,
                  double minimum) {
    if (ContrastRatio(wanted, background) >= minimum) {
        return wanted.toRgb();
    }
    // The least mix that reaches the contrast, in steps of a hundredth.
    for (int step = 1; step <= 100; ++step) {
        const QColor mixed = Mixed(wanted, text, step / 100.0);
        if (ContrastRatio(mixed, background) >= minimum) {
            return mixed;
        }
    }
    return text.toRgb();
}

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QIcon ScaledIcon(const QString& path, const QList<QRgb>& inks, const QPalette& palette) {
    QIcon icon;
    const bool recolour = !inks.isEmpty() && IsDarkPalette(palette);
    const QString stem = path.chopped(4);  // without ".png"
    for (const int scale : {1, 2, 3}) {
        const QString file = scale == 1 ? path : QStringLiteral("%1@%2x.png").arg(stem).arg(scale);
        if (scale > 1 && !QFile::exists(file)) {
            continue;
        }
        QImage image(file);
        if (image.isNull()) {
            continue;
        }
        if (recolour) {
            image = Inked(image, inks, palette);
        }
        QPixmap pixmap = QPixmap::fromImage(image);
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
        if (scale == 3) {
            // For screens scaled by 1.5: the 3x picture halved, each pixel
            // the mean of four, rather than the 1x one enlarged.
            QPixmap half = QPixmap::fromImage(
                image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            half.setDevicePixelRatio(1.5);
            icon.addPixmap(half);
        }
    }
    return icon;
}

}  // namespace lm
