#include "core_test_support.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <array>
#include <stdexcept>

namespace lm::test {

namespace {

constexpr std::int64_t kChunk = 9'728'000;

std::uint32_t Crc32(const QByteArray& data) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int bit = 0; bit < 8; ++bit) {
                c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char byte : data) {
        crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFFu] ^ (crc >> 8);
    }
    return ~crc;
}

}  // namespace

QStringList RecordingHost::Calls(const QString& prefix) const {
    QStringList out;
    for (const QString& call : calls) {
        if (call.startsWith(prefix)) {
            out << call.mid(prefix.size());
        }
    }
    return out;
}

void RecordingDebug::WriteDebugLog(const QString& message) {
    std::function<void()> action;
    bool hit = false;
    bool block = false;
    {
        std::lock_guard lock(mutex_);
        messages_ << message;
        if (message == hookMessage_ && ++seen_ == hookOccurrence_) {
            hit = true;
            action = std::move(action_);
            block = block_;
        }
    }
    if (!hit) {
        return;
    }
    action();
    std::unique_lock lock(mutex_);
    reached_ = true;
    if (block) {
        released_.wait(lock, [this] { return release_; });
    }
}

QStringList RecordingDebug::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

void RecordingDebug::HookAt(const QString& message, int occurrence, std::function<void()> action,
                            bool block) {
    std::lock_guard lock(mutex_);
    hookMessage_ = message;
    hookOccurrence_ = occurrence;
    seen_ = 0;
    action_ = action ? std::move(action) : [] {};
    block_ = block;
    reached_ = false;
    release_ = false;
}

bool RecordingDebug::Reached() const {
    std::lock_guard lock(mutex_);
    return reached_;
}

void RecordingDebug::Release() {
    std::lock_guard lock(mutex_);
    release_ = true;
    released_.notify_all();
}

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

void ProcessPending() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void WriteFile(const QString& path, std::int64_t size, std::uint32_t seed) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw std::runtime_error("cannot write the test file");
    }
    QByteArray block(1 << 20, Qt::Uninitialized);
    std::uint32_t x = seed * 2654435761u + 1;
    std::int64_t left = size;
    while (left > 0) {
        const qsizetype n = static_cast<qsizetype>(std::min<std::int64_t>(left, block.size()));
        char* out = block.data();
        for (qsizetype i = 0; i < n; ++i) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            out[i] = static_cast<char>(x >> 24);
        }
        file.write(block.constData(), n);
        left -= n;
    }
}

Reference ReferenceFor(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read the test file");
    }
    const QByteArray data = file.readAll();
    Reference ref;
    ref.size = data.size();
    QByteArray digests;
    for (qsizetype at = 0; at < data.size(); at += kChunk) {
        digests += QCryptographicHash::hash(data.mid(at, kChunk), QCryptographicHash::Md4);
    }
    const QByteArray emptyMd4 = QCryptographicHash::hash({}, QCryptographicHash::Md4);
    if (data.isEmpty()) {
        ref.ed2k = emptyMd4.toHex().toUpper();
    } else if (data.size() <= kChunk) {
        ref.ed2k = digests.toHex().toUpper();
    } else {
        ref.ed2k = QCryptographicHash::hash(digests, QCryptographicHash::Md4).toHex().toUpper();
    }
    if (data.size() % kChunk == 0) {
        ref.ed2kSecond =
            QCryptographicHash::hash(digests + emptyMd4, QCryptographicHash::Md4).toHex().toUpper();
    }
    ref.crc32 = QByteArray::number(Crc32(data), 16).rightJustified(8, '0').toUpper();
    ref.md5 = QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex().toUpper();
    ref.sha1 = QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex().toUpper();
    return ref;
}

QString LinkFor(const QString& path, std::int64_t size, const QByteArray& hash) {
    return QStringLiteral("ed2k://|file|%1|%2|%3|/")
        .arg(path)
        .arg(size)
        .arg(QString::fromLatin1(hash));
}

}  // namespace lm::test
