// SPDX-License-Identifier: MIT
// The linkmint program: the first start of a session runs the window, any
// later one hands its paths to it and ends.

#include <QApplication>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <unistd.h>

#include "command_line.h"
#include "display_choice.h"
#include "handover_server.h"
#include "instance_lock.h"
#include "instance_names.h"
#include "linkmint_build_info.h"
#include "main_window.h"
#include "path_names.h"
#include "program_dir.h"
#include "signal_close.h"
#include "single_instance.h"
#include "ui_language.h"
#include "version_request.h"

int main(int argc, char** argv) {
    if (const auto status = lm::AnswerVersionRequest(argc, argv)) {
        return *status;
    }
    if (const auto status = lm::AnswerHelpRequest(argc, argv)) {
        return *status;
    }
    // Every argument after the program's name is a path or "/debug", so Qt
    // gets none of them: a file named "-reverse" is a file. Qt's own options
    // come from the environment (QT_QPA_PLATFORM, QT_SCALE_FACTOR, ...).
    const QStringList arguments = lm::ProgramArguments(argc, argv);

    lm::SingleInstance instance;
    // A later start needs no display: it only talks to the running one.
    switch (instance.Start(arguments)) {
        case lm::SingleInstance::Role::First:
            break;
        case lm::SingleInstance::Role::HandedOver:
            return 0;
        case lm::SingleInstance::Role::Unanswered:
            std::fputs(
                "linkmint: Linkmint is running but did not take the files; nothing was "
                "handed over.\n",
                stderr);
            return 1;
        case lm::SingleInstance::Role::Blocked:
            std::fprintf(stderr,
                         "linkmint: another start of Linkmint has held the start lock \"%s\" "
                         "for %d seconds and seems to hang; nothing was done.\n",
                         lm::PathToBytes(lm::InstanceNames::LockPath()).constData(),
                         lm::InstanceLock::kDefaultWaitMs / 1000);
            return 1;
    }

    const lm::DisplayChoice display = lm::ChooseDisplay();
    if (display.none) {
        std::fputs(lm::NoDisplayMessage().constData(), stderr);
        return 1;
    }
    // Qt's own options, never the user's: the platform where Qt would not
    // find it, and on X11 the window's class instance name, the desktop file
    // name, as the desktop entries' StartupWMClass says.
    char nameOption[] = "-name";
    char appId[] = LM_APP_ID;
    char platformOption[] = "-platform";
    QByteArray platform = display.platform;
    std::vector<char*> qtArgv = {argv[0], nameOption, appId};
    if (!platform.isEmpty()) {
        qtArgv.insert(qtArgv.end(), {platformOption, platform.data()});
    }
    int qtArgc = static_cast<int>(qtArgv.size());
    qtArgv.push_back(nullptr);
    std::unique_ptr<lm::DisplayStartGuard> guard = std::make_unique<lm::DisplayStartGuard>();
    QApplication app(qtArgc, qtArgv.data());
    guard.reset();
    QApplication::setApplicationName(QStringLiteral("Linkmint"));
    // The Wayland app id, by which the desktop ties the window to its entry
    // and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(LM_APP_ID));
    // The user's language, or English where there is no translation.
    lm::InstallTranslations();

    lm::TeD2KfrmMain window(arguments, lm::ProgramDirectory(), instance.Block());
    // A window hidden in the notification area is not the "last window" Qt
    // waits for, so the end of the close sequence ends the program.
    QObject::connect(&window, &lm::TeD2KfrmMain::closeCompleted, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // Without a block (another user took its name) later starts send their
    // paths on the socket alone.
    auto server = std::make_unique<lm::HandoverServer>(
        [&window](const lm::HandoverPacket& packet) { return window.HandoverArrived(packet); },
        [&window](std::uint64_t connection) { window.HandoverEnded(connection); });
    server->Listen(lm::InstanceNames::SocketPath());
    lm::SignalCloser closer([&window] { window.close(); });

    window.show();
    const auto handle = static_cast<std::uint32_t>(window.winId());
    instance.Publish(static_cast<std::uint32_t>(::getpid()), std::max<std::uint32_t>(handle, 1));
    const int status = app.exec();
    if (window.WorkerStalled()) {
        // A worker stuck in a read can be neither stopped nor joined, and
        // the window's end would wait for it for good. Everything is saved:
        // the runtime files are given up and the process ends here.
        server.reset();
        instance.End();
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
