// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "crc_in_name.h"
#include "ed2k_digest.h"
#include "hash_texts.h"

namespace lm {

// Where a listed file stands. Compared by value: below fsHashed means not
// done, below fsWorking means it may be queued again.
enum FileState : int { fsIdle = 0, fsQueued = 1, fsWorking = 2, fsHashed = 3 };

// What a listed file keeps of its pass beyond its texts, so that its link
// can follow the link options: FileDigests::chunkDigests and, when the pass
// computed it, FileDigests::aich. Kept for files of at least one chunk (the
// sizes whose links can carry part hashes) and for files whose AICH root
// was computed; nothing is kept for the others, nor for an entry restored
// from the settings file.
struct KeptDigests {
    std::vector<Digest16> chunkDigests;
    std::optional<Digest20> aich;
};

// One listed file. Row i of the list shows entry i of the file table.
struct TFileData {
    QString Link;      // the ed2k link, empty until hashed
    QString FileName;  // full path
    int State = fsIdle;
    int CRCStatus = crcNoHash;
    HashTexts Hashes;  // empty until hashed
    bool Selected = false;
    std::int64_t FileSize = 0;  // -1 when the size could not be read
    // Shared by a file's two rows; never kept in the settings file.
    std::shared_ptr<const KeptDigests> Kept = nullptr;

    // The hexadecimal texts.
    QByteArray CRC32() const { return Hashes.Crc32(); }
    QByteArray MD5() const { return Hashes.Md5(); }
    QByteArray SHA1() const { return Hashes.Sha1(); }

    bool operator==(const TFileData&) const = default;
};

}  // namespace lm
