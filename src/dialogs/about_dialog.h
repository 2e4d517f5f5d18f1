// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QList>
#include <QTimer>

#include <functional>
#include <random>

#include "letter_physics.h"

class QLabel;
class QPushButton;

namespace lm {

// The about box: the title as a row of loose letters that the mouse pushes
// about and that find their way home again, a 20 ms tick moving them. It is
// 345 x 201 px, or larger where the font needs it.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxLetters = 100;
    static constexpr int kTickMs = 20;

    explicit TfrmAbout(QWidget* parent = nullptr);

    static QString TitleText();

    const QList<TLetter>& Letters() const { return letters_; }
    TLetter& Letter(int index) { return letters_[index]; }
    QLabel* LetterLabel(int index) const { return labels_[index]; }
    // Replaces the one-in-seven draw of the random braking (tests).
    void SetRandomDraw(std::function<bool()> draw) { draw_ = std::move(draw); }

    QLabel* Icon;
    QLabel* Picture;
    QLabel* Credit;
    QPushButton* OKBtn;
    QTimer Timer1;

public slots:
    void Timer1Timer();
    // The mouse at `pos` over letter `index`, in the letter's coordinates.
    void LtrMouseMove(int index, QPointF pos);
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTitle();
    // Sizes the box to the font and places everything in it.
    void PlaceControls();

    QList<QLabel*> labels_;
    int titleWidth_ = 0;
    QList<TLetter> letters_;
    std::minstd_rand random_{std::random_device{}()};
    std::function<bool()> draw_;
};

}  // namespace lm
