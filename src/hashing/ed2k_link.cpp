#include "ed2k_link.h"

#include "hash_text.h"

namespace lm {

namespace {

#ifdef _WIN32
constexpr std::u16string_view kPathSeparators = u"\\:";
#else
constexpr std::u16string_view kPathSeparators = u"/";
#endif

void AppendAscii(std::u16string& to, std::string_view ascii) {
    for (char c : ascii) {
        to.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    }
}

}  // namespace

std::u16string_view NameWithoutPath(std::u16string_view path) {
    std::size_t cut = path.find_last_of(kPathSeparators);
    return cut == std::u16string_view::npos ? path : path.substr(cut + 1);
}

std::u16string Ed2kLink(std::u16string_view fileName, std::uint64_t size, const Digest16& hash,
                        const LinkOptions& options) {
    std::u16string link = u"ed2k://|file|";
    link += options.stripPath ? NameWithoutPath(fileName) : fileName;
    link += u'|';
    AppendAscii(link, std::to_string(size));
    link += u'|';
    AppendAscii(link, HexText(hash, options.lowercaseHashes));
    link += u'|';
    if (options.trailingSlash) {
        link += u'/';
    }
    return link;
}

}  // namespace lm
