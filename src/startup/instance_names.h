// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>

namespace lm {

// The private window messages a second start sends to the running instance.
inline constexpr std::uint32_t WM_TRAYCALLBACK = 0x401;
inline constexpr std::uint32_t WM_HANDOVER = 0x402;
// WM_TRAYCALLBACK from a second start: the icon's identifier and "left
// button released", as a click on the tray icon sends them.
inline constexpr std::uint32_t kTrayIconId = 100;
inline constexpr std::uint32_t kTrayLeftButtonUp = 0x202;
// WM_HANDOVER long parameter, bit by bit. Continues: the message's last
// path goes on in the next. More: more messages of the same hand-over
// follow (a hand-over is taken in whole, once its last message is there).
// TextFollows: the text is not in the block but follows the message on the
// socket (see HandoverSender::Send), when no trusted block is at hand.
inline constexpr std::uint32_t kHandoverContinues = 1;
inline constexpr std::uint32_t kHandoverMore = 2;
inline constexpr std::uint32_t kHandoverTextFollows = 4;
// Sent before WM_TRAYCALLBACK: the launcher's token for bringing the window
// forward is in the block's text area, laid out as one path; the word
// parameter tells which kind. An instance that does not know it ignores it.
inline constexpr std::uint32_t WM_ACTIVATIONTOKEN = 0x404;
inline constexpr std::uint32_t kXdgActivationToken = 1;
inline constexpr std::uint32_t kStartupIdToken = 2;

// The names that tie the instances of one session together. Every name is
// made from one key: the user id, the runtime folder ($XDG_RUNTIME_DIR, or
// a private folder under the temporary directory when that is not set) and
// $LINKMINT_INSTANCE when set (the tests use it so as not to meet a real
// running program). Two users, or two sessions of one user with runtime
// folders of their own, each get instances of their own. $XDG_RUNTIME_DIR
// is used only when it is the user's own private folder (mode 0700, not a
// link); in a folder others may write, any name could be a trap.
struct InstanceNames {
    // uid-XXXXXXXXXXXX[-tag], the X a digest of the runtime folder's path.
    static QString Key();
    // The POSIX shared-memory name of the hand-over block.
    static QString BlockName();
    // In the runtime folder: the running instance's local socket; the lock
    // that serialises starts and hand-overs; and the lock the running
    // instance holds for as long as it lives, by which a later start tells a
    // live instance (however slow) from one that has gone.
    static QString SocketPath();
    static QString LockPath();
    static QString AlivePath();
};

}  // namespace lm
