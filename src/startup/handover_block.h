// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <optional>
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
//
// Another process may make the name first or change the block meanwhile:
// a block is only used while it is this user's own, private and of exactly
// kSize bytes, looked at again before every read and write. Reads and
// writes go through the block's descriptor rather than a mapping, so that a
// block cut short even between the look and the access never faults.
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
    // keeps it open. `Remove` on destruction drops the name again.
    bool Create(const QString& name);
    // A later start or the receiver: opens an existing block, only one that
    // can be trusted.
    bool Open(const QString& name);
    bool IsOpen() const { return fd_ >= 0; }
    // Closes the block; a block this one made loses its name.
    void Close();
    // Whether the block is still this user's own, private and whole.
    bool Trusted() const;
    // Drops the name of a block left behind (its memory goes with the last
    // mapping). Returns false when there was none.
    static bool Remove(const QString& name);

    // 0 when the block cannot be read.
    std::uint32_t ReadU32(std::size_t offset) const;
    bool WriteU32(std::size_t offset, std::uint32_t value);

    // Copies `text` into the area from index 1 on; false when it does not
    // fit or the block can no longer be trusted.
    bool WriteText(const std::u16string& text);
    // Reads `count` paths from the area, never past index 2048. Nothing
    // when the block can no longer be trusted.
    std::optional<QStringList> TryReadPaths(int count) const;
    // The same, empty when the block cannot be read.
    QStringList ReadPaths(int count) const { return TryReadPaths(count).value_or(QStringList()); }

private:
    bool Read(std::size_t offset, unsigned char* into, std::size_t bytes) const;
    bool Write(std::size_t offset, const unsigned char* from, std::size_t bytes);

    int fd_ = -1;
    QString createdName_;
};

}  // namespace lm
