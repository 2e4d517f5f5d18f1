// SPDX-License-Identifier: MIT
// The window's check dialog on the lists named on the command line,
// offscreen: prints how long the check took, its summary and the process's
// peak memory, for bench/check_scale.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QStringList>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

#include "check_files_dialog.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList lists = QApplication::arguments().mid(1);
    if (lists.isEmpty()) {
        std::fprintf(stderr, "usage: check_dialog_run LIST...\n");
        return 2;
    }
    lm::TfrmCheckFiles dialog;
    QElapsedTimer timer;
    bool completed = false;
    QObject::connect(&dialog, &lm::TfrmCheckFiles::checkFinished, &app, [&](bool done) {
        completed = done;
        app.quit();
    });
    QTimer::singleShot(0, &dialog, [&] {
        timer.start();
        dialog.CheckLists(lists);
    });
    app.exec();
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("seconds %.2f\n", static_cast<double>(timer.elapsed()) / 1000.0);
    std::printf("rows %d\n", dialog.RowCount());
    std::printf("summary %s\n", qPrintable(dialog.SummaryLbl->text()));
    std::printf("peak_kib %ld\n", usage.ru_maxrss);
    return completed ? 0 : 1;
}
