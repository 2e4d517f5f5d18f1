// SPDX-License-Identifier: MIT
#include "ini_line_reader.h"

#include <algorithm>

#include "ansi_codepage.h"

namespace lm {

namespace {
constexpr qint64 kChunk = 64 * 1024;
}

bool IniLineReader::FillBuffer() {
    if (eof_) {
        return false;
    }
    // Keep an unfinished UTF-16 code unit for the next chunk.
    buffer_ = buffer_.mid(pos_);
    pos_ = 0;
    const QByteArray more = device_.read(budget_ < 0 ? kChunk : std::min(kChunk, budget_));
    if (more.isEmpty()) {
        eof_ = true;
        return false;
    }
    if (budget_ >= 0) {
        budget_ -= more.size();
    }
    buffer_.append(more);
    return true;
}

bool IniLineReader::Next(char16_t& ch, unsigned char& byte) {
    if (!started_) {
        started_ = true;
        while (buffer_.size() - pos_ < 2 && FillBuffer()) {
        }
        if (buffer_.size() - pos_ >= 2 && static_cast<unsigned char>(buffer_[pos_]) == 0xFF &&
            static_cast<unsigned char>(buffer_[pos_ + 1]) == 0xFE) {
            utf16_ = true;
            pos_ += 2;
        }
    }
    const qsizetype need = utf16_ ? 2 : 1;
    while (buffer_.size() - pos_ < need) {
        if (!FillBuffer()) {
            return false;
        }
    }
    if (utf16_) {
        ch = static_cast<char16_t>(static_cast<unsigned char>(buffer_[pos_]) |
                                   (static_cast<unsigned char>(buffer_[pos_ + 1]) << 8));
        byte = 0;
    } else {
        byte = static_cast<unsigned char>(buffer_[pos_]);
        ch = byte;
    }
    pos_ += need;
    return true;
}

bool IniLineReader::ReadLine(QString& line) {
    line.clear();
    QByteArray bytes;  // the line's bytes in 8-bit mode
    bool any = false;
    char16_t ch = 0;
    unsigned char byte = 0;
    while (Next(ch, byte)) {
        any = true;
        if (ch == u'\r') {
            if (lfEnds_) {
                // A file whose first line ends in a bare LF (edited on
                // Linux) ends its lines at each LF; its CRs are dropped
                // wherever they stand, as no value holds one.
                continue;
            }
            crEnds_ = true;
            Next(ch, byte);  // the LF, or whatever stands there
            break;
        }
        if (ch == u'\n' && !crEnds_) {
            lfEnds_ = true;
            break;
        }
        if (utf16_) {
            if (line.size() < kMaxLineLength) {
                line.append(QChar(ch));
            }
        } else if (bytes.size() < kMaxLineLength) {
            bytes.append(static_cast<char>(byte));
        }
    }
    if (!utf16_) {
        line = FromAnsi(bytes);
    }
    return any;
}

}  // namespace lm
