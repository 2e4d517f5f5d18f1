// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace lm {

// Turns SIGTERM and SIGINT into a call of `onSignal` on the GUI thread, so
// that the window closes as through its close box (and saves its settings)
// instead of the process simply ending. Only one may exist at a time.
class SignalCloser : public QObject {
    Q_OBJECT

public:
    explicit SignalCloser(std::function<void()> onSignal, QObject* parent = nullptr);
    ~SignalCloser() override;

private:
    void Drain();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace lm
