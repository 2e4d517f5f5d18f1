// Runs the real main window on one folder, as `linkmint FOLDER` would with
// OnCompletion=CopyToClip&Exit, and reports what bench/window_scale needs:
//
//   window_run hash FOLDER   the time from the window's start to the end of
//                            its close sequence, and the longest gap of a
//                            10 ms timer while it was hashing
//   window_run ops FOLDER    with the folder's files hashed: Count Files in
//                            Select Directory against the plain listing,
//                            Sort, and Remove All
//
// Output: one "name value" pair per line. Run it offscreen
// (QT_QPA_PLATFORM=offscreen) with LINKMINT_HOME set to a scratch folder.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "dir_listing.h"
#include "main_window.h"
#include "sel_dir_dialog.h"

namespace {

double Seconds(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

void WriteIni(const QString& home, const char* completion) {
    QFile ini(home + QStringLiteral("/Linkmint.ini"));
    if (ini.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ini.write(QByteArray("[Options]\r\nOnCompletion=") + completion + "\r\n");
    }
}

// Waits, processing events, until `done` holds.
template <class F>
void Until(F done) {
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
}

int Hash(const QString& folder, const QString& home) {
    WriteIni(home, "CopyToClip&Exit");
    QElapsedTimer clock;
    clock.start();
    lm::TeD2KfrmMain window({folder}, home + u'/');
    // The longest gap between two ticks of a 10 ms timer while a worker runs.
    QElapsedTimer sinceTick;
    sinceTick.start();
    qint64 longestMs = 0;
    bool hashing = false;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 gap = sinceTick.restart();
        const bool active = window.worker().WorkerActive;
        if (hashing && active) {
            longestMs = std::max(longestMs, gap);
        }
        hashing = active;
    });
    ticks.start(10);
    bool closed = false;
    QObject::connect(&window, &lm::TeD2KfrmMain::closeCompleted, [&] { closed = true; });
    window.show();
    Until([&] { return closed; });
    std::printf("window_seconds %.3f\n", Seconds(clock));
    std::printf("longest_stall_ms %lld\n", static_cast<long long>(longestMs));
    std::printf("files %d\n", window.fileTable().FileCount());
    return 0;
}

int Operations(const QString& folder, const QString& home) {
    WriteIni(home, "GoIdle");
    lm::TeD2KfrmMain window({folder}, home + u'/');
    window.messageBoxHook = [](const QString&) {};
    window.show();
    Until([&] {
        return window.StartupPhase() == 0 && !window.worker().WorkerActive &&
               window.fileTable().FilesRemaining() == 0;
    });
    QElapsedTimer clock;

    clock.start();
    QStringList plain;
    lm::ListDirFiles(folder, QStringLiteral("*"), plain, true, false);
    std::printf("listing_seconds %.3f\n", Seconds(clock));

    lm::TfrmSelDir* dialog = window.selDirDialog();
    dialog->SelectDirectory(folder);
    dialog->RecurseDirs->setChecked(true);
    dialog->show();
    clock.restart();
    dialog->CountFilesClick(dialog->CountFiles);
    std::printf("count_files_seconds %.3f\n", Seconds(clock));
    dialog->hide();

    clock.restart();
    window.mnuSortListClick();
    std::printf("sort_seconds %.3f\n", Seconds(clock));

    clock.restart();
    window.mnuRmvAllClick();
    Until([&] { return !window.worker().WorkerActive; });
    std::printf("remove_all_seconds %.3f\n", Seconds(clock));
    std::printf("rows %d\n", window.fileTable().FileCount());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "hash") != 0 && std::strcmp(argv[1], "ops") != 0)) {
        std::fprintf(stderr, "usage: window_run hash|ops FOLDER\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QString folder = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    const QString home = qEnvironmentVariable("LINKMINT_HOME");
    if (home.isEmpty()) {
        std::fprintf(stderr, "window_run: set LINKMINT_HOME to a scratch folder\n");
        return 2;
    }
    return std::strcmp(argv[1], "hash") == 0 ? Hash(folder, home) : Operations(folder, home);
}
