// SPDX-License-Identifier: MIT
// The receiving end of the hand-over: a hostile process writes whatever it
// likes into the block and sends any count of paths with or without the
// "goes on" flag. Reading must stay within the text area, agree with a plain
// decoding of the area's bytes, and the pieces held between messages must
// stay bounded; the paths that come out are those of an unbounded joining
// that are not too long.
//
// Input: a run of messages, each a count, a flag and the bytes written over
// the start of the block (the rest of the block keeps what was there).

#include <QString>
#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include "command_line.h"
#include "handover_assembler.h"
#include "handover_block.h"

namespace {

using lm::HandoverAssembler;
using lm::HandoverBlock;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "hand-over receiver: %s\n", what);
    std::abort();
}

// The block of this process, and a second mapping of it through which the
// "sender" writes raw bytes.
struct SharedBlock {
    SharedBlock() : name(QStringLiteral("/linkmint-fuzz-%1").arg(::getpid())) {
        HandoverBlock::Remove(name);
        if (!block.Create(name)) {
            Fail("cannot create the block");
        }
        const int fd = ::shm_open(name.toLocal8Bit().constData(), O_RDWR, 0);
        if (fd < 0) {
            Fail("cannot open the block");
        }
        void* view =
            ::mmap(nullptr, HandoverBlock::kSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        ::close(fd);
        if (view == MAP_FAILED) {
            Fail("cannot map the block");
        }
        bytes = static_cast<unsigned char*>(view);
    }
    ~SharedBlock() { ::munmap(bytes, HandoverBlock::kSize); }  // the block removes its name

    QString name;
    HandoverBlock block;
    unsigned char* bytes = nullptr;
};

SharedBlock& Shared() {
    static SharedBlock shared;
    return shared;
}

// The text area decoded from the block's bytes as the layout gives it.
QStringList PlainRead(const unsigned char* bytes, int count) {
    std::u16string area;
    for (std::size_t i = 0; i < static_cast<std::size_t>(HandoverBlock::kTextUnits); ++i) {
        const std::size_t at = HandoverBlock::kTextOffset + 2 * i;
        area.push_back(static_cast<char16_t>(bytes[at] | bytes[at + 1] << 8));
    }
    QStringList paths;
    std::size_t pos = 0;
    for (int k = 0; k < count && pos < area.size(); ++k) {
        const std::size_t end = std::min(area.find(u'\0', pos), area.size());
        paths.append(QString(reinterpret_cast<const QChar*>(area.data() + pos),
                             static_cast<qsizetype>(end - pos)));
        pos = end + 1;
    }
    return paths;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SharedBlock& shared = Shared();
    std::memset(shared.bytes, 0, HandoverBlock::kSize);
    FuzzedDataProvider input(data, size);

    HandoverAssembler assembler;
    // The joining without a bound, to compare with.
    QString pending;
    for (int message = 0; message < 64 && input.remaining_bytes() > 0; ++message) {
        const int count = input.ConsumeIntegral<std::uint16_t>();
        const bool continues = input.ConsumeBool();
        const std::vector<std::uint8_t> written = input.ConsumeBytes<std::uint8_t>(
            input.ConsumeIntegralInRange<std::size_t>(0, HandoverBlock::kSize));
        if (!written.empty()) {
            std::memcpy(shared.bytes, written.data(), written.size());
        }

        const QStringList paths = shared.block.ReadPaths(count);
        if (paths != PlainRead(shared.bytes, count)) {
            Fail("the paths read differ from the area's text");
        }
        qsizetype units = -1;
        for (const QString& path : paths) {
            units += path.size() + 1;
        }
        if (paths.size() > count || units > HandoverBlock::kTextUnits) {
            Fail("read past the text area");
        }

        QStringList expected = paths;
        if (!pending.isEmpty() && !expected.isEmpty()) {
            expected.first().prepend(pending);
            pending.clear();
        }
        if (continues && !expected.isEmpty()) {
            pending = expected.takeLast();
        }
        expected.removeIf(
            [](const QString& path) { return path.size() > HandoverAssembler::kMaxPathLength; });

        const QStringList complete = assembler.Take(paths, continues);
        if (assembler.Pending().size() > HandoverAssembler::kMaxPathLength) {
            Fail("the piece held back grows without bound");
        }
        if (complete != expected) {
            Fail("the paths put together differ from a plain joining");
        }
        const QString held =
            pending.size() <= HandoverAssembler::kMaxPathLength ? pending : QString();
        if (assembler.Pending() != held) {
            Fail("the piece held back differs from a plain joining");
        }
    }
    return 0;
}
