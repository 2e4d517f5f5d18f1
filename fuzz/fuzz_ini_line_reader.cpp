// SPDX-License-Identifier: MIT
// IniLineReader over arbitrary bytes, compared line by line with a plain
// reading of the same bytes. The device hands the bytes out in short reads of
// varying size, so that UTF-16 code units and CR LF pairs straddle reads.
//
// Input: byte 0 picks the read size and, when it is 0xFF, repeats
// the rest of the input until it is longer than the line cap, so that the
// line gets cut.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ansi_codepage.h"
#include "ini_line_reader.h"

namespace {

using lm::IniLineReader;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "line reader: %s\n", what);
    std::abort();
}

// A read-only device that never gives more than `step` bytes per read.
class ChoppyDevice : public QIODevice {
public:
    ChoppyDevice(const QByteArray& data, qint64 step) : data_(data), step_(step) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* out, qint64 max) override {
        const qint64 n = std::min({max, step_, static_cast<qint64>(data_.size()) - pos_});
        std::copy_n(data_.constData() + pos_, n, out);
        pos_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray data_;
    qint64 step_;
    qint64 pos_ = 0;
};

// The lines as the file format describes them.
QStringList ExpectedLines(const QByteArray& data) {
    QStringList lines;
    const bool utf16 = data.size() >= 2 && static_cast<unsigned char>(data[0]) == 0xFF &&
                       static_cast<unsigned char>(data[1]) == 0xFE;
    const qsizetype width = utf16 ? 2 : 1;
    const qsizetype begin = utf16 ? 2 : 0;
    const qsizetype units = (data.size() - begin) / width;
    const auto unitAt = [&](qsizetype i) {
        const qsizetype at = begin + i * width;
        return utf16 ? static_cast<char16_t>(static_cast<unsigned char>(data[at]) |
                                             static_cast<unsigned char>(data[at + 1]) << 8)
                     : static_cast<char16_t>(static_cast<unsigned char>(data[at]));
    };
    const auto make = [&](qsizetype first, qsizetype end) {
        end = std::min(end, first + IniLineReader::kMaxLineLength);
        const QByteArray bytes = data.mid(begin + first * width, (end - first) * width);
        if (!utf16) {
            return lm::FromAnsi(bytes);
        }
        QString line(bytes.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < line.size(); ++i) {
            line[i] =
                QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                            static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
        }
        return line;
    };
    // A line of a file with LF ends: its CRs dropped, then capped.
    const auto withoutCrs = [&](qsizetype first, qsizetype end) {
        QString line;
        QByteArray bytes;
        for (qsizetype i = first;
             i < end && line.size() + bytes.size() < IniLineReader::kMaxLineLength; ++i) {
            if (unitAt(i) == u'\r') {
                continue;
            }
            if (utf16) {
                line.append(QChar(unitAt(i)));
            } else {
                bytes.append(static_cast<char>(unitAt(i)));
            }
        }
        return utf16 ? line : lm::FromAnsi(bytes);
    };
    // The first CR or LF decides how every line ends: at each CR, the
    // character after it skipped (as written on Windows), or at each LF (as
    // edited on Linux).
    bool lfEnds = false;
    for (qsizetype i = 0; i < units; ++i) {
        if (unitAt(i) == u'\r' || unitAt(i) == u'\n') {
            lfEnds = unitAt(i) == u'\n';
            break;
        }
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i < units; ++i) {
        if (!lfEnds && unitAt(i) == u'\r') {
            lines.append(make(start, i));
            ++i;  // the character after the CR is not looked at
            start = i + 1;
        } else if (lfEnds && unitAt(i) == u'\n') {
            lines.append(withoutCrs(start, i));
            start = i + 1;
        }
    }
    if (start < units) {
        lines.append(lfEnds ? withoutCrs(start, units) : make(start, units));
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const unsigned char control = data[0];
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const bool huge = control == 0xFF && !bytes.isEmpty();
    if (huge) {
        // Past the cap in either encoding, by a few characters: the input
        // without its CRs and LFs over and over, then once more as it is, so
        // that the capped line ends where the input has its first CR or LF.
        const qsizetype width = bytes.startsWith("\xFF\xFE") ? 2 : 1;
        const qsizetype target = width * (IniLineReader::kMaxLineLength + 3);
        QByteArray unit = bytes;
        unit.replace('\r', '\x0e');
        unit.replace('\n', '\x0f');
        const QByteArray tail = bytes;
        bytes = unit.repeated(target / unit.size() + 1) + tail;
    }
    // Short reads for short inputs; a huge one in reads of some kilobytes.
    const qint64 step = (huge ? 4093 : 1) + (control & 0x1F) * 997;

    ChoppyDevice device(bytes, step);
    IniLineReader reader(device);
    QStringList lines;
    QString line;
    while (reader.ReadLine(line)) {
        if (line.size() > IniLineReader::kMaxLineLength) {
            Fail("a line longer than the cap");
        }
        lines.append(line);
        if (lines.size() > bytes.size() + 1) {
            Fail("more lines than bytes");
        }
    }
    if (!line.isEmpty()) {
        Fail("the end of the file gives a line");
    }
    if (reader.ReadLine(line) || !line.isEmpty()) {
        Fail("a line after the end of the file");
    }
    if (lines != ExpectedLines(bytes)) {
        Fail("lines differ from the plain reading");
    }
    return 0;
}
