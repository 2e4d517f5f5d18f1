// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace lm {

// The notification area, where the window waits while minimized when
// MinimizeToTray is on.
class TrayArea {
public:
    // The longest tip line the icon shows; each line of a tip is cut there.
    static constexpr int kMaxTipLength = 63;
    static QString CutTip(const QString& tip);

    virtual ~TrayArea() = default;

    // False where the desktop has no notification area.
    virtual bool Available() const = 0;
    virtual void ShowIcon(const QString& tip) = 0;
    virtual void SetTip(const QString& tip) = 0;
    virtual void RemoveIcon() = 0;
    virtual bool IconShown() const = 0;

    // Run when the icon is clicked with the left button.
    std::function<void()> leftClicked;
};

// The desktop's notification area through QSystemTrayIcon.
std::unique_ptr<TrayArea> MakeSystemTrayArea();

}  // namespace lm
