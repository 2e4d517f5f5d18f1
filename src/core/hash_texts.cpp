// SPDX-License-Identifier: MIT
#include "hash_texts.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "hash_text.h"

namespace lm {

namespace {

constexpr std::size_t kOffsets[4] = {0, 4, 20, 40};  // where each digest's bytes begin

}  // namespace

HashTexts::HashTexts(QByteArrayView crc32, QByteArrayView md5, QByteArrayView sha1) {
    if (crc32.isEmpty() && md5.isEmpty() && sha1.isEmpty()) {
        return;
    }
    const auto view = [](QByteArrayView text) {
        return std::string_view(text.data(), static_cast<std::size_t>(text.size()));
    };
    const auto crcBytes = HexBytes<4>(view(crc32));
    const auto md5Bytes = HexBytes<16>(view(md5));
    const auto sha1Bytes = HexBytes<20>(view(sha1));
    bool lowerLetters = false;
    bool upperLetters = false;
    for (const QByteArrayView text : {crc32, md5, sha1}) {
        for (const char c : text) {
            lowerLetters |= c >= 'a' && c <= 'f';
            upperLetters |= c >= 'A' && c <= 'F';
        }
    }
    if (crcBytes && md5Bytes && sha1Bytes && !(lowerLetters && upperLetters)) {
        DigestBytes bytes;
        std::copy(crcBytes->begin(), crcBytes->end(), bytes.begin());
        std::copy(md5Bytes->begin(), md5Bytes->end(), bytes.begin() + kOffsets[1]);
        std::copy(sha1Bytes->begin(), sha1Bytes->end(), bytes.begin() + kOffsets[2]);
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

const HashTexts::DigestBytes* HashTexts::Digits(bool& lower) const {
    if (const auto* digits = std::get_if<LowerDigits>(&kept_)) {
        lower = true;
        return &digits->bytes;
    }
    if (const auto* digits = std::get_if<UpperDigits>(&kept_)) {
        lower = false;
        return &digits->bytes;
    }
    return nullptr;
}

HashTexts HashTexts::Recased(bool lower) const {
    bool keptLower = true;
    if (const DigestBytes* bytes = Digits(keptLower)) {
        return OfBytes(*bytes, lower);
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
    bool lower = true;
    if (const DigestBytes* bytes = Digits(lower)) {
        return *bytes == *other.Digits(lower);
    }
    if (const auto* given = std::get_if<GivenTexts>(&kept_)) {
        return **given == *std::get<GivenTexts>(other.kept_);
    }
    return true;  // both empty
}

QByteArray HashTexts::Text(int which) const {
    if (const auto* given = std::get_if<GivenTexts>(&kept_)) {
        return (**given)[static_cast<std::size_t>(which)];
    }
    bool lower = true;
    const DigestBytes* bytes = Digits(lower);
    if (bytes == nullptr) {
        return {};
    }
    const std::size_t first = kOffsets[which];
    return QByteArray::fromStdString(
        HexText(std::span(*bytes).subspan(first, kOffsets[which + 1] - first), lower));
}

static_assert(sizeof(HashTexts) == 48);

}  // namespace lm
