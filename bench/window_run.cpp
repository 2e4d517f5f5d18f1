// SPDX-License-Identifier: MIT
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
// Output: one "name value" pair per line; the processor times count every
// thread of the window's process. Run it offscreen
// (QT_QPA_PLATFORM=offscreen) with LINKMINT_HOME set to a scratch folder.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>

#include "dir_listing.h"
#include "main_window.h"
#include "sel_dir_dialog.h"

namespace {

// Notes the event that took longest to handle, for LINKMINT_BENCH_EVENTS=1.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;
    qint64 longestNs = 0;
    QString longestWhat;
    int depth = 0;
    bool measuring = false;  // only while hashing

    bool notify(QObject* receiver, QEvent* event) override {
        if (depth++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --depth;
            return handled;
        }
        // Named before it is handled: the receiver may be gone after.
        const char* className = measuring ? receiver->metaObject()->className() : "";
        const QString name = measuring ? receiver->objectName() : QString();
        const int type = event->type();
        QElapsedTimer clock;
        clock.start();
        const bool handled = QApplication::notify(receiver, event);
        const qint64 ns = clock.nsecsElapsed();
        if (measuring && ns > 50'000'000 && qEnvironmentVariableIsSet("LINKMINT_BENCH_EVENTS")) {
            std::fprintf(stderr, "event %d to %s %s took %.1f ms\n", type, className,
                         qPrintable(name), static_cast<double>(ns) / 1e6);
        }
        if (measuring && ns > longestNs) {
            longestNs = ns;
            longestWhat =
                QStringLiteral("%1 to %2 %3").arg(type).arg(QLatin1StringView(className)).arg(name);
        }
        --depth;
        return handled;
    }
};

double Seconds(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

// Processor time of the whole process so far, every thread's, user and system.
double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Processor time of the calling thread so far.
double ThreadProcessorSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

void WriteIni(const QString& home, const char* completion) {
    QFile ini(home + QStringLiteral("/Linkmint.ini"));
    if (ini.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ini.write(QByteArray("[Options]\r\nOnCompletion=") + completion + "\r\n");
    }
}

// Runs the event loop, as the program's own does, until `done` holds. The
// loop sleeps between events; it must not spin, or it takes a processor
// from the worker.
template <class F>
void Until(F done) {
    if (done()) {
        return;
    }
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (done()) {
            loop.quit();
        }
    });
    check.start(5);
    loop.exec();
}

// The window with the moment its completion action starts noted: every
// file hashed and reported, the links about to go to the clipboard.
class BenchWindow : public lm::TeD2KfrmMain {
public:
    using lm::TeD2KfrmMain::TeD2KfrmMain;
    std::function<void()> completionStarts;
    double copyMs = -1;

    void CopyAllLinks() override {
        if (completionStarts) {
            completionStarts();
        }
        QElapsedTimer copy;
        copy.start();
        lm::TeD2KfrmMain::CopyAllLinks();
        copyMs = static_cast<double>(copy.nsecsElapsed()) / 1e6;
    }
};

int Hash(const QString& folder, const QString& home) {
    WriteIni(home, "CopyToClip&Exit");
    QElapsedTimer clock;
    clock.start();
    BenchWindow window({folder}, home + u'/');
    // The longest gap between two ticks of a 10 ms timer from the start of
    // hashing to the completion action: the worker may be done long before
    // the window has shown everything it reported. Copying every link at
    // the end is timed on its own.
    QElapsedTimer sinceTick;
    sinceTick.start();
    qint64 longestMs = 0;
    bool hashing = false;
    bool completing = false;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    double startedAt = -1;
    double cpuAtStart = -1;
    double guiAtStart = -1;
    double guiAtWorkerDone = -1;
    double workerDoneAt = -1;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 gap = sinceTick.restart();
        if (hashing && !completing) {
            longestMs = std::max(longestMs, gap);
        }
        const bool active = window.worker().WorkerActive;
        if (active && startedAt < 0) {
            startedAt = Seconds(clock);
            cpuAtStart = ProcessorSeconds();
            guiAtStart = ThreadProcessorSeconds();
        }
        if (hashing && !active && workerDoneAt < 0) {
            workerDoneAt = Seconds(clock);
            guiAtWorkerDone = ThreadProcessorSeconds();
        }
        hashing = hashing || active;
        static_cast<TimedApplication*>(QCoreApplication::instance())->measuring =
            hashing && !completing;
    });
    window.completionStarts = [&] {
        if (hashing && !completing) {
            longestMs = std::max(longestMs, sinceTick.elapsed());
        }
        completing = true;
        static_cast<TimedApplication*>(QCoreApplication::instance())->measuring = false;
    };
    ticks.start(10);
    bool closed = false;
    QObject::connect(&window, &lm::TeD2KfrmMain::closeCompleted, [&] { closed = true; });
    window.show();
    Until([&] { return closed; });
    std::printf("window_seconds %.3f\n", Seconds(clock));
    std::printf("longest_stall_ms %lld\n", static_cast<long long>(longestMs));
    std::printf("hashing_started_seconds %.3f\n", startedAt);
    std::printf("cpu_before_hashing_seconds %.3f\n", cpuAtStart);
    std::printf("cpu_seconds %.3f\n", ProcessorSeconds());
    // The GUI thread's own share: before hashing starts, until the worker
    // is done, and in all.
    std::printf("gui_cpu_before_hashing_seconds %.3f\n", guiAtStart);
    std::printf("gui_cpu_to_worker_done_seconds %.3f\n", guiAtWorkerDone);
    std::printf("gui_cpu_seconds %.3f\n", ThreadProcessorSeconds());
    std::printf("worker_done_seconds %.3f\n", workerDoneAt);
    std::printf("copy_all_ms %.1f\n", window.copyMs);
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
    TimedApplication app(argc, argv);
    const QString folder = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    const QString home = qEnvironmentVariable("LINKMINT_HOME");
    if (home.isEmpty()) {
        std::fprintf(stderr, "window_run: set LINKMINT_HOME to a scratch folder\n");
        return 2;
    }
    const int status =
        std::strcmp(argv[1], "hash") == 0 ? Hash(folder, home) : Operations(folder, home);
    if (qEnvironmentVariableIsSet("LINKMINT_BENCH_EVENTS")) {
        std::printf("longest_event_ms %.1f (%s)\n", static_cast<double>(app.longestNs) / 1e6,
                    qPrintable(app.longestWhat));
    }
    return status;
}
