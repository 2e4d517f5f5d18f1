// SPDX-License-Identifier: MIT
#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

#include "hashing_worker.h"
#include "text_width_meter.h"

namespace lm {

// The status bar: panel 0 the file count (38 px), panel 1 the activity
// (142 px), panel 2 the owner-drawn progress of the current file (200 px),
// and, when asked for, panel 3 the whole job's progress. 21 px high, or as
// high as the font needs. A click anywhere on it is reported as `clicked`.
class TStatBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 21;
    static constexpr std::array<int, 3> kPanelWidths{38, 142, 200};
    static constexpr int kOverallPanel = 3;

    // The bar's height: kHeight, or what the font needs inside the panels'
    // bevels when that is more.
    int BarHeight() const { return height_; }
    static int HeightFor(const QFontMetrics& metrics);

    // Panel 3, the overall progress, shown or not; empty while not hashing.
    void SetOverallPanelShown(bool shown);
    bool OverallPanelShown() const { return panels_ == 4; }
    int PanelCount() const { return panels_; }

    // The width panel `panel` gets: its design width, or for the text
    // panels more when the bar's font needs it for their usual texts or the
    // text shown now (the design widths were made for a smaller font than
    // most desktops use, and for fewer files), so that no text is cut.
    int PanelWidth(int panel) const;

    explicit TStatBar(QWidget* parent = nullptr);

    QString PanelText(int panel) const;
    // Repaints only when the text changes.
    void SetPanelText(int panel, const QString& text);
    // Where the panel is drawn, its bevel outside.
    QRect PanelRect(int panel) const;

    // What panel 2 shows, in words: the file's name and how far it has got
    // ("big.iso, 40%"); empty with no file in progress.
    QString ProgressText() const;

    // Panel 2 reads the progress here whenever it paints.
    void SetProgressSource(std::function<ProgressState()> source) { progress_ = std::move(source); }
    // No progress painting once the window is closing.
    void SetPaintingStopped(bool stopped) { paintingStopped_ = stopped; }

    // The right edge of the blue bar for `done` of `total` chunks on a panel
    // from `left`, `width` px wide.
    static int BarRight(int left, int width, int done, int total);

    QSize sizeHint() const override;
    // As wide as the three panels: the window never cuts one of them off.
    // The overall progress, when shown, takes what room is left beside.
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void StatBarDrawPanel(QPainter& painter, const QRect& rect);

    void MeasurePanels();
    void FitPanel(int panel);

    // The panels with texts: 0, 1 and 3 (2 draws the progress).
    static bool IsTextPanel(int panel) { return panel != 2; }

    std::array<QString, 4> texts_;
    std::array<int, 4> widths_{38, 142, 200, 0};
    std::array<int, 4> usualWidths_{};
    int panels_ = 3;
    int height_ = kHeight;
    TTextWidthMeter meter_;
    std::function<ProgressState()> progress_;
    bool paintingStopped_ = false;
};

}  // namespace lm
