// SPDX-License-Identifier: MIT
#include "stat_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "overall_progress.h"
#include "stat_bar_accessible.h"

namespace lm {

namespace {

constexpr int kBevel = 1;  // the sunken line around each panel
constexpr int kGap = 2;    // between two panels' bevels
constexpr int kTextPad = 2;
constexpr int kTextRoom = 2 * kTextPad + 2;  // a text's room beyond its width

}  // namespace

TStatBar::TStatBar(QWidget* parent) : QWidget(parent) {
    InstallStatBarAccessibility();
    setObjectName(QStringLiteral("StatBar"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    texts_[0] = HashingWorker::FileCountText(0);
    texts_[1] = HashingWorker::IdleText();
    MeasurePanels();
}

int TStatBar::HeightFor(const QFontMetrics& metrics) {
    // The panels' insides are the bar less 2 px above, 2 below and the
    // bevels: a text must fit there.
    return std::max(kHeight, metrics.height() + 4 + 2 * kBevel);
}

void TStatBar::MeasurePanels() {
    // The usual texts, measured once per font, in the language shown.
    const std::array<QStringList, 4> kUsual = {
        QStringList{HashingWorker::FileCountText(9999), HashingWorker::FileCountText(1)},
        QStringList{HashingWorker::IdleText(), HashingWorker::RemainingText(false, 9999),
                    HashingWorker::RemainingText(true, 9999),
                    HashingWorker::RemainingText(false, 1), HashingWorker::RemainingText(true, 1)},
        QStringList{},
        QStringList{TOverallProgress::SpeedText(
            TOverallProgress::AmountsText(QStringLiteral("9999"), QStringLiteral("9999")),
            QStringLiteral("999"), QStringLiteral("9:59:59"))}};
    meter_.SetFont(font());
    for (int panel = 0; panel < 4; ++panel) {
        if (!IsTextPanel(panel)) {
            continue;
        }
        const auto index = static_cast<std::size_t>(panel);
        usualWidths_[index] = 0;
        for (const QString& text : kUsual[index]) {
            usualWidths_[index] = std::max(usualWidths_[index], meter_.Width(text));
        }
        FitPanel(panel);
    }
    widths_[2] = kPanelWidths[2];
    height_ = HeightFor(fontMetrics());
    setFixedHeight(height_);
}

void TStatBar::FitPanel(int panel) {
    // Its design width at least, and room for the widest text it shows:
    // the usual texts, and whatever it shows now (a count of any length).
    const auto index = static_cast<std::size_t>(panel);
    const int widest = std::max(usualWidths_[index], meter_.Width(texts_[index]));
    const int design = index < kPanelWidths.size() ? kPanelWidths[index] : 0;
    widths_[index] = std::max(design, widest + kTextRoom);
}

int TStatBar::PanelWidth(int panel) const {
    return panel >= 0 && panel < panels_ ? widths_[static_cast<std::size_t>(panel)] : 0;
}

void TStatBar::SetOverallPanelShown(bool shown) {
    const int panels = shown ? 4 : 3;
    if (panels == panels_) {
        return;
    }
    panels_ = panels;
    if (!shown) {
        texts_[kOverallPanel].clear();
        FitPanel(kOverallPanel);
    }
    updateGeometry();
    update();
}

void TStatBar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        MeasurePanels();
        updateGeometry();
        update();
    }
}

QSize TStatBar::sizeHint() const {
    return {PanelRect(panels_ - 1).right() + kBevel + 1, height_};
}

QSize TStatBar::minimumSizeHint() const {
    return {PanelRect(2).right() + kBevel + 1, height_};
}

QString TStatBar::PanelText(int panel) const {
    return panel >= 0 && panel < panels_ ? texts_[static_cast<std::size_t>(panel)] : QString();
}

void TStatBar::SetPanelText(int panel, const QString& text) {
    if (panel < 0 || panel >= panels_ || texts_[static_cast<std::size_t>(panel)] == text) {
        return;
    }
    texts_[static_cast<std::size_t>(panel)] = text;
    if (IsTextPanel(panel)) {
        const int before = widths_[static_cast<std::size_t>(panel)];
        FitPanel(panel);
        if (widths_[static_cast<std::size_t>(panel)] != before) {
            updateGeometry();
        }
    }
    update();
    PanelTextChanged(this, panel);
}

QRect TStatBar::PanelRect(int panel) const {
    int left = kBevel;
    for (int i = 0; i < panel; ++i) {
        left += PanelWidth(i) + 2 * kBevel + kGap;
    }
    return {left, 2 + kBevel, PanelWidth(panel), height_ - 4 - 2 * kBevel};
}

QString TStatBar::ProgressText() const {
    if (!progress_) {
        return {};
    }
    const ProgressState progress = progress_();
    if (progress.fileName.isEmpty()) {
        return {};
    }
    const int percent = progress.chunksTotal > 0
                            ? static_cast<int>(100LL * progress.chunksDone / progress.chunksTotal)
                            : 0;
    return tr("%1, %2%", "the file being read and how far it has got")
        .arg(progress.fileName)
        .arg(percent);
}

int TStatBar::BarRight(int left, int width, int done, int total) {
    if (total <= 0) {
        return left;
    }
    const double fraction = std::min(1.0, static_cast<double>(done) / total);
    return left + static_cast<int>(std::lround(fraction * width));
}

void TStatBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int panel = 0; panel < panels_; ++panel) {
        const QRect inner = PanelRect(panel);
        const QRect bevel = inner.adjusted(-kBevel, -kBevel, kBevel - 1, kBevel - 1);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(bevel.topLeft(), bevel.topRight());
        painter.drawLine(bevel.topLeft(), bevel.bottomLeft());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(bevel.bottomLeft(), bevel.bottomRight());
        painter.drawLine(bevel.topRight(), bevel.bottomRight());
        if (panel == 2) {
            StatBarDrawPanel(painter, inner);
        } else {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.setClipRect(inner);
            painter.drawText(inner.adjusted(kTextPad, 0, 0, 0),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             texts_[static_cast<std::size_t>(panel)]);
            painter.setClipping(false);
        }
    }
}

void TStatBar::StatBarDrawPanel(QPainter& painter, const QRect& rect) {
    if (paintingStopped_ || !progress_) {
        return;
    }
    // One consistent copy: the worker replaces the values whole.
    const ProgressState progress = progress_();
    if (progress.chunksDone > 0) {
        QRect bar = rect;
        bar.setRight(
            BarRight(rect.left(), rect.width(), progress.chunksDone, progress.chunksTotal) - 1);
        painter.fillRect(bar, QColor(0, 0, 255));
    }
    if (progress.fileName.isEmpty()) {
        return;
    }
    painter.setClipRect(rect);
    painter.setPen(palette().color(QPalette::WindowText));
    const int width = fontMetrics().horizontalAdvance(progress.fileName);
    // Centred when it fits, else from the left edge and cut at the right.
    // No mnemonic processing: "&" shows as "&".
    const Qt::Alignment align = width <= rect.width() ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.drawText(rect, static_cast<int>(align | Qt::AlignTop) | Qt::TextSingleLine,
                     progress.fileName);
    painter.setClipping(false);
}

void TStatBar::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    // A click is the left button's; the others open nothing.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace lm
