// SPDX-License-Identifier: MIT
#include "peer_credentials.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lm {

bool PeerIsThisUser(int fd) {
    if (fd < 0) {
        return false;
    }
    ucred peer{};
    socklen_t length = sizeof(peer);
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0 || length != sizeof(peer)) {
        return false;
    }
    return peer.uid == ::geteuid();
}

bool PrivateToThisUser(int fd) {
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        return false;
    }
    return info.st_uid == ::geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

}  // namespace lm
