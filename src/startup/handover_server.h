// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QLocalServer;
class QLocalSocket;

namespace lm {

// One message of a second start, as the running instance receives it.
struct HandoverPacket {
    std::uint32_t message = 0;
    std::uint32_t wParam = 0;
    std::uint32_t lParam = 0;
    // Which sender: the same number for every message of one connection.
    std::uint64_t connection = 0;
    // The text area, when the sender sent it on the socket instead of
    // writing it to the block (kHandoverTextFollows).
    std::optional<std::u16string> text;
};

// The running instance's end of the channel: a local socket on which second
// starts send their messages. Each message is handed to `handler` on the GUI
// thread and acknowledged once the handler has returned; a message the
// handler refuses is answered with 0, so that its sender does not report
// success. When a sender's connection ends, `ended` is told its number.
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
    using PacketHandler = std::function<bool(const HandoverPacket& packet)>;
    using EndHandler = std::function<void(std::uint64_t connection)>;

    // Every message is taken.
    explicit HandoverServer(Handler handler, QObject* parent = nullptr);
    HandoverServer(PacketHandler handler, EndHandler ended, QObject* parent = nullptr);
    ~HandoverServer() override;

    // Listens at `socketPath`, replacing a socket file left by an instance
    // that died. Only call this once this process is known to be the first
    // instance. Only the user may connect.
    bool Listen(const QString& socketPath);

private:
    void Accept();
    void ReadMessages(QLocalSocket* socket, std::uint64_t connection);

    PacketHandler handler_;
    EndHandler ended_;
    QLocalServer* server_;
    std::uint64_t connections_ = 0;
};

}  // namespace lm
