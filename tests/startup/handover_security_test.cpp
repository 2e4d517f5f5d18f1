// SPDX-License-Identifier: MIT
// The hand-over channel between a second start and the running instance is
// private to one user: the block and the socket, and who may talk on them.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

#include <cstring>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "../support/fault_env.h"
#include "../support/temp_dir.h"
#include "handover_block.h"
#include "handover_sender.h"
#include "handover_server.h"

using namespace lm;

namespace {

struct Message {
    std::uint32_t message;
    std::uint32_t wParam;
    std::uint32_t lParam;
};

QString BlockName(const char* tag) {
    return QStringLiteral("/linkmint-test-%1-%2").arg(::getpid()).arg(QString::fromLatin1(tag));
}

// A block made by hand the way someone else might leave it.
bool MakeRawBlock(const QString& name, mode_t mode, uid_t owner) {
    const QByteArray path = QFile::encodeName(name);
    const int fd = ::shm_open(path.constData(), O_RDWR | O_CREAT | O_EXCL, 0600);
    if (fd < 0) {
        return false;
    }
    const bool made = ::ftruncate(fd, HandoverBlock::kSize) == 0 && ::fchmod(fd, mode) == 0 &&
                      (owner == ::geteuid() || ::fchown(fd, owner, static_cast<gid_t>(-1)) == 0);
    ::close(fd);
    return made;
}

int ConnectRaw(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 &&
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::vector<unsigned char> Packet(std::uint32_t message, std::uint32_t wParam,
                                  std::uint32_t lParam) {
    std::vector<unsigned char> bytes;
    for (std::uint32_t word : {message, wParam, lParam}) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<unsigned char>(word >> (8 * i)));
        }
    }
    return bytes;
}

// Reads until the peer closes or `want` bytes came; gives up after 10 s.
std::size_t ReadReply(int fd, std::size_t want) {
    std::size_t got = 0;
    unsigned char buffer[64];
    while (got < want) {
        pollfd waiting{fd, POLLIN, 0};
        if (::poll(&waiting, 1, 10000) <= 0) {
            break;
        }
        const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    return got;
}

class HandoverChannel : public ::testing::Test {
protected:
    HandoverChannel()
        : server_([this](std::uint32_t m, std::uint32_t w, std::uint32_t l) {
              received_.push_back({m, w, l});
          }) {}

    void SetUp() override {
        socketPath_ = dir_.Path() / "instance.sock";
        ASSERT_TRUE(server_.Listen(QString::fromStdString(socketPath_.string())));
    }

    // Lets the server accept and read while a child or a blocking call waits.
    static void Pump() { QCoreApplication::processEvents(); }

    TempDir dir_;
    std::filesystem::path socketPath_;
    std::vector<Message> received_;
    HandoverServer server_;
};

}  // namespace

TEST(HandoverBlockAccess, OnlyThisUsersPrivateBlockIsOpened) {
    const QString own = BlockName("own");
    {
        HandoverBlock created;
        ASSERT_TRUE(created.Create(own));
        const int fd = ::shm_open(QFile::encodeName(own).constData(), O_RDONLY, 0);
        ASSERT_GE(fd, 0);
        struct stat info {};
        ASSERT_EQ(::fstat(fd, &info), 0);
        ::close(fd);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        EXPECT_EQ(info.st_uid, ::geteuid());
        HandoverBlock opened;
        EXPECT_TRUE(opened.Open(own));
    }

    // Blocks that others may read or write are somebody else's mailbox.
    for (mode_t mode : {0644, 0620, 0606, 0666}) {
        const QString open = BlockName("open");
        ASSERT_TRUE(MakeRawBlock(open, mode, ::geteuid()));
        HandoverBlock block;
        EXPECT_FALSE(block.Open(open)) << std::oct << mode;
        HandoverBlock::Remove(open);
    }

    if (test::IsRoot()) {
        const QString foreign = BlockName("foreign");
        ASSERT_TRUE(MakeRawBlock(foreign, 0600, test::kNobody));
        HandoverBlock block;
        EXPECT_FALSE(block.Open(foreign));
        HandoverBlock::Remove(foreign);
    }
}

