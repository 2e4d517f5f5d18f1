// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace lm {

// Reads Linkmint.ini line by line. The first two bytes FF FE make it UTF-16
// little-endian, anything else is Windows-1252 text. A line runs up to the
// next CR; the character after the CR is skipped unseen (it is taken to be
// the LF). Characters after the last CR form a last line. An odd byte at the
// end of a UTF-16 file is ignored.
//
// A file edited on Linux may end its lines in LF alone. The first line end
// decides: when it is an LF with no CR before it, every line runs up to the
// next LF instead (a CR just before the LF is dropped); when it is a CR, an
// LF inside a line is part of the line (a kept path may hold one).
class IniLineReader {
public:
    // Lines longer than this keep only their first kMaxLineLength characters;
    // the rest is read and dropped, so a file without line ends cannot
    // exhaust memory.
    static constexpr qsizetype kMaxLineLength = 1 << 20;

    // Reads at most `maxBytes` of the device (all of it when negative).
    explicit IniLineReader(QIODevice& device, qint64 maxBytes = -1)
        : device_(device), budget_(maxBytes) {}

    // Returns false at the end of the file with nothing pending; `line` is
    // then empty. An empty line of the file gives true and an empty `line`.
    bool ReadLine(QString& line);

    bool Utf16() const { return utf16_; }

private:
    bool FillBuffer();
    // The next character (a byte, or a code unit in UTF-16 mode); false at
    // the end of the file.
    bool Next(char16_t& ch, unsigned char& byte);

    QIODevice& device_;
    qint64 budget_;  // bytes still to be read; negative: no bound
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool started_ = false;
    bool utf16_ = false;
    bool eof_ = false;
    bool crEnds_ = false;  // a CR has ended a line: LFs are text
    bool lfEnds_ = false;  // a bare LF has ended the first line
};

}  // namespace lm
