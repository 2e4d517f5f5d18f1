// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <string>

namespace lm {

// The hand-over block "eD2K_Memory_Map": 4108 bytes of named shared memory,
// little-endian:
//   0     4     the running instance's application handle (here its process id)
//   4     4     the running main window's handle; 0 until the window exists
//   8     2     code unit 0 of the text area, never used
//   10    4096  the text area, UTF-16 code units 1 to 2048
//   4106  2     padding
// On POSIX it is shared memory with a per-user name and mode 0600.
class HandoverBlock {
public:
    static constexpr std::size_t kSize = 4108;
    static constexpr std::size_t kAppHandleOffset = 0;
    static constexpr std::size_t kMainHandleOffset = 4;
    static constexpr std::size_t kTextOffset = 10;  // code unit 1
    static constexpr int kTextUnits = 2048;

    HandoverBlock() = default;
    ~HandoverBlock();
    HandoverBlock(const HandoverBlock&) = delete;
    HandoverBlock& operator=(const HandoverBlock&) = delete;

    // The first instance: makes a new block (fails when one exists) and
    // keeps it mapped. `Remove` on destruction drops the name again.
    bool Create(const QString& name);
    // A later start or the receiver: maps an existing block.
    bool Open(const QString& name);
    bool IsOpen() const { return data_ != nullptr; }
    // Drops the name of a block left behind (its memory goes with the last
    // mapping). Returns false when there was none.
    static bool Remove(const QString& name);

    std::uint32_t ReadU32(std::size_t offset) const;
    void WriteU32(std::size_t offset, std::uint32_t value);

    // Copies `text` into the area from index 1 on; false when it does not fit.
    bool WriteText(const std::u16string& text);
    // Reads `count` paths from the area, never past index 2048.
    QStringList ReadPaths(int count) const;

private:
    bool Map(int fd);

    unsigned char* data_ = nullptr;
    QString createdName_;
};

}  // namespace lm
