// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <thread>

#include "debug_log.h"

namespace lm {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

TEST(DebugLog, OffUntilTheSwitchAndTheSwitchStartsAfresh) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DebugLog log(dir.path());
    EXPECT_EQ(log.FilePath(), dir.path() + "/LinkmintDebug.log");

    WriteFile(log.FilePath(), "old run\r\n");
    EXPECT_FALSE(log.Enabled());
    log.WriteDebugLog("Entering AddFiles thread.");
    EXPECT_EQ(ReadAll(log.FilePath()), "old run\r\n");

    log.Enable();
    EXPECT_TRUE(log.Enabled());
    EXPECT_FALSE(QFile::exists(log.FilePath()));  // created again by the first message
    log.WriteDebugLog("CloseQuery start.");
    log.WriteDebugLog("");
    log.WriteDebugLog(QString::fromUtf8("Opening /films/\u0416\u0443\u043A \u00E9\u20AC.mkv"));
    log.WriteDebugLog("two\r\nlines\n");
    log.Enable();  // a second switch in the same run keeps the log
    log.WriteDebugLog("Close complete.");
    EXPECT_EQ(ReadAll(log.FilePath()),
              "CloseQuery start.\r\nOpening /films/??? \xE9\x80.mkv\r\ntwo  lines \r\n"
              "Close complete.\r\n");

    EXPECT_TRUE(DebugLog::IsDebugSwitch("/DeBuG"));
    EXPECT_FALSE(DebugLog::IsDebugSwitch("-debug"));
    EXPECT_FALSE(DebugLog::IsDebugSwitch("/debug2"));
}

TEST(DebugLog, TwoThreadsLoseNoMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DebugLog log(dir.path() + "/");
    log.Enable();
    DebugSink& sink = log;
    constexpr int kEach = 300;
    auto writer = [&](char tag) {
        for (int i = 0; i < kEach; ++i) {
            sink.WriteDebugLog(QStringLiteral("%1 message %2").arg(tag).arg(i));
        }
    };
    std::thread a(writer, 'A');
    std::thread b(writer, 'B');
    a.join();
    b.join();

    const QList<QByteArray> lines = ReadAll(log.FilePath()).split('\n');
    ASSERT_EQ(lines.size(), 2 * kEach + 1);
    EXPECT_TRUE(lines.last().isEmpty());
    int a_next = 0;
    int b_next = 0;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        ASSERT_TRUE(line.endsWith('\r')) << i;
        int& next = line.startsWith('A') ? a_next : b_next;
        EXPECT_EQ(line, QByteArray(1, line[0]) + " message " + QByteArray::number(next) + "\r");
        ++next;
    }
    EXPECT_EQ(a_next, kEach);
    EXPECT_EQ(b_next, kEach);
}

}  // namespace
}  // namespace lm
