// SPDX-License-Identifier: MIT
#include "recase_link.h"

#include <string>
#include <string_view>

#include "ed2k_link.h"

namespace lm {

QString RecaseLink(const QString& link, bool lower) {
    const std::u16string text =
        RecasedEd2kLink(std::u16string_view(reinterpret_cast<const char16_t*>(link.utf16()),
                                            static_cast<std::size_t>(link.size())),
                        lower);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

void RecaseEntry(TFileData& entry, bool lower) {
    entry.Link = RecaseLink(entry.Link, lower);
    entry.Hashes = entry.Hashes.Recased(lower);
}

}  // namespace lm
