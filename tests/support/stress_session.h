// SPDX-License-Identifier: MIT
#pragma once

// What the random add/remove/sort/pause sessions share: a seeded file set
// with digests computed here (Qt's MD4, MD5 and SHA-1 and a plain bytewise
// CRC-32, nothing of the program's hashing library), and a model of which
// list entries must survive the session, checked against the file table at
// the end.

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <random>

#include "file_data.h"

namespace lm::test {

inline constexpr qint64 kEd2kChunk = 9'728'000;

// A number from the environment, or `fallback` when unset or not a number.
inline std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const QByteArray text = qgetenv(name);
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    return ok ? value : fallback;
}

inline std::uint32_t ReferenceCrc32(const QByteArray& bytes, std::uint32_t crc = 0) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (char byte : bytes) {
        crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
    }
    return ~crc;
}

// One file of the set and what hashing it must give (upper-case hex).
struct StressFile {
    QString path;
    qint64 size = 0;
    QByteArray ed2k, ed2kSecond, crc32, md5, sha1;  // ed2kSecond empty: no second row

    QString Link(const QByteArray& hash) const {
        return QStringLiteral("ed2k://|file|") + path + u'|' + QString::number(size) + u'|' +
               QString::fromLatin1(hash) + QStringLiteral("|/");
    }
    QString PrimaryLink() const { return Link(ed2k); }
    QString SecondLink() const { return ed2kSecond.isEmpty() ? QString() : Link(ed2kSecond); }
};

// Reads the file back and computes its digests: the ed2k hash is the MD4 of
// the file below one chunk, else the MD4 of the chunks' MD4s; a size that is
// an exact multiple of the chunk (0 included) also gets the hash with one
// more, empty chunk.
inline bool ComputeReference(StressFile& file) {
    QFile in(file.path);
    if (!in.open(QIODevice::ReadOnly)) {
        return false;
    }
    QCryptographicHash md5(QCryptographicHash::Md5);
    QCryptographicHash sha1(QCryptographicHash::Sha1);
    QByteArray chunkDigests;
    std::uint32_t crc = 0;
    qint64 size = 0;
    for (;;) {
        const QByteArray chunk = in.read(kEd2kChunk);
        if (chunk.isEmpty()) {
            break;
        }
        size += chunk.size();
        md5.addData(chunk);
        sha1.addData(chunk);
        crc = ReferenceCrc32(chunk, crc);
        chunkDigests += QCryptographicHash::hash(chunk, QCryptographicHash::Md4);
    }
    const QByteArray emptyMd4 = QCryptographicHash::hash(QByteArray(), QCryptographicHash::Md4);
    const qsizetype digestCount = chunkDigests.size() / 16;
    QByteArray ed2k = digestCount == 0 ? emptyMd4
                      : digestCount == 1
                          ? chunkDigests
                          : QCryptographicHash::hash(chunkDigests, QCryptographicHash::Md4);
    file.size = size;
    file.ed2k = ed2k.toHex().toUpper();
    file.ed2kSecond.clear();
    if (size % kEd2kChunk == 0) {
        file.ed2kSecond = QCryptographicHash::hash(chunkDigests + emptyMd4, QCryptographicHash::Md4)
                              .toHex()
                              .toUpper();
    }
    file.crc32 = QByteArray::number(crc, 16).rightJustified(8, '0').toUpper();
    file.md5 = md5.result().toHex().toUpper();
    file.sha1 = sha1.result().toHex().toUpper();
    return true;
}

