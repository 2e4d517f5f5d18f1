// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <memory>
#include <variant>

#include "ed2k_digest.h"

namespace lm {

// A listed file's CRC32, MD5 and SHA1 texts. A hashed file's texts are
// hexadecimal digits of one letter case; those are kept as the 40 bytes they
// spell and the case, with no allocation of their own (three allocations a
// file were much of what a list of many small files held). Any other texts
// are kept as they are: the settings file may give back anything in their
// place, and gives it back unchanged.
class HashTexts {
public:
    HashTexts() = default;  // three empty texts
    HashTexts(QByteArrayView crc32, QByteArrayView md5, QByteArrayView sha1);
    // The texts of a file's digests, the CRC most significant digit first.
    static HashTexts OfDigests(std::uint32_t crc32, const Digest16& md5, const Digest20& sha1,
                               bool lower);

    QByteArray Crc32() const { return Text(0); }
    QByteArray Md5() const { return Text(1); }
    QByteArray Sha1() const { return Text(2); }

    // Whether the texts are hexadecimal digits of whole digests (8, 32 and
    // 40 of them), not texts kept as given.
    bool SpellsDigests() const {
        return std::holds_alternative<LowerDigits>(kept_) ||
               std::holds_alternative<UpperDigits>(kept_);
    }

    // The same texts with their ASCII letters in lower or upper case.
    HashTexts Recased(bool lower) const;

    // Equal texts are kept alike, so comparing what is kept compares them.
    bool operator==(const HashTexts& other) const;

private:
    // The CRC's 4 bytes, the MD5's 16 and the SHA-1's 20, in text order,
    // spelled in lower or in upper case.
    using DigestBytes = std::array<std::uint8_t, 40>;
    struct LowerDigits {
        DigestBytes bytes;
    };
    struct UpperDigits {
        DigestBytes bytes;
    };
    using GivenTexts = std::shared_ptr<const std::array<QByteArray, 3>>;

    static HashTexts OfBytes(const DigestBytes& bytes, bool lower);
    // The kept digest bytes and, in `lower`, their case; nullptr for texts
    // kept as given and for none.
    const DigestBytes* Digits(bool& lower) const;
    QByteArray Text(int which) const;

    // 48 bytes a file: no more room than the bytes and which of the four.
    std::variant<std::monostate, LowerDigits, UpperDigits, GivenTexts> kept_;
};

}  // namespace lm
