#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

#include "crc_in_name.h"

namespace lm {

// Where a listed file stands. Compared by value: below fsHashed means not
// done, below fsWorking means it may be queued again.
enum FileState : int { fsIdle = 0, fsQueued = 1, fsWorking = 2, fsHashed = 3 };

// One listed file. Row i of the list shows entry i of the file table.
struct TFileData {
    QString Link;      // the ed2k link, empty until hashed
    QString FileName;  // full path
    int State = fsIdle;
    int CRCStatus = crcNoHash;
    QByteArray CRC32;  // hexadecimal texts, empty until hashed
    QByteArray MD5;
    QByteArray SHA1;
    bool Selected = false;
    std::int64_t FileSize = 0;  // -1 when the size could not be read

    bool operator==(const TFileData&) const = default;
};

}  // namespace lm
