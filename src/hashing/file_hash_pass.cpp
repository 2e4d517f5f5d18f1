// SPDX-License-Identifier: MIT
#include "file_hash_pass.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "lane_thread.h"

namespace lm {

namespace {

// Below this many bytes a chunk is hashed on the calling thread: handing it
// to another thread would cost more than it saves.
constexpr std::size_t kParallelMin = 256 * 1024;

// Whether a file whose size reads 0 really ends at once: it yields no byte
// when read (an error counts as a byte, since nothing can be said of it).
bool ReallyEmpty(int fd) {
    char probe;
    ssize_t got;
    do {
        got = ::read(fd, &probe, 1);
    } while (got < 0 && errno == EINTR);
    return got == 0;
}

// True when O_NONBLOCK was set and is cleared now.
bool ClearNonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && (flags & O_NONBLOCK) != 0 &&
           ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

}  // namespace

ChunkBuffer::ChunkBuffer(unsigned threads)
    : parallel_(threads == 0 ? std::thread::hardware_concurrency() >= 2 : threads >= 2) {}

ChunkBuffer::~ChunkBuffer() = default;

void ChunkBuffer::SetHelperHook(std::function<void()> hook) {
    hook_ = std::move(hook);
    if (reader_) {
        reader_->SetTaskHook(hook_);
    }
    if (lane_) {
        lane_->SetTaskHook(hook_);
    }
}

void ChunkBuffer::FreeSlot::operator()(std::uint8_t* slot) const {
    ::operator delete[](slot, std::align_val_t{kSlotAlignment});
}

std::uint8_t* ChunkBuffer::Slot(std::uint32_t chunkIndex) {
    auto& slot = slots_[parallel_ ? chunkIndex % 2 : 0];
    if (!slot) {
        // Page-aligned, like the page cache the kernel copies from: a copy
        // between differently aligned addresses is several times slower on
        // some processors.
        slot.reset(static_cast<std::uint8_t*>(
            ::operator new[](kChunkSize, std::align_val_t{kSlotAlignment})));
    }
    return slot.get();
}

LaneThread& ChunkBuffer::Reader() {
    if (!reader_) {
        reader_ = std::make_unique<LaneThread>();
        reader_->SetTaskHook(hook_);
    }
    return *reader_;
}

LaneThread& ChunkBuffer::Lane() {
    if (!lane_) {
        lane_ = std::make_unique<LaneThread>();
        lane_->SetTaskHook(hook_);
    }
    return *lane_;
}

bool FileHashPass::Open(const std::filesystem::path& path, const PassOptions& options) {
    Close();
    // O_NONBLOCK keeps a FIFO from blocking the open; such files are refused
    // below anyway, and regular files ignore the flag.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    const std::uint64_t size = static_cast<std::uint64_t>(st.st_size);
    if (size == 0 && !ReallyEmpty(fd)) {
        // Files of /proc and /sys say 0 and then yield their text: their
        // size cannot be known before they are read, so no link of them
        // would be true.
        ::close(fd);
        return false;
    }
    if (size >= kParallelMin) {
        // A small file is read with one call: O_NONBLOCK means nothing to a
        // regular file, and the kernel's read-ahead has the file in one go
        // anyway. The two calls are saved where they would cost most.
        ClearNonBlocking(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    }

    fd_ = fd;
    size_ = size;
    chunkCount_ = ChunkCountFor(size_);
    chunksDone_ = 0;
    md5Crc_.Begin();
    ed2kSha1_.Begin();
    aich_ = options.aich;
    if (aich_) {
        aichTree_.Begin(size_);
    }
    readAhead_ = buffer_.Parallel() && size_ >= kParallelMin;
    if (readAhead_) {
        StartReading(0);
    }
    return true;
}

std::size_t FileHashPass::ChunkBytes(std::uint32_t chunkIndex) const {
    const std::uint64_t left = size_ - std::uint64_t{chunkIndex} * kChunkSize;
    return static_cast<std::size_t>(left > kChunkSize ? kChunkSize : left);
}

void FileHashPass::ReadChunk(std::uint32_t chunkIndex) {
    ReadExactly(buffer_.Slot(chunkIndex), ChunkBytes(chunkIndex));
}

void FileHashPass::StartReading(std::uint32_t chunkIndex) {
    buffer_.Reader().Post([this, chunkIndex] { ReadChunk(chunkIndex); });
}

void FileHashPass::HashNextChunk() {
    const std::uint32_t i = chunksDone_;
    if (readAhead_) {
        buffer_.Reader().Wait();  // chunk i is in its slot, or its read failed
        if (i + 1 < chunkCount_) {
            StartReading(i + 1);  // into the other slot, whose chunk is done
        }
    } else {
        ReadChunk(i);
    }
    FeedLanes({buffer_.Slot(i), ChunkBytes(i)});
    ++chunksDone_;
}

void FileHashPass::FeedLanes(std::span<const std::uint8_t> chunk) {
    if (aich_) {
        aichLeaves_.Begin(chunk);
    }
    if (!buffer_.Parallel() || chunk.size() < kParallelMin) {
        FeedBothLanes(ed2kSha1_, md5Crc_, chunk);
        if (aich_) {
            aichLeaves_.HashSome(leafSha_[0]);
        }
    } else {
        // Each lane does its own digests, then helps with the AICH leaves
        // that are still unclaimed.
        LaneThread& lane = buffer_.Lane();
        lane.Post([this, chunk] {
            ed2kSha1_.FeedChunk(chunk);
            if (aich_) {
                aichLeaves_.HashSome(leafSha_[1]);
            }
        });
        try {
            md5Crc_.FeedChunk(chunk);
            if (aich_) {
                aichLeaves_.HashSome(leafSha_[0]);
            }
        } catch (...) {
            lane.Drain();
            throw;
        }
        lane.Wait();
    }
    if (aich_) {
        aichTree_.AddPart(aichLeaves_.Leaves());
    }
}

void FileHashPass::ReadExactly(std::uint8_t* into, std::size_t bytes) {
    while (bytes > 0) {
        ssize_t got = ::read(fd_, into, bytes);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (errno == EAGAIN && ClearNonBlocking(fd_)) {
                continue;  // a file system that honours O_NONBLOCK on regular files
            }
            throw ReadError(std::strerror(errno));
        }
        if (got == 0) {
            throw ReadError("the file is shorter than when it was opened");
        }
        into += got;
        bytes -= static_cast<std::size_t>(got);
    }
}

void FileHashPass::Close() {
    if (fd_ >= 0) {
        if (readAhead_) {
            buffer_.Reader().Drain();  // a read ahead may still use the file
        }
        ::close(fd_);
        fd_ = -1;
    }
}

FileDigests FileHashPass::Finish() {
    if (HasNextChunk()) {
        throw std::logic_error("FileHashPass::Finish before the last chunk");
    }
    FileDigests out;
    out.size = size_;
    ed2kSha1_.Finish(out);
    md5Crc_.Finish(out);
    if (aich_) {
        out.aich = aichTree_.Root();
    }
    return out;
}

PassOutcome HashFile(const std::filesystem::path& path, ChunkBuffer& buffer, const PassHooks& hooks,
                     FileDigests& out, const PassOptions& options) {
    FileHashPass pass(buffer);
    return RunPass(pass, path, hooks, out, options);
}

}  // namespace lm
