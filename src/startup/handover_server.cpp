// SPDX-License-Identifier: MIT
#include "handover_server.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include "peer_credentials.h"

namespace lm {

namespace {

constexpr qint64 kPacketBytes = 12;
// What is kept of a connection's unread bytes; a sender that runs ahead
// waits in the system's buffers instead of filling our memory.
constexpr qint64 kReadBufferBytes = 64 * kPacketBytes;

std::uint32_t WordAt(const QByteArray& bytes, int index) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + 4 * index;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

HandoverServer::HandoverServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), server_(new QLocalServer(this)) {
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
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadMessages(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        ReadMessages(socket);
    }
}

void HandoverServer::ReadMessages(QLocalSocket* rawSocket) {
    // The handler may process events, and the sender may give up meanwhile.
    const QPointer<QLocalSocket> socket(rawSocket);
    while (socket && socket->bytesAvailable() >= kPacketBytes) {
        const QByteArray packet = socket->read(kPacketBytes);
        const std::uint32_t message = WordAt(packet, 0);
        handler_(message, WordAt(packet, 1), WordAt(packet, 2));
        if (!socket) {
            return;
        }
        QByteArray ack(4, '\0');
        for (int i = 0; i < 4; ++i) {
            ack[i] = static_cast<char>(message >> (8 * i));
        }
        socket->write(ack);
        socket->flush();
    }
}

}  // namespace lm