// `count` files (at least 8) in `dir`: one of exactly one chunk, one of
// exactly two, a few more of several chunks, the rest small, about one in
// eight of them empty. About 70 MB in all.
inline QList<StressFile> MakeStressFiles(const QString& dir, std::uint32_t seed, int count) {
    std::mt19937 random(seed);
    auto below = [&random](qint64 n) {
        return static_cast<qint64>(std::uniform_int_distribution<qint64>(0, n - 1)(random));
    };
    QList<qint64> sizes = {0,
                           kEd2kChunk,
                           2 * kEd2kChunk,
                           kEd2kChunk - 1 - below(1000),
                           kEd2kChunk + 1 + below(kEd2kChunk / 2),
                           2 * kEd2kChunk + 1 + below(kEd2kChunk / 4),
                           1 + below(16)};
    while (sizes.size() < count) {
        // Empty files are cheap second rows.
        const qint64 pick = below(8);
        sizes.append(pick == 0 ? below(2'000'000) : pick == 1 ? 0 : below(70'000));
    }
    std::shuffle(sizes.begin(), sizes.end(), random);

    QList<StressFile> files;
    if (!QDir().mkpath(dir)) {
        return files;
    }
    QByteArray block;
    std::uint32_t x = seed * 2654435761u + 12345u;
    for (int i = 0; i < sizes.size(); ++i) {
        StressFile file;
        file.path = QDir(dir).filePath(
            QStringLiteral("f%1 %2.bin")
                .arg(i, 3, 10, QChar(u'0'))
                .arg(sizes[i] % 2 == 0 ? QStringLiteral("even") : QStringLiteral("Odd")));
        QFile out(file.path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return {};
        }
        for (qint64 left = sizes[i]; left > 0;) {
            block.resize(std::min<qint64>(left, 1 << 20));
            for (char& byte : block) {
                x ^= x << 13;
                x ^= x >> 17;
                x ^= x << 5;
                byte = static_cast<char>(x >> 24);
            }
            out.write(block);
            left -= block.size();
        }
        out.close();
        if (!ComputeReference(file) || file.size != sizes[i]) {
            return {};
        }
        files.append(file);
    }
    return files;
}

// Which entries a session must end with. A file added n times is listed n
// times (adding never merges). Its first row is removed by a click on a row
// that shows its path (not hashed yet) or its link; once hashed, a file of an
// exact multiple of the chunk size has a second row right after, removed on
// its own. As the worker may hash an entry unseen just before it goes, the
// second rows are only known within bounds.
class StressModel {
public:
    explicit StressModel(const QList<StressFile>& files) {
        for (const StressFile& file : files) {
            files_.insert(file.path, file);
        }
    }

    void Added(const QString& path) {
        Counts& c = counts_[path];
        ++c.primaries;
        ++c.adds;
    }
    void Cleared() { counts_.clear(); }
    // A removed row, by the text it showed. False when no file shows it.
    bool RemovedRow(const QString& text) {
        for (const StressFile& file : std::as_const(files_)) {
            Counts& c = counts_[file.path];
            if (text == file.path || text == file.PrimaryLink()) {
                --c.primaries;
                if (text != file.path) {
                    ++c.hashedRemoved;
                }
                return true;
            }
            if (!file.ed2kSecond.isEmpty() && text == file.SecondLink()) {
                ++c.secondsRemoved;
                return true;
            }
        }
        return false;
    }
    int Listed(const QString& path) const { return counts_.value(path).primaries; }
    const QHash<QString, StressFile>& Files() const { return files_; }

    // The problems found in `entries`, the table after the last run ended:
    // every entry hashed with the right results, none lost or duplicated.
    QStringList Check(const QList<TFileData>& entries) const {
        QStringList problems;
        QHash<QString, int> primaries, seconds;
        for (int i = 0; i < entries.size(); ++i) {
            const TFileData& e = entries[i];
            const auto where = QStringLiteral("entry %1 (%2): ").arg(i).arg(e.FileName);
            const auto file = files_.constFind(e.FileName);
            if (file == files_.cend()) {
                problems << where + QStringLiteral("not a file of the set");
                continue;
            }
            if (e.State != fsHashed) {
                problems << where + QStringLiteral("state %1").arg(e.State);
                continue;
            }
            if (e.Link == file->PrimaryLink()) {
                ++primaries[e.FileName];
            } else if (!file->ed2kSecond.isEmpty() && e.Link == file->SecondLink()) {
                ++seconds[e.FileName];
            } else {
                problems << where + QStringLiteral("link ") + e.Link;
            }
            if (e.CRC32() != file->crc32 || e.MD5() != file->md5 || e.SHA1() != file->sha1) {
                problems << where + QStringLiteral("hashes %1 %2 %3")
                                        .arg(QString::fromLatin1(e.CRC32()),
                                             QString::fromLatin1(e.MD5()),
                                             QString::fromLatin1(e.SHA1()));
            }
            if (e.FileSize != file->size) {
                problems << where + QStringLiteral("size %1").arg(e.FileSize);
            }
        }
        for (const StressFile& file : std::as_const(files_)) {
            const Counts c = counts_.value(file.path);
            const int listed = primaries.value(file.path);
            if (listed != c.primaries) {
                problems << QStringLiteral("%1: listed %2 times, expected %3")
                                .arg(file.path)
                                .arg(listed)
                                .arg(c.primaries);
            }
            // Each hashed first row made one second row.
            const int made = seconds.value(file.path) + c.secondsRemoved;
            const int least = file.ed2kSecond.isEmpty() ? 0 : c.primaries + c.hashedRemoved;
            const int most = file.ed2kSecond.isEmpty() ? c.secondsRemoved : c.adds;
            if (made < least || made > most) {
                problems << QStringLiteral("%1: %2 second rows (%3 removed), expected %4 to %5")
                                .arg(file.path)
                                .arg(seconds.value(file.path))
                                .arg(c.secondsRemoved)
                                .arg(least - c.secondsRemoved)
                                .arg(most - c.secondsRemoved);
            }
        }
        return problems;
    }

private:
    struct Counts {
        int primaries = 0;       // first rows listed
        int adds = 0;            // since the last Remove All
        int hashedRemoved = 0;   // first rows removed while showing their link
        int secondsRemoved = 0;  // second rows removed
    };
    QHash<QString, StressFile> files_;
    QHash<QString, Counts> counts_;
};

}  // namespace lm::test
