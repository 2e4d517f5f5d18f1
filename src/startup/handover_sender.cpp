// SPDX-License-Identifier: MIT
#include "handover_sender.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "command_line.h"
#include "instance_names.h"
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

bool HandoverSender::Send(std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam,
                          const std::u16string* text) {
    if (fd_ < 0 || (text != nullptr && text->size() > kHandoverTextUnits)) {
        return false;
    }
    std::string packet;
    auto word = [&packet](std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            packet.push_back(static_cast<char>(value >> (8 * i)));
        }
    };
    word(message);
    word(wParam);
    word(text != nullptr ? lParam | kHandoverTextFollows : lParam);
    if (text != nullptr) {
        word(static_cast<std::uint32_t>(text->size()));
        for (char16_t unit : *text) {
            packet.push_back(static_cast<char>(unit & 0xFF));
            packet.push_back(static_cast<char>(unit >> 8));
        }
    }
    std::size_t sent = 0;
    while (sent < packet.size()) {
        const ssize_t n = ::send(fd_, packet.data() + sent, packet.size() - sent, MSG_NOSIGNAL);
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
    // Anything else (0) says the message was refused.
    return echoed == message;
}

}  // namespace lm
