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
// WM_HANDOVER long parameter: the message's last path goes on in the next.
inline constexpr std::uint32_t kHandoverContinues = 1;

// The names that tie the instances of one user together. They all carry the
// user id, so that two users on one machine each get their own instance.
// $LINKMINT_INSTANCE, when set, is added to every name: a separate set of
// instances (the tests use it so as not to meet a real running program).
struct InstanceNames {
    // The POSIX shared-memory name of the hand-over block.
    static QString BlockName();
    // The running instance's local socket and the lock that serialises
    // starts and hand-overs, in $XDG_RUNTIME_DIR (or a private folder under
    // the temporary directory when that is not set).
    static QString SocketPath();
    static QString LockPath();
};

}  // namespace lm
