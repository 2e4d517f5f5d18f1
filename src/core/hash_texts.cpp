// SPDX-License-Identifier: MIT
#include "hash_texts.h"

#include <algorithm>
#include <span>

#include "hash_text.h"

namespace lm {

namespace {

constexpr std::size_t kOffsets[4] = {0, 4, 20, 40};  // where each digest's bytes begin

}  // namespace

HashTexts::HashTexts(QByteArrayView crc32, QByteArrayView md5, QByteArrayView sha1) {
    const QByteArrayView texts[3] = {crc32, md5, sha1};
    if (crc32.isEmpty() && md5.isEmpty() && sha1.isEmpty()) {
        return;
    }
    DigestBytes bytes{};
    bool hex = true;
    bool lowerLetters = false;
    bool upperLetters = false;
    for (std::size_t t = 0; t < 3 && hex; ++t) {
        const std::size_t count = kOffsets[t + 1] - kOffsets[t];
        hex = static_cast<std::size_t>(texts[t].size()) == 2 * count;
        for (std::size_t i = 0; i < count && hex; ++i) {
            const char high = texts[t][static_cast<qsizetype>(2 * i)];
            const char low = texts[t][static_cast<qsizetype>(2 * i + 1)];
            const int h = HexDigitValue(high);
            const int l = HexDigitValue(low);
            hex = h >= 0 && l >= 0;
            bytes[kOffsets[t] + i] = static_cast<std::uint8_t>((h << 4) | (l & 15));
            for (const char c : {high, low}) {
                lowerLetters |= c >= 'a';
                upperLetters |= c >= 'A' && c <= 'F';
            }
        }
    }
    if (hex && !(lowerLetters && upperLetters)) {
        *this = OfBytes(bytes, !upperLetters);
        return;
    }
    kept_ = std::make_shared<const std::array<QByteArray, 3>>(
        std::array<QByteArray, 3>{crc32.toByteArray(), md5.toByteArray(), sha1.toByteArray()});
}

HashTexts HashTexts::OfDigests(std::uint32_t crc32, const Digest16& md5, const Digest20& sha1,
                               bool lower) {
    DigestBytes bytes;
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(crc32 >> (24 - 8 * i));
    }
    std::copy(md5.begin(), md5.end(), bytes.begin() + kOffsets[1]);
    std::copy(sha1.begin(), sha1.end(), bytes.begin() + kOffsets[2]);
    return OfBytes(bytes, lower);
}

HashTexts HashTexts::OfBytes(const DigestBytes& bytes, bool lower) {
    // Texts of digits alone read the same in either case; they are kept as
    // lower case whichever case they were made in, so that equal texts are
    // kept alike.
    const bool letters = std::any_of(bytes.begin(), bytes.end(),
                                     [](std::uint8_t b) { return (b >> 4) > 9 || (b & 15) > 9; });
    HashTexts texts;
    if (lower || !letters) {
        texts.kept_ = LowerDigits{bytes};
    } else {
        texts.kept_ = UpperDigits{bytes};
    }
    return texts;
}

HashTexts HashTexts::Recased(bool lower) const {
    if (const auto* digits = std::get_if<LowerDigits>(&kept_)) {
        return OfBytes(digits->bytes, lower);
    }
    if (const auto* digits = std::get_if<UpperDigits>(&kept_)) {
        return OfBytes(digits->bytes, lower);
    }
    if (const auto* given = std::get_if<GivenTexts>(&kept_)) {
        const auto recase = [lower](const QByteArray& text) {
            return lower ? text.toLower() : text.toUpper();
        };
        return HashTexts(recase((**given)[0]), recase((**given)[1]), recase((**given)[2]));
    }
    return *this;
}

bool HashTexts::operator==(const HashTexts& other) const {
    if (kept_.index() != other.kept_.index()) {
        return false;
    }
    if (const auto* digits = std::get_if<LowerDigits>(&kept_)) {
        return digits->bytes == std::get<LowerDigits>(other.kept_).bytes;
    }
    if (const auto* digits = std::get_if<UpperDigits>(&kept_)) {
        return digits->bytes == std::get<UpperDigits>(other.kept_).bytes;
    }
    if (const auto* given = std::get_if<GivenTexts>(&kept_)) {
        return **given == *std::get<GivenTexts>(other.kept_);
    }
    return true;  // both empty
}

QByteArray HashTexts::Text(int which) const {
    const DigestBytes* bytes = nullptr;
    bool lower = true;
    if (const auto* digits = std::get_if<LowerDigits>(&kept_)) {
        bytes = &digits->bytes;
    } else if (const auto* digits = std::get_if<UpperDigits>(&kept_)) {
        bytes = &digits->bytes;
        lower = false;
    } else if (const auto* given = std::get_if<GivenTexts>(&kept_)) {
        return (**given)[static_cast<std::size_t>(which)];
    } else {
        return {};
    }
    const std::size_t first = kOffsets[which];
    return QByteArray::fromStdString(
        HexText(std::span(*bytes).subspan(first, kOffsets[which + 1] - first), lower));
}

static_assert(sizeof(HashTexts) == 48);

}  // namespace lm
