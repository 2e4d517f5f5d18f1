// SPDX-License-Identifier: MIT
// Stored links rendered anew when the link options change.
#include <gtest/gtest.h>

#include <QCryptographicHash>

#include "recase_link.h"
#include "stored_link.h"

namespace lm {
namespace {

Digest16 Filled(std::uint8_t byte) {
    Digest16 d;
    d.fill(byte);
    return d;
}

// The MD4 of the digests one after the other, by Qt's own MD4.
QString Md4Hex(const std::vector<Digest16>& digests) {
    QCryptographicHash md4(QCryptographicHash::Md4);
    for (const Digest16& d : digests) {
        md4.addData(QByteArrayView(reinterpret_cast<const char*>(d.data()), 16));
    }
    return QString::fromLatin1(md4.result().toHex().toUpper());
}

SettingsValues Options(bool parts, bool aich, bool lower = false) {
    SettingsValues v;
    v.partHashes = parts;
    v.aichHash = aich;
    v.lowercaseHashes = lower;
    return v;
}

const QString kParts = QStringLiteral(
    "01010101010101010101010101010101:02020202020202020202020202020202:"
    "03030303030303030303030303030303");
const QString kAich = QStringLiteral("IJBEEQSCIJBEEQSCIJBEEQSCIJBEEQSC");  // twenty 0x42

TEST(StoredLink, FollowsThePartAndAichOptionsKeepingNameAndSlash) {
    KeptDigests kept;
    kept.chunkDigests = {Filled(1), Filled(2), Filled(3)};
    kept.aich = Digest20{};
    kept.aich->fill(0x42);
    const QString hash = Md4Hex(kept.chunkDigests);
    // A name with "|" and capitals, stored with its path and no slash.
    const QString start = QStringLiteral("ed2k://|file|/Data/A|B.BIN|19456005|");
    const QString plain = start + hash + u'|';

    SettingsValues v = Options(true, false);
    v.stripPath = true;      // acts on new links only
    v.trailingSlash = true;  // likewise
    EXPECT_EQ(RerenderLink(plain, kept, v), start + hash + "|p=" + kParts + u'|');
    EXPECT_EQ(RerenderLink(plain, kept, Options(false, true)), start + hash + "|h=" + kAich + u'|');
    const QString both = start + hash + "|p=" + kParts + "|h=" + kAich + "|/";
    EXPECT_EQ(RerenderLink(plain + u'/', kept, Options(true, true)), both);
    EXPECT_EQ(RerenderLink(both, kept, Options(false, false)), plain + u'/');
    EXPECT_EQ(RerenderLink(both, kept, Options(true, true, true)),
              start + hash.toLower() + "|p=" + kParts + "|h=" + kAich.toLower() + "|/");

    // Re-casing a link with both leaves their names and the file name alone.
    EXPECT_EQ(RecaseLink(RecaseLink(both, true), false), both);
    EXPECT_EQ(RecaseLink(both, true),
              start + hash.toLower() + "|p=" + kParts + "|h=" + kAich.toLower() + "|/");

    // Kept digests that are not this hash's parts add nothing.
    KeptDigests stale = kept;
    stale.chunkDigests[1] = Filled(9);
    EXPECT_EQ(RerenderLink(plain, stale, Options(true, false)), plain);
}

TEST(StoredLink, WithoutKeptDigestsTheLinkKeepsItsOwn) {
    // An exact multiple of the chunk size: the second hash lists the empty
    // chunk's digest after the chunks'.
    const Digest16 empty = EmptyChunkHash;
    const std::vector<Digest16> chunks = {Filled(1), Filled(2)};
    const QString hash = Md4Hex({Filled(1), Filled(2), empty});
    const QString parts =
        QStringLiteral("01010101010101010101010101010101:02020202020202020202020202020202:") +
        QStringLiteral("31D6CFE0D16AE931B73C59D7E0C089C0");
    const QString start = QStringLiteral("ed2k://|file|x.iso|19456000|") + hash;
    const QString stored = start + "|p=" + parts + "|h=" + kAich + "|/";

    // A restored entry kept nothing: turning one option off keeps the other.
    EXPECT_EQ(RerenderLink(stored, {}, Options(true, false)), start + "|p=" + parts + "|/");
    EXPECT_EQ(RerenderLink(stored, {}, Options(false, true)), start + "|h=" + kAich + "|/");
    EXPECT_EQ(RerenderLink(stored, {}, Options(true, true)), stored);
    // Once dropped, there is nothing to bring back.
    EXPECT_EQ(RerenderLink(start + "|/", {}, Options(true, true)), start + "|/");
    // Kept digests give the same parts.
    KeptDigests kept;
    kept.chunkDigests = chunks;
    EXPECT_EQ(RerenderLink(start + "|/", kept, Options(true, false)), start + "|p=" + parts + "|/");
}

TEST(StoredLink, TextsThatAreNotOurLinksStayAsTheyAre) {
    const QString hash = QStringLiteral("A448017AAF21D8525FC10AE87AA6729D");
    for (const QString& text : {
             QString(), QStringLiteral("/data/not hashed yet.avi"),
             QStringLiteral("ed2k://|server|10.0.0.1|4661|/"),
             "ed2k://|file|x|3|" + hash,                     // unterminated
             "ed2k://|file|x|3|" + hash.left(31) + "|/",     // short hash
             "ed2k://|file|x|3a|" + hash + "|/",             // size
             "ed2k://|file|x||" + hash + "|/",               // no size
             "ed2k://|file|3|" + hash + "|/",                // no name field
             "ed2k://|file|x|3|" + hash + "|h=!!|/",         // AICH root
             "ed2k://|file|x|3|" + hash + "|p=01:02|/",      // part hashes
             "ed2k://|file|x|3|" + hash + "|s=http://a/|/",  // a field we never write
         }) {
        EXPECT_EQ(RerenderLink(text, {}, Options(true, true)), text) << text.toStdString();
    }
    // With everything off an ordinary link comes back as it was.
    const QString link = "ed2k://|file|abc.txt|3|" + hash + "|/";
    EXPECT_EQ(RerenderLink(link, {}, SettingsValues{}), link);
}

TEST(StoredLink, EscapedNamesStayEscapedOnceAndMagnetsCarryTheBytes) {
    const QString hash = QStringLiteral("A448017AAF21D8525FC10AE87AA6729D");
    // The name field is kept as the link holds it: never escaped twice.
    const QString link = "ed2k://|file|/d/caf%E9 %7C%25201.txt|3|" + hash + "|/";
    KeptDigests kept;
    kept.aich = Digest20{};
    kept.aich->fill(0x42);
    EXPECT_EQ(RerenderLink(link, kept, Options(false, true)),
              "ed2k://|file|/d/caf%E9 %7C%25201.txt|3|" + hash + "|h=" + kAich + "|/");
    // The magnet link has the name's own bytes, percent-encoded once: 0xE9
    // as %E9, as linkmint-cli writes it.
    EXPECT_EQ(MagnetForLink(link, "A9993E364706816ABA3E25717850C26C9CD0D89D", {}, SettingsValues{}),
              "magnet:?xt=urn:ed2k:" + hash +
                  "&xl=3&dn=%2Fd%2Fcaf%E9%20%7C%25201.txt"
                  "&xt=urn:sha1:VGMT4NSHA2AWVOR6EVYXQUGCNSONBWE5");
    // Another client's fields are not ours to drop.
    const QString sources = "ed2k://|file|x|3|" + hash + "|/|sources,10.0.0.1:4662|/";
    EXPECT_EQ(RerenderLink(sources, kept, Options(true, true)), sources);
}

}  // namespace
}  // namespace lm
