// SPDX-License-Identifier: MIT
#include "about_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <cmath>

#include "dialog_resources.h"
#include "linkmint_build_info.h"
#include "palette_colours.h"

namespace lm {

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Linkmint"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    OKBtn = new QPushButton(tr("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TfrmAbout::OKBtnClick);

    InitDialogResources();
    Icon = new QLabel(this);
    Icon->setObjectName(QStringLiteral("Icon"));
    Icon->setPixmap(ScaledIcon(QStringLiteral(":/dialogs/about_icon.png"))
                        .pixmap(QSize(32, 32), devicePixelRatioF()));
    Icon->resize(32, 32);
    Picture = new QLabel(this);
    Picture->setObjectName(QStringLiteral("Picture"));
    Picture->setPixmap(ScaledIcon(QStringLiteral(":/dialogs/about_picture.png"))
                           .pixmap(QSize(64, 64), devicePixelRatioF()));
    Picture->resize(64, 64);

    Credit = new QLabel(tr("Minted with care by the Linkmint developers."), this);
    Credit->setObjectName(QStringLiteral("Credit"));
    Credit->setWordWrap(true);

    BuildTitle();
    PlaceControls();

    draw_ = [this] { return random_() % 7 == 0; };
    Timer1.setInterval(kTickMs);
    connect(&Timer1, &QTimer::timeout, this, &TfrmAbout::Timer1Timer);
}

QString TfrmAbout::TitleText() {
    return QStringLiteral("Linkmint v" LM_VERSION);
}

void TfrmAbout::BuildTitle() {
    const QFontMetrics metrics(font());
    int x = 0;
    for (const QChar ch : TitleText()) {
        if (ch == u' ') {
            x += 4;
            continue;
        }
        if (labels_.size() == kMaxLetters) {
            break;
        }
        auto* label = new QLabel(QString(ch), this);
        label->setObjectName(QStringLiteral("Letter%1").arg(labels_.size()));
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setMargin(0);
        label->setContentsMargins(0, 0, 0, 0);
        label->resize(metrics.horizontalAdvance(ch), metrics.height());
        label->move(x, 0);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        x += label->width();
        labels_.append(label);
    }
    titleWidth_ = x;
}

void TfrmAbout::PlaceControls() {
    // The designed box, 345 x 201 with the OK button at (256, 160, 81, 33)
    // and the credit at (8, 156, 240, 40), and as much larger as the font
    // needs: the button and the credit hold their texts, the title with its
    // pictures fits across, and title and pictures stay above the bottom row.
    const QSize button = OKBtn->sizeHint().expandedTo(QSize(81, 33));
    const int titleHeight = labels_.isEmpty() ? 0 : labels_.front()->height();
    // Left of the title (which sits 16 px left of the middle) the icon and
    // its gap, right of it the picture and its gap, 8 px from each edge.
    const int width = std::max(345, titleWidth_ + 2 * (16 + 12 + 32 + 8) + 1);
    const int creditWidth = width - 8 - button.width() - 16;
    const int creditHeight = std::max(40, Credit->heightForWidth(creditWidth));
    const int bottomRow = std::max(5 + creditHeight, 8 + button.height());
    const int height = std::max(201, std::max(titleHeight, 64) + 2 * bottomRow + 8);
    setFixedSize(width, height);
    OKBtn->setGeometry(width - 8 - button.width(), height - 8 - button.height(), button.width(),
                       button.height());
    Credit->setGeometry(8, height - 5 - creditHeight, creditWidth, creditHeight);

    if (labels_.isEmpty()) {
        return;
    }
    const int shift = (width - titleWidth_) / 2 - 16;
    const int top = (height - titleHeight) / 2;
    for (QLabel* label : labels_) {
        label->move(label->x() + shift, top);
        TLetter letter;
        letter.hx = letter.x = label->x();
        letter.hy = letter.y = top;
        letter.w = label->width();
        letter.h = label->height();
        letters_.append(letter);
    }
    Icon->move(labels_.front()->x() - 12 - Icon->width(), (height - Icon->height()) / 2);
    Picture->move(labels_.back()->x() + labels_.back()->width() + 12,
                  (height - Picture->height()) / 2);
    // The pictures lie under the letters that fly over them.
    Icon->lower();
    Picture->lower();
}

void TfrmAbout::Timer1Timer() {
    const QSize client = size();
    const QRect button = OKBtn->geometry();
    for (int i = 0; i < letters_.size(); ++i) {
        TLetter& l = letters_[i];
        StepLetter(l, client, button, draw_);
        labels_[i]->move(static_cast<int>(std::nearbyint(l.x)),
                         static_cast<int>(std::nearbyint(l.y)));
    }
}

void TfrmAbout::LtrMouseMove(int index, QPointF pos) {
    if (index >= 0 && index < letters_.size()) {
        PushLetter(letters_[index], pos.x(), pos.y());
    }
}

void TfrmAbout::OKBtnClick() {
    Timer1.stop();
    accept();
}

void TfrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Timer1.start();
}

void TfrmAbout::hideEvent(QHideEvent* event) {
    // Nothing moves while nobody can see it.
    Timer1.stop();
    QDialog::hideEvent(event);
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const int index = labels_.indexOf(qobject_cast<QLabel*>(watched));
        if (index >= 0) {
            LtrMouseMove(index, static_cast<QMouseEvent*>(event)->position());
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace lm
