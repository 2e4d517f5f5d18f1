// SPDX-License-Identifier: MIT
#include "text_width_meter.h"

namespace lm {

namespace {

bool SumsItsCharacters(QChar ch) {
    if (ch.isSurrogate() || ch.isMark()) {
        return false;
    }
    switch (ch.script()) {
        case QChar::Script_Common:
        case QChar::Script_Latin:
        case QChar::Script_Greek:
        case QChar::Script_Cyrillic:
            return true;
        default:
            return false;
    }
}

}  // namespace

TTextWidthMeter::TTextWidthMeter(const QFont& font) : font_(font), metrics_(font) {}

void TTextWidthMeter::SetFont(const QFont& font) {
    font_ = font;
    metrics_ = QFontMetrics(font);
    advances_.fill(0);
    others_.clear();
}

int TTextWidthMeter::Advance(QChar ch) {
    const char16_t unit = ch.unicode();
    if (unit < advances_.size()) {
        int& stored = advances_[unit];
        if (stored == 0) {
            stored = SumsItsCharacters(ch) ? metrics_.horizontalAdvance(ch) + 1 : -1;
        }
        return stored - 1;  // -2 for a character that is not summed
    }
    const auto found = others_.constFind(unit);
    if (found != others_.constEnd()) {
        return *found;
    }
    return *others_.insert(unit, SumsItsCharacters(ch) ? metrics_.horizontalAdvance(ch) : -2);
}

int TTextWidthMeter::Width(QStringView text) {
    int width = 0;
    for (const QChar ch : text) {
        const int advance = Advance(ch);
        if (advance < 0) {
            return metrics_.horizontalAdvance(text.toString());
        }
        width += advance;
    }
    return width;
}

}  // namespace lm
