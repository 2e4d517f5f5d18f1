// SPDX-License-Identifier: MIT
#include "single_instance.h"

#include <QFile>

#include <utility>

#include "absolute_path.h"
#include "command_line.h"
#include "handover_sender.h"
#include "instance_names.h"

namespace lm {

bool SingleInstance::HandOver(HandoverBlock& block, const QString& socketPath,
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
        if (!block.WriteText(token.toStdU16String() + u'\0' + u'\0') ||
            !sender.Send(WM_ACTIVATIONTOKEN, kind, 0)) {
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
    for (const HandoverMessage& message : BuildHandoverMessages(AbsolutePaths(arguments))) {
        if (!block.WriteText(message.text) ||
            !sender.Send(WM_HANDOVER, static_cast<std::uint32_t>(message.count),
                         message.continues ? kHandoverContinues : 0)) {
            return false;
        }
    }
    return true;
}

SingleInstance::Role SingleInstance::Start(const QStringList& arguments) {
    lock_ = std::make_unique<InstanceLock>(InstanceNames::LockPath());
    alive_ = std::make_unique<InstanceLock>(InstanceNames::AlivePath(), InstanceLock::Wait::No);
    if (alive_->Held()) {
        // Nobody runs: whatever an instance that died left is in the way.
        return StartFirst(true);
    }
    if (alive_->Unavailable()) {
        // Without the lock file nothing tells whether the maker of a block
        // lives, so a block found is used but never removed.
        HandoverBlock running;
        if (running.Open(InstanceNames::BlockName()) &&
            HandOver(running, InstanceNames::SocketPath(), arguments,
                     ActivationTokensFromEnvironment())) {
            return Role::HandedOver;
        }
        return StartFirst(false);
    }
    HandoverBlock running;
    if (!running.Open(InstanceNames::BlockName())) {
        // The running instance has no block (it could not make one), so it
        // cannot receive: this start runs a window of its own.
        return StartFirst(false);
    }
    return HandOver(running, InstanceNames::SocketPath(), arguments,
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

void SingleInstance::Publish(std::uint32_t appHandle, std::uint32_t mainHandle) {
    block_.WriteU32(HandoverBlock::kAppHandleOffset, appHandle);
    block_.WriteU32(HandoverBlock::kMainHandleOffset, mainHandle);
    if (lock_) {
        lock_->Release();
    }
}

}  // namespace lm
