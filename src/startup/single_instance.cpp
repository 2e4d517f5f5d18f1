#include "single_instance.h"

#include <QFile>

#include "command_line.h"
#include "handover_sender.h"
#include "instance_names.h"

namespace lm {

bool SingleInstance::HandOver(HandoverBlock& block, const QString& socketPath,
                              const QStringList& arguments) {
    HandoverSender sender;
    if (!sender.Connect(socketPath)) {
        return false;
    }
    // The running window comes forward whether or not there are paths; it
    // decides itself whether it is minimized, shown or in the tray.
    if (!sender.Send(WM_TRAYCALLBACK, kTrayIconId, kTrayLeftButtonUp)) {
        return false;
    }
    if (arguments.isEmpty()) {
        return true;
    }
    for (const HandoverMessage& message : BuildHandoverMessages(arguments)) {
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
    const QString name = InstanceNames::BlockName();
    {
        HandoverBlock running;
        if (running.Open(name)) {
            if (HandOver(running, InstanceNames::SocketPath(), arguments)) {
                return Role::HandedOver;
            }
            // Nobody answers: the block was left by an instance that died.
            HandoverBlock::Remove(name);
        }
    }
    if (!block_.Create(name)) {
        // Something in the way that is not a live instance's block.
        HandoverBlock::Remove(name);
        block_.Create(name);
    }
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
