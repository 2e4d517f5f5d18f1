// SPDX-License-Identifier: MIT
#include "tray_area.h"

#include <QStringList>
#include <QSystemTrayIcon>

#include "image_list.h"

namespace lm {

namespace {

class SystemTrayArea : public TrayArea {
public:
    SystemTrayArea() {
        icon_.setIcon(TImageList1::Icon(TImageList1::Emblem));
        // Only the left button restores; the right one opens nothing.
        QObject::connect(&icon_, &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             if (reason == QSystemTrayIcon::Trigger && leftClicked) {
                                 leftClicked();
                             }
                         });
    }

    bool Available() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void ShowIcon(const QString& tip) override {
        icon_.setToolTip(CutTip(tip));
        icon_.show();
    }
    void SetTip(const QString& tip) override { icon_.setToolTip(CutTip(tip)); }
    void RemoveIcon() override { icon_.hide(); }
    bool IconShown() const override { return icon_.isVisible(); }

private:
    QSystemTrayIcon icon_;
};

}  // namespace

QString TrayArea::CutTip(const QString& tip) {
    QStringList lines = tip.split(u'\n');
    for (QString& line : lines) {
        line.truncate(kMaxTipLength);
    }
    return lines.join(u'\n');
}

std::unique_ptr<TrayArea> MakeSystemTrayArea() {
    return std::make_unique<SystemTrayArea>();
}

}  // namespace lm
