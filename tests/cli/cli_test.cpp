// SPDX-License-Identifier: MIT
// linkmint-cli's output, byte for byte, and its errors and exit statuses.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "cli_app.h"
#include "linkmint_build_info.h"
#include "path_bytes.h"
#include "temp_dir.h"

namespace lm::cli {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunWith(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = RunCli(args, out, err, false);
    return {status, out.str(), err.str()};
}

class CliTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        const auto path = dir_.Path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    TempDir dir_;
};

TEST_F(CliTest, LinksInArgumentOrder) {
    const std::string abc = Write("abc.txt", "abc");
    const std::string empty = Write("empty [00000000].bin", "");
    const CliRun run = RunWith({abc, empty});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    // An empty file is an exact multiple of the chunk size: it gets its
    // second link on the next line.
    EXPECT_EQ(run.out, "ed2k://|file|" + abc + "|3|A448017AAF21D8525FC10AE87AA6729D|/\n" +
                           "ed2k://|file|" + empty + "|0|31D6CFE0D16AE931B73C59D7E0C089C0|/\n" +
                           "ed2k://|file|" + empty + "|0|BE6BC64C94BBC062BCEBFB40B4F93304|/\n");
}

TEST_F(CliTest, OptionsShapeTheLink) {
    const std::string abc = Write("abc.txt", "abc");
    const CliRun run = RunWith({"--strip-path", "--lowercase", "--no-trailing-slash", abc});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "ed2k://|file|abc.txt|3|a448017aaf21d8525fc10ae87aa6729d|\n");
}

TEST_F(CliTest, InfoBlocks) {
    const std::string abc = Write("abc.txt", "abc");
    const std::string empty = Write("empty", "");
    const CliRun run = RunWith({"--info", "--strip-path", abc, empty});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "ed2k://|file|abc.txt|3|A448017AAF21D8525FC10AE87AA6729D|/\n"
              "CRC32: 352441C2\n"
              "MD5: 900150983CD24FB0D6963F7D28E17F72\n"
              "SHA1: A9993E364706816ABA3E25717850C26C9CD0D89D\n"
              "\n"
              "ed2k://|file|empty|0|31D6CFE0D16AE931B73C59D7E0C089C0|/\n"
              "CRC32: 00000000\n"
              "MD5: D41D8CD98F00B204E9800998ECF8427E\n"
              "SHA1: DA39A3EE5E6B4B0D3255BFEF95601890AFD80709\n"
              "\n"
              "ed2k://|file|empty|0|BE6BC64C94BBC062BCEBFB40B4F93304|/\n"
              "CRC32: 00000000\n"
              "MD5: D41D8CD98F00B204E9800998ECF8427E\n"
              "SHA1: DA39A3EE5E6B4B0D3255BFEF95601890AFD80709\n");
}

TEST_F(CliTest, AichPartHashesAndMagnetLinks) {
    const std::string abc = Write("abc.txt", "abc");
    const std::string zeros = Write("zeros.bin", std::string(9'728'000, '\0'));
    CliRun run = RunWith({"--strip-path", "--aich", "--hashset", abc, zeros});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "ed2k://|file|abc.txt|3|A448017AAF21D8525FC10AE87AA6729D|"
              "h=VGMT4NSHA2AWVOR6EVYXQUGCNSONBWE5|/\n"
              "ed2k://|file|zeros.bin|9728000|D7DEF262A127CD79096A108E7A9FC138|"
              "h=5D3N4HQHIUMQ7IU7A5QLPLI6RHSWOR7B|/\n"
              "ed2k://|file|zeros.bin|9728000|FC21D9AF828F92A8DF64BEAC3357425D|"
              "p=D7DEF262A127CD79096A108E7A9FC138:31D6CFE0D16AE931B73C59D7E0C089C0|"
              "h=5D3N4HQHIUMQ7IU7A5QLPLI6RHSWOR7B|/\n");

    run = RunWith({"--info", "--aich", "--lowercase", "--strip-path", abc});
    EXPECT_EQ(run.out,
              "ed2k://|file|abc.txt|3|a448017aaf21d8525fc10ae87aa6729d|"
              "h=vgmt4nsha2awvor6evyxqugcnsonbwe5|/\n"
              "CRC32: 352441c2\n"
              "MD5: 900150983cd24fb0d6963f7d28e17f72\n"
              "SHA1: a9993e364706816aba3e25717850c26c9cd0d89d\n"
              "AICH: vgmt4nsha2awvor6evyxqugcnsonbwe5\n");

    // One magnet link per ed2k link; the path as given, escaped.
    run = RunWith({"--magnet", zeros});
    std::string escaped;
    for (char c : zeros) {
        escaped += c == '/' ? std::string("%2F") : std::string(1, c);
    }
    const std::string tail =
        "&xl=9728000&dn=" + escaped + "&xt=urn:sha1:K2O65RP57ZRMLZ6PVKEA3V6HYE3OHYD6\n";
    EXPECT_EQ(run.out, "magnet:?xt=urn:ed2k:D7DEF262A127CD79096A108E7A9FC138" + tail +
                           "magnet:?xt=urn:ed2k:FC21D9AF828F92A8DF64BEAC3357425D" + tail);
    run = RunWith({"--magnet", "--aich", "--strip-path", abc});
    EXPECT_EQ(run.out,
              "magnet:?xt=urn:ed2k:A448017AAF21D8525FC10AE87AA6729D&xl=3&dn=abc.txt"
              "&xt=urn:aich:VGMT4NSHA2AWVOR6EVYXQUGCNSONBWE5"
              "&xt=urn:sha1:VGMT4NSHA2AWVOR6EVYXQUGCNSONBWE5\n");
}

