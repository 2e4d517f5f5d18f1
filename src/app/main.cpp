// The linkmint program: the first start of a user runs the window, any
// later one hands its paths to it and ends.

#include <QApplication>

#include <algorithm>
#include <cstdint>
#include <memory>

#include <unistd.h>

#include "command_line.h"
#include "handover_server.h"
#include "instance_names.h"
#include "main_window.h"
#include "program_dir.h"
#include "signal_close.h"
#include "single_instance.h"
#include "version_request.h"

int main(int argc, char** argv) {
    if (const auto status = lm::AnswerVersionRequest(argc, argv)) {
        return *status;
    }
    lm::SingleInstance instance;
    // A later start needs no display: it only talks to the running one.
    if (instance.Start(lm::ProgramArguments(argc, argv)) == lm::SingleInstance::Role::HandedOver) {
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Linkmint"));
    // What is left once Qt has taken its own options.
    const QStringList arguments = lm::ProgramArguments(argc, argv);

    lm::TeD2KfrmMain window(arguments, lm::ProgramDirectory(), instance.Block());
    std::unique_ptr<lm::HandoverServer> server;
    if (instance.Block() != nullptr) {
        server = std::make_unique<lm::HandoverServer>(
            [&window](std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam) {
                window.HandoverMessage(message, wParam, lParam);
            });
        server->Listen(lm::InstanceNames::SocketPath());
    }
    lm::SignalCloser closer([&window] { window.close(); });

    window.show();
    const auto handle = static_cast<std::uint32_t>(window.winId());
    instance.Publish(static_cast<std::uint32_t>(::getpid()), std::max<std::uint32_t>(handle, 1));
    return app.exec();
}
