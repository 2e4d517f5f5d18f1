// SPDX-License-Identifier: MIT
#include "single_instance.h"

#include <QFile>

#include <utility>
#include <vector>

#include "absolute_path.h"
#include "command_line.h"
#include "handover_sender.h"
#include "instance_names.h"

namespace lm {

bool SingleInstance::HandOver(HandoverBlock* block, const QString& socketPath,
                              const QStringList& arguments, const ActivationTokens& tokens) {
    HandoverSender sender;
    if (!sender.Connect(socketPath)) {
        return false;
    }
    // What lets the window come forward travels first, so that the restore
    // message below can use it.
    const std::pair<std::uint32_t, QString> kinds[] = {{kXdgActivationToken, tokens.xdgActivation},
                                                       {kStartupIdToken, tokens.startupId}};
    for (const auto& [kind, token] : kinds) {
        if (!IsUsableToken(token)) {
            continue;
        }
        // Laid out as one path, in the block or, without one, on the socket.
        const std::u16string text = token.toStdU16String() + u'\0' + u'\0';
        const bool inBlock = block != nullptr && block->WriteText(text);
        if (!sender.Send(WM_ACTIVATIONTOKEN, kind, 0, inBlock ? nullptr : &text)) {
            return false;
        }
    }
    // The running window comes forward whether or not there are paths; it
    // decides itself whether it is minimized, shown or in the tray.
    if (!sender.Send(WM_TRAYCALLBACK, kTrayIconId, kTrayLeftButtonUp)) {
        return false;
    }
    if (arguments.isEmpty()) {
        return true;
    }
    // The running instance may work in another folder.
    const std::vector<HandoverMessage> messages = BuildHandoverMessages(AbsolutePaths(arguments));
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const HandoverMessage& message = messages[i];
        const std::uint32_t flags = (message.continues ? kHandoverContinues : 0) |
                                    (i + 1 < messages.size() ? kHandoverMore : 0);
        const auto count = static_cast<std::uint32_t>(message.count);
        // A block that is no longer this user's own and whole is left alone.
        const bool inBlock = block != nullptr && block->WriteText(message.text);
        if (!sender.Send(WM_HANDOVER, count, flags, inBlock ? nullptr : &message.text)) {
            return false;
        }
    }
    return true;
}

SingleInstance::Role SingleInstance::Start(const QStringList& arguments) {
    lock_ = std::make_unique<InstanceLock>(InstanceNames::LockPath());
    if (lock_->HeldElsewhere()) {
        return Role::Blocked;
    }
    alive_ = std::make_unique<InstanceLock>(InstanceNames::AlivePath(), InstanceLock::Wait::No);
    if (alive_->Held()) {
        // Nobody runs: whatever an instance that died left is in the way.
        return StartFirst(true);
    }
    // The running instance's block, when one can be trusted; without one the
    // paths go on the socket alone.
    HandoverBlock running;
    HandoverBlock* block = running.Open(InstanceNames::BlockName()) ? &running : nullptr;
    if (alive_->Unavailable()) {
        // Without the lock file nothing tells whether the maker of a block
        // lives, so a block found is used but never removed.
        if (HandOver(block, InstanceNames::SocketPath(), arguments,
                     ActivationTokensFromEnvironment())) {
            return Role::HandedOver;
        }
        return StartFirst(false);
    }
    return HandOver(block, InstanceNames::SocketPath(), arguments,
                    ActivationTokensFromEnvironment())
               ? Role::HandedOver
               : Role::Unanswered;
}

SingleInstance::Role SingleInstance::StartFirst(bool removeLeftovers) {
    const QString name = InstanceNames::BlockName();
    if (removeLeftovers) {
        HandoverBlock::Remove(name);
        QFile::remove(InstanceNames::SocketPath());
    }
    block_.Create(name);
    return Role::First;
}

void SingleInstance::End() {
    block_.Close();
    alive_.reset();
    lock_.reset();
}

void SingleInstance::Publish(std::uint32_t appHandle, std::uint32_t mainHandle) {
    block_.WriteU32(HandoverBlock::kAppHandleOffset, appHandle);
    block_.WriteU32(HandoverBlock::kMainHandleOffset, mainHandle);
    if (lock_) {
        lock_->Release();
    }
}

}  // namespace lm
