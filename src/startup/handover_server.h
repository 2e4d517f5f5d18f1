// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

class QLocalServer;
class QLocalSocket;

namespace lm {

// The running instance's end of the channel: a local socket on which second
// starts send their messages. Each message is handed to `handler` on the GUI
// thread and acknowledged once the handler has returned.
//
// The handler runs inside the socket's read notification: it must take what
// it needs (the block's text) and return, and leave anything that may wait
// for the user or run an event loop of its own (a message box, a long
// listing) to a queued call. A sender that goes away meanwhile would
// otherwise have its socket deleted under the notification.
class HandoverServer : public QObject {
    Q_OBJECT

public:
    using Handler =
        std::function<void(std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam)>;

    explicit HandoverServer(Handler handler, QObject* parent = nullptr);
    ~HandoverServer() override;

    // Listens at `socketPath`, replacing a socket file left by an instance
    // that died. Only call this once this process is known to be the first
    // instance. Only the user may connect.
    bool Listen(const QString& socketPath);

private:
    void Accept();
    void ReadMessages(QLocalSocket* socket);

    Handler handler_;
    QLocalServer* server_;
};

}  // namespace lm
