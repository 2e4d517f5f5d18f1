// SPDX-License-Identifier: MIT
#include "handover_sender.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "peer_credentials.h"

namespace lm {

HandoverSender::~HandoverSender() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool HandoverSender::Connect(const QString& socketPath) {
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    if (fd_ >= 0 || path.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        return false;
    }
    int result;
    do {
        result = ::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    } while (result != 0 && errno == EINTR);
    // Paths go only to an instance of this user, never to whoever else may
    // have put a socket there.
    if (result != 0 || !PeerIsThisUser(fd_)) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    return true;
}

bool HandoverSender::Send(std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam) {
    if (fd_ < 0) {
        return false;
    }
    unsigned char packet[12];
    const std::uint32_t words[3] = {message, wParam, lParam};
    for (int w = 0; w < 3; ++w) {
        for (int i = 0; i < 4; ++i) {
            packet[4 * w + i] = static_cast<unsigned char>(words[w] >> (8 * i));
        }
    }
    std::size_t sent = 0;
    while (sent < sizeof(packet)) {
        const ssize_t n = ::send(fd_, packet + sent, sizeof(packet) - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    // The acknowledgement repeats the message number.
    unsigned char ack[4];
    std::size_t got = 0;
    while (got < sizeof(ack)) {
        pollfd waiting{fd_, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, kAckTimeoutMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return false;
        }
        const ssize_t n = ::recv(fd_, ack + got, sizeof(ack) - got, 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    const std::uint32_t echoed = static_cast<std::uint32_t>(ack[0]) | ack[1] << 8 | ack[2] << 16 |
                                 static_cast<std::uint32_t>(ack[3]) << 24;
    return echoed == message;
}

}  // namespace lm