TEST_F(CliTest, CheckPrintsAVerdictPerEntryAndASummary) {
    Write("abc.txt", "abc");
    Write("abd.txt", "abd");
    const std::string sfv =
        Write("list.sfv", "; made by hand\r\nabc.txt 352441C2\r\nabd.txt 352441C2\r\n");
    const std::string links = Write(
        "links.ed2k",
        "ed2k://"
        "|file|abc.txt|3|A448017AAF21D8525FC10AE87AA6729D|h=VGMT4NSHA2AWVOR6EVYXQUGCNSONBWE5|/\r\n"
        "ed2k://|file|gone.avi|3|A448017AAF21D8525FC10AE87AA6729D|/\r\n"
        "not a list line\r\n");
    CliRun run = RunWith({"--check", sfv, links});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "OK  abc.txt\n"
              "FAILED  abd.txt (CRC32 differs)\n"
              "OK  abc.txt\n"
              "MISSING  gone.avi\n"
              "4 entries: 2 OK, 1 FAILED, 1 MISSING\n");
    EXPECT_EQ(run.err, "Warning: " + links + ", line 3: not a line of a known list format.\n");

    const std::string good = Write("good.md5", "900150983cd24fb0d6963f7d28e17f72  abc.txt\n");
    run = RunWith({"--check", good});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "OK  abc.txt\n1 entry: 1 OK, 0 FAILED, 0 MISSING\n");

    // A list that cannot be read, or holds nothing, is status 2; the other
    // lists are still checked.
    const std::string nothing = Write("nothing.sfv", "; only a comment\n");
    const std::string missing = (dir_.Path() / "missing.sfv").string();
    run = RunWith({"--check", nothing, missing, good});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "OK  abc.txt\n1 entry: 1 OK, 0 FAILED, 0 MISSING\n");
    EXPECT_EQ(run.err, "Error: The list \"" + nothing + "\" holds nothing to check.\n" +
                           "Error: Unable to read list \"" + missing +
                           "\": No such file or directory.\n");

    run = RunWith({"--check"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--check needs at least one list"), std::string::npos);
}

TEST_F(CliTest, MissingFileIsReportedAndTheRestStillHashed) {
    const std::string abc = Write("abc.txt", "abc");
    const std::string missing = (dir_.Path() / "missing.avi").string();
    const CliRun run = RunWith({missing, "--strip-path", abc, dir_.Path().string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "ed2k://|file|abc.txt|3|A448017AAF21D8525FC10AE87AA6729D|/\n");
    EXPECT_EQ(run.err, "Error: Unable to open file \"" + missing + "\".\n" + "Error: \"" +
                           dir_.Path().string() + "\" is a folder: use --recursive.\n");
}

TEST_F(CliTest, UsageAndBadOptions) {
    CliRun run = RunWith({});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Usage: linkmint-cli"), std::string::npos);

    run = RunWith({"--frobnicate", "x"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("unknown option '--frobnicate'"), std::string::npos);
    EXPECT_NE(run.err.find("Usage: linkmint-cli"), std::string::npos);

    // A bad value is named as such, not taken for an unknown option.
    for (const char* value : {"3", "0", "two"}) {
        run = RunWith({"--threads", value, "x"});
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(std::string("invalid value '") + value + "' for --threads"),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(run.err.find("unknown option"), std::string::npos);
    }
    run = RunWith({"x", "--threads"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--threads needs a value"), std::string::npos);

    // --version hashes nothing, wherever it stands; --help goes first.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--version"}, std::vector<std::string>{"x", "--version"}}) {
        run = RunWith(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, "linkmint-cli " LM_VERSION "\n");
        EXPECT_EQ(run.err, "");
    }
    run = RunWith({"--version", "--help"});
    EXPECT_NE(run.out.find("Usage: linkmint-cli"), std::string::npos);
    EXPECT_NE(run.out.find("  --version "), std::string::npos);

    // After "--" everything is a path, even what looks like an option.
    const std::string odd = Write("--info", "abc");
    run = RunWith({"--strip-path", "--", "--info"});
    EXPECT_EQ(run.status, 1);  // "--info" relative to the working directory
    run = RunWith({"--strip-path", "--", odd});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "ed2k://|file|--info|3|A448017AAF21D8525FC10AE87AA6729D|/\n");
}

// A stream whose device is full: every write fails with ENOSPC.
class FullDevice : public std::streambuf {
protected:
    int_type overflow(int_type) override {
        errno = ENOSPC;
        return traits_type::eof();
    }
    std::streamsize xsputn(const char*, std::streamsize) override {
        errno = ENOSPC;
        return 0;
    }
};

TEST_F(CliTest, OutputThatCannotBeWrittenIsAnError) {
    const std::string abc = Write("abc.txt", "abc");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{abc, abc}, std::vector<std::string>{"--help"}}) {
        FullDevice device;
        std::ostream out(&device);
        std::ostringstream err;
        EXPECT_EQ(RunCli(args, out, err, false), 1);
        // Reported once, with the system's reason, and the run stops there.
        EXPECT_EQ(err.str(), "Error: Unable to write to standard output: " +
                                 std::string(std::strerror(ENOSPC)) + ".\n");
    }
}

TEST_F(CliTest, NameBytesThatAreNotUtf8AreEscapedInLinks) {
    const std::string latin1 = "caf\xE9 \xFF|%41.txt";  // not valid UTF-8
    const std::string path = Write(latin1, "abc");
    CliRun run = RunWith({"--strip-path", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "ed2k://|file|caf%E9 %FF%7C%2541.txt|3|A448017AAF21D8525FC10AE87AA6729D|/\n");
    run = RunWith({"--strip-path", "--magnet", path});
    EXPECT_EQ(
        run.out.substr(0, run.out.find("&xt=urn:sha1")),
        "magnet:?xt=urn:ed2k:A448017AAF21D8525FC10AE87AA6729D&xl=3&dn=caf%E9%20%FF%7C%2541.txt");
    // And the check finds the file again by its link.
    Write("back.ed2k", run.out);
    run = RunWith({"--check", (dir_.Path() / "back.ed2k").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "OK  " + latin1 + "\n1 entry: 1 OK, 0 FAILED, 0 MISSING\n");
}

TEST_F(CliTest, CheckShowsNamesAsMd5sumDoesAndNotesSkippedDigests) {
    Write("line\nfeed\\.txt", "abc");
    Write("with space.txt", "abc");
    const std::string list =
        Write("list.txt",
              "\\MD5 (line\\nfeed\\\\.txt) = 900150983cd24fb0d6963f7d28e17f72\n"
              "SHA256 (with space.txt) = "
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad\n"
              "CRC32C (with space.txt) = 364b3fb7\n"
              "CRC32 (with space.txt) = 352441c2\n"
              "ed2k://|file|with%20space.txt|3|A448017AAF21D8525FC10AE87AA6729D|/\n");
    CliRun run = RunWith({"--check", list});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "OK  \\line\\nfeed\\\\.txt\n"
              "OK  with space.txt\n"
              "OK  with space.txt\n"
              "3 entries: 3 OK, 0 FAILED, 0 MISSING\n");
    EXPECT_EQ(run.err,
              "Note: " + list +
                  ": 2 lines skipped, for digests that are not checked (SHA256, CRC32C).\n");
    // A list of nothing we compute holds nothing to check.
    const std::string other = Write("other.txt", "SHA256 (with space.txt) = 00\n");
    run = RunWith({"--check", other});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
}

// Collects what is written to it and calls `onFirstWrite` the first time,
// which is when the progress line first shows.
class FirstWriteHook : public std::stringbuf {
public:
    explicit FirstWriteHook(std::function<void()> onFirstWrite) : hook_(std::move(onFirstWrite)) {}

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        Fire();
        return std::stringbuf::xsputn(s, n);
    }
    int_type overflow(int_type c) override {
        Fire();
        return std::stringbuf::overflow(c);
    }

private:
    void Fire() {
        if (hook_) {
            std::exchange(hook_, nullptr)();
        }
    }
    std::function<void()> hook_;
};

// The file loses its end once its first chunk is done; the chunk after the
// one being read ahead can no longer be had.
TEST_F(CliTest, AFileCutShortWhileReadIsReportedAndTheNextStillHashed) {
    constexpr std::uintmax_t kChunk = 9'728'000;
    for (const char* threads : {"1", "2"}) {
        SCOPED_TRACE(threads);
        const std::string cut = Write("cut.bin", std::string(2 * kChunk + 10, 'x'));
        const std::string abc = Write("abc.txt", "abc");
        FirstWriteHook errBuffer([&] { std::filesystem::resize_file(cut, kChunk / 2); });
        std::ostream err(&errBuffer);
        std::ostringstream out;
        const int status = RunCli({"--threads", threads, cut, abc}, out, err, true);

        EXPECT_EQ(status, 1);
        EXPECT_EQ(out.str(), "ed2k://|file|" + abc + "|3|A448017AAF21D8525FC10AE87AA6729D|/\n");
        const std::string text = errBuffer.str();
        EXPECT_EQ(text.substr(text.rfind('\r') + 1),
                  "\033[KError: Unable to read file \"" + cut +
                      "\": the file is shorter than when it was opened.\n")
            << text;
    }
}

}  // namespace
}  // namespace lm::cli
