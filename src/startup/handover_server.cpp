// SPDX-License-Identifier: MIT
#include "handover_server.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include "command_line.h"
#include "instance_names.h"
#include "peer_credentials.h"

namespace lm {

namespace {

constexpr qint64 kPacketBytes = 12;
// A message with its text on the socket: the length word and the units.
constexpr qint64 kLongestPacketBytes = kPacketBytes + 4 + 2 * kHandoverTextUnits;
// What is kept of a connection's unread bytes; a sender that runs ahead
// waits in the system's buffers instead of filling our memory.
constexpr qint64 kReadBufferBytes = 2 * kLongestPacketBytes;

std::uint32_t WordAt(const QByteArray& bytes, int index) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + 4 * index;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

HandoverServer::HandoverServer(Handler handler, QObject* parent)
    : HandoverServer(
          [handler = std::move(handler)](const HandoverPacket& packet) {
              handler(packet.message, packet.wParam, packet.lParam);
              return true;
          },
          EndHandler(), parent) {}

HandoverServer::HandoverServer(PacketHandler handler, EndHandler ended, QObject* parent)
    : QObject(parent),
      handler_(std::move(handler)),
      ended_(std::move(ended)),
      server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &HandoverServer::Accept);
}

HandoverServer::~HandoverServer() = default;

bool HandoverServer::Listen(const QString& socketPath) {
    QLocalServer::removeServer(socketPath);
    return server_->listen(socketPath);
}

void HandoverServer::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        // Only this user's own processes may hand paths over.
        if (!PeerIsThisUser(static_cast<int>(socket->socketDescriptor()))) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setReadBufferSize(kReadBufferBytes);
        const std::uint64_t connection = ++connections_;
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket, connection] { ReadMessages(socket, connection); });
        connect(socket, &QLocalSocket::disconnected, this, [this, connection] {
            if (ended_) {
                ended_(connection);
            }
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        ReadMessages(socket, connection);
    }
}

void HandoverServer::ReadMessages(QLocalSocket* rawSocket, std::uint64_t connection) {
    // The handler may process events, and the sender may give up meanwhile.
    const QPointer<QLocalSocket> socket(rawSocket);
    while (socket && socket->bytesAvailable() >= kPacketBytes) {
        const QByteArray head = socket->peek(kPacketBytes + 4);
        HandoverPacket packet;
        packet.message = WordAt(head, 0);
        packet.wParam = WordAt(head, 1);
        packet.lParam = WordAt(head, 2);
        packet.connection = connection;
        qint64 size = kPacketBytes;
        if ((packet.message == WM_HANDOVER || packet.message == WM_ACTIVATIONTOKEN) &&
            (packet.lParam & kHandoverTextFollows) != 0) {
            if (head.size() < kPacketBytes + 4) {
                return;  // the rest comes with the next notification
            }
            const std::uint32_t units = WordAt(head, 3);
            if (units > static_cast<std::uint32_t>(kHandoverTextUnits)) {
                socket->abort();  // no sender of ours sends that
                return;
            }
            size = kPacketBytes + 4 + 2 * static_cast<qint64>(units);
            if (socket->bytesAvailable() < size) {
                return;
            }
            const QByteArray bytes = socket->read(size);
            const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + 16;
            std::u16string text(units, u'\0');
            for (std::uint32_t i = 0; i < units; ++i) {
                text[i] = static_cast<char16_t>(p[2 * i] | p[2 * i + 1] << 8);
            }
            packet.text = std::move(text);
        } else {
            socket->read(kPacketBytes);
        }
        const bool taken = handler_(packet);
        if (!socket) {
            return;
        }
        const std::uint32_t answer = taken ? packet.message : 0;
        QByteArray ack(4, '\0');
        for (int i = 0; i < 4; ++i) {
            ack[i] = static_cast<char>(answer >> (8 * i));
        }
        socket->write(ack);
        socket->flush();
    }
}

}  // namespace lm
