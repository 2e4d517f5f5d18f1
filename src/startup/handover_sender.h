// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <string>

namespace lm {

// The second start's end of the channel to the running instance: a
// connection to its local socket over which each message is sent and then
// waited for until the receiver has handled it, as a synchronous window
// message would be. Plain POSIX, so a second start needs no display.
class HandoverSender {
public:
    HandoverSender() = default;
    ~HandoverSender();
    HandoverSender(const HandoverSender&) = delete;
    HandoverSender& operator=(const HandoverSender&) = delete;

    // False when nobody listens there (no instance runs, or the one that
    // made the block has died) or when the listener is another user's.
    bool Connect(const QString& socketPath);
    // Sends one message and waits for the receiver's acknowledgement.
    // False when the receiver went away, did not answer in time or refused
    // the message. With `text` (a hand-over's text area, at most 2048 code
    // units), the text follows the message on the socket: its length in
    // code units (32 bits) and the UTF-16LE units; kHandoverTextFollows is
    // then set in `lParam`.
    bool Send(std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam,
              const std::u16string* text = nullptr);

    // Longest wait for one acknowledgement; a receiver that takes longer is
    // taken to hang. Only for robustness: a normal hand-over takes far less.
    static constexpr int kAckTimeoutMs = 120000;

private:
    int fd_ = -1;
};

}  // namespace lm
