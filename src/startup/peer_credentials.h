// SPDX-License-Identifier: MIT
#pragma once

namespace lm {

// True when the process at the other end of the connected local socket `fd`
// runs as this process's user. Hand-over messages are only exchanged with
// such a peer; a socket whose owner the system cannot tell counts as foreign.
bool PeerIsThisUser(int fd);

// True when the open file `fd` (a shared-memory block, a socket file) is
// owned by this process's user and nobody else may read or write it.
bool PrivateToThisUser(int fd);

}  // namespace lm
