// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <stdexcept>

#include "core_test_support.h"
#include "file_hash_pass.h"
#include "hash_text.h"

namespace lm::test {

bool ProcessUntil(const std::function<bool()>& done) {
    const QDeadlineTimer limit(120'000);
    while (!done()) {
        if (limit.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

void WriteFile(const QString& path, std::int64_t size, std::uint32_t seed) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw std::runtime_error("cannot write a test file");
    }
    QByteArray block(1 << 20, Qt::Uninitialized);
    std::uint32_t x = seed * 2654435761u + 1;
    for (std::int64_t left = size; left > 0; left -= block.size()) {
        for (char& byte : block) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            byte = static_cast<char>(x >> 24);
        }
        file.write(block.constData(), std::min<std::int64_t>(left, block.size()));
    }
}

// A separate pass of the hashing library, which has its own tests against
// the standards' vectors.
Reference ReferenceFor(const QString& path) {
    ChunkBuffer buffer;
    FileDigests d;
    if (HashFile(QFile::encodeName(path).toStdString(), buffer, {}, d) != PassOutcome::Hashed) {
        throw std::runtime_error("cannot read a test file");
    }
    auto hex = [](const auto& digest) { return QByteArray::fromStdString(HexText(digest)); };
    return {hex(d.ed2k),
            d.hasSecondEd2k ? hex(d.ed2kSecond) : QByteArray(),
            QByteArray::fromStdString(CrcText(d.crc32)),
            hex(d.md5),
            hex(d.sha1),
            static_cast<std::int64_t>(d.size)};
}

QString LinkFor(const QString& name, std::int64_t size, const QByteArray& hash) {
    return QString("ed2k://|file|%1|%2|%3|/").arg(name).arg(size).arg(QString::fromLatin1(hash));
}

}  // namespace lm::test

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
