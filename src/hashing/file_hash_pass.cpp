#include "file_hash_pass.h"

#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lm {

std::uint8_t* ChunkBuffer::Reserve(std::size_t bytes) {
    if (bytes > capacity_) {
        data_.reset(new std::uint8_t[bytes]);
        capacity_ = bytes;
    }
    return data_.get();
}

bool FileHashPass::Open(const std::filesystem::path& path) {
    Close();
    // O_NONBLOCK keeps a FIFO from blocking the open; such files are refused
    // below anyway, and regular files ignore the flag.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);

    fd_ = fd;
    size_ = static_cast<std::uint64_t>(st.st_size);
    bytesLeft_ = size_;
    chunkCount_ = ChunkCountFor(size_);
    chunksDone_ = 0;
    md5Crc_.Begin();
    ed2kSha1_.Begin();
    return true;
}

void FileHashPass::HashNextChunk() {
    const std::size_t n =
        static_cast<std::size_t>(bytesLeft_ > kChunkSize ? kChunkSize : bytesLeft_);
    std::uint8_t* chunk = buffer_.Reserve(kChunkSize);
    ReadExactly(chunk, n);
    const std::span<const std::uint8_t> bytes(chunk, n);
    ed2kSha1_.FeedChunk(bytes);
    md5Crc_.FeedChunk(bytes);
    bytesLeft_ -= n;
    ++chunksDone_;
}

void FileHashPass::ReadExactly(std::uint8_t* into, std::size_t bytes) {
    while (bytes > 0) {
        ssize_t got = ::read(fd_, into, bytes);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
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
    return out;
}

PassOutcome HashFile(const std::filesystem::path& path, ChunkBuffer& buffer,
                     const PassHooks& hooks, FileDigests& out) {
    FileHashPass pass(buffer);
    if (!pass.Open(path)) {
        return PassOutcome::OpenFailed;
    }
    auto paused = [&hooks] { return hooks.pauseRequested && hooks.pauseRequested(); };
    while (pass.HasNextChunk()) {
        if (paused()) {
            return PassOutcome::Paused;
        }
        pass.HashNextChunk();
        if (hooks.chunkDone) {
            hooks.chunkDone(pass.ChunksDone(), pass.ChunkCount());
        }
    }
    pass.Close();
    if (paused()) {
        return PassOutcome::Paused;
    }
    out = pass.Finish();
    return PassOutcome::Hashed;
}

}  // namespace lm