TEST_F(HandoverChannel, SocketIsPrivateAndOwnSendersAreHeard) {
    struct stat info {};
    ASSERT_EQ(::stat(socketPath_.c_str(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
    EXPECT_EQ(info.st_mode & 077, 0u) << std::oct << (info.st_mode & 0777);

    HandoverSender sender;
    ASSERT_TRUE(sender.Connect(QString::fromStdString(socketPath_.string())));
    // The sender blocks until the acknowledgement, so the server runs in a
    // child's stead here: a thread would race the event loop.
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(sender.Send(1, 2, 3) && sender.Send(4, 5, 6) ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        Pump();
        ::usleep(1000);
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ASSERT_EQ(received_.size(), 2u);
    EXPECT_EQ(received_[1].message, 4u);
    EXPECT_EQ(received_[1].lParam, 6u);
}

TEST_F(HandoverChannel, AnotherUserIsNeverHeard) {
    if (!test::IsRoot()) {
        GTEST_SKIP() << "needs root to act as a second user";
    }
    // Open the doors the file system would otherwise keep shut, so that only
    // the server's own check stands between the other user and the handler.
    ::chmod(dir_.Path().c_str(), 0755);
    ::chmod(socketPath_.c_str(), 0777);
    const std::string path = socketPath_.string();
    const pid_t child = test::StartAsNobody([&path] {
        const int fd = ConnectRaw(path);
        if (fd < 0) {
            return 3;
        }
        const std::vector<unsigned char> packet = Packet(0x8123, 1, 0);
        if (::send(fd, packet.data(), packet.size(), MSG_NOSIGNAL) !=
            static_cast<ssize_t>(packet.size())) {
            return 0;  // already shut out
        }
        // An acknowledgement would mean the message was handled.
        return ReadReply(fd, 4) == 0 ? 0 : 1;
    });
    EXPECT_EQ(test::WaitForChild(child, Pump), 0);
    Pump();
    EXPECT_TRUE(received_.empty());
}

TEST_F(HandoverChannel, SenderRefusesAnotherUsersListener) {
    if (!test::IsRoot()) {
        GTEST_SKIP() << "needs root to act as a second user";
    }
    ::chmod(dir_.Path().c_str(), 0777);
    const std::string path = (dir_.Path() / "planted.sock").string();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = test::StartAsNobody([&path, &ready] {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
        if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) ||
            ::listen(fd, 4) != 0) {
            return 2;
        }
        ::chmod(path.c_str(), 0777);
        (void)!::write(ready[1], "r", 1);
        ::pause();
        return 0;
    });
    ::close(ready[1]);
    char signal = 0;
    ASSERT_EQ(::read(ready[0], &signal, 1), 1);
    ::close(ready[0]);

    HandoverSender sender;
    EXPECT_FALSE(sender.Connect(QString::fromStdString(path)));
    ::kill(child, SIGKILL);
    test::WaitForChild(child);
}

TEST_F(HandoverChannel, BrokenAndRunOnPacketsAreHandledWhole) {
    // Half a packet and a hang-up: nothing is handled, nothing breaks.
    int fd = ConnectRaw(socketPath_.string());
    ASSERT_GE(fd, 0);
    const std::vector<unsigned char> first = Packet(7, 8, 9);
    ASSERT_EQ(::send(fd, first.data(), 5, MSG_NOSIGNAL), 5);
    for (int i = 0; i < 50; ++i) {
        Pump();
    }
    ::close(fd);
    for (int i = 0; i < 50; ++i) {
        Pump();
    }
    EXPECT_TRUE(received_.empty());

    // Three packets in one write, then a stray byte: three messages, three
    // acknowledgements, and the stray byte waits for the rest of its packet.
    fd = ConnectRaw(socketPath_.string());
    ASSERT_GE(fd, 0);
    std::vector<unsigned char> burst;
    for (std::uint32_t m : {10u, 11u, 12u}) {
        const std::vector<unsigned char> packet = Packet(m, m, m);
        burst.insert(burst.end(), packet.begin(), packet.end());
    }
    burst.push_back(0xEE);
    ASSERT_EQ(::send(fd, burst.data(), burst.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(burst.size()));
    for (int i = 0; i < 500 && received_.size() < 3; ++i) {
        Pump();
        ::usleep(1000);
    }
    ASSERT_EQ(received_.size(), 3u);
    EXPECT_EQ(received_[2].message, 12u);
    EXPECT_EQ(ReadReply(fd, 12), 12u);
    ::close(fd);
    for (int i = 0; i < 50; ++i) {
        Pump();
    }
    EXPECT_EQ(received_.size(), 3u);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
