// SPDX-License-Identifier: MIT
// Checking files against parsed lists: verdicts, what differed, each file
// read once, progress and cancel.
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>

#include "check_runner.h"
#include "path_bytes.h"
#include "temp_dir.h"

namespace lm {
namespace {

constexpr const char* kAbcEd2k = "A448017AAF21D8525FC10AE87AA6729D";

class CheckRunnerTest : public ::testing::Test {
protected:
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_.Path() / name, std::ios::binary) << bytes;
    }
    void Add(const std::string& listText) { Add(listText, dir_.Path()); }
    void Add(const std::string& listText, const std::filesystem::path& folder) {
        for (ListEntry& entry : ParseList(listText, &PathBytesFromText).entries) {
            pending_.push_back({std::move(entry), folder, lists_});
        }
        ++lists_;
    }
    // Checks every entry added, in order, as a front end does; false when
    // cancelled (the rest stay NotChecked). `countUses`: as the window, which
    // counts the entries of each file first.
    bool Run(const CheckControl& control = {}, bool countUses = false) {
        EntryChecker checker(buffer_);
        if (countUses) {
            std::vector<FileKey> keys;
            for (const Pending& p : pending_) {
                if (const auto found = FindEntryFile(p.entry, p.folder)) {
                    keys.push_back(found->key);
                }
            }
            checker.ExpectUses(CountUses(std::move(keys)));
        }
        results_.assign(pending_.size(), EntryResult{});
        bool finished = true;
        for (std::size_t i = 0; i < pending_.size() && finished; ++i) {
            results_[i].list = pending_[i].list;
            finished = checker.Check(pending_[i].entry, pending_[i].folder, control, results_[i]);
        }
        filesRead_ = checker.FilesRead();
        return finished;
    }
    std::vector<std::pair<Verdict, std::string>> Verdicts() const {
        std::vector<std::pair<Verdict, std::string>> out;
        for (const EntryResult& r : results_) {
            std::string what = r.error;
            for (const std::string& d : DifferenceNames(r.differs)) {
                what += (what.empty() ? "" : ",") + d;
            }
            out.emplace_back(r.verdict, what);
        }
        return out;
    }
    struct Pending {
        ListEntry entry;
        std::filesystem::path folder;
        std::uint32_t list;
    };
    TempDir dir_;
    std::vector<Pending> pending_;
    std::uint32_t lists_ = 0;
    std::vector<EntryResult> results_;
    std::size_t filesRead_ = 0;
    ChunkBuffer buffer_{2};
};

using V = std::vector<std::pair<Verdict, std::string>>;

TEST_F(CheckRunnerTest, VerdictsAndWhatDiffered) {
    Write("abc.txt", "abc");
    Write("abd.txt", "abd");
    std::filesystem::create_directory(dir_.Path() / "folder");
    Add(std::string("ed2k://|file|abc.txt|3|") + kAbcEd2k +
        "|h=VGMT4NSHA2AWVOR6EVYXQUGCNSONBWE5|/\n"
        "CRC32: 352441C2\n"
        "MD5: 900150983CD24FB0D6963F7D28E17F72\n"
        "SHA1: A9993E364706816ABA3E25717850C26C9CD0D89D\n"
        "\n" +
        "ed2k://|file|abd.txt|3|" + kAbcEd2k + "|h=VGMT4NSHA2AWVOR6EVYXQUGCNSONBWE5|/\n" +
        "ed2k://|file|abd.txt|4|" + kAbcEd2k + "|/\n" + "ed2k://|file|gone.txt|3|" + kAbcEd2k +
        "|/\n" + "ed2k://|file|folder|3|" + kAbcEd2k + "|/\n" +
        "abc.txt 352441C2\n"
        "abd.txt 352441C2\n"
        "a9993e364706816aba3e25717850c26c9cd0d89d  abd.txt\n"
        "MD5 (abd.txt) = 900150983cd24fb0d6963f7d28e17f72\n");
    ASSERT_TRUE(Run());
    EXPECT_EQ(Verdicts(), (V{{Verdict::Ok, ""},
                             {Verdict::Failed, "ed2k hash,AICH hash"},
                             {Verdict::Failed, "size,ed2k hash"},
                             {Verdict::Missing, ""},
                             {Verdict::Failed, "cannot be opened"},
                             {Verdict::Ok, ""},
                             {Verdict::Failed, "CRC32"},
                             {Verdict::Failed, "SHA1"},
                             {Verdict::Failed, "MD5"}}));
    const EntryResult& missing = results_[3];
    EXPECT_EQ(missing.name, "gone.txt");
    EXPECT_EQ(missing.line, 8u);
}

// Both ed2k hashes of an exact multiple of the chunk size are in use, each
// with its own part hashes; a part-hash list that belongs to neither fails.
TEST_F(CheckRunnerTest, EitherVariantOfAnExactMultiple) {
    Write("z", std::string(9'728'000, '\0'));
    const std::string first = "D7DEF262A127CD79096A108E7A9FC138";
    const std::string second = "FC21D9AF828F92A8DF64BEAC3357425D";
    const std::string empty = "31D6CFE0D16AE931B73C59D7E0C089C0";
    Add("ed2k://|file|z|9728000|" + first + "|/\n" +                                 //
        "ed2k://|file|z|9728000|" + second + "|p=" + first + ":" + empty + "|/\n" +  //
        "ed2k://|file|z|9728000|" + second + "|/\n" +                                //
        "ed2k://|file|z|9728000|" + second + "|p=" + first + ":" + first + "|/\n" +  //
        "ed2k://|file|z|9728000|" + first + "|p=" + first + ":" + empty + "|/\n" +   //
        "ed2k://|file|z|9728000|" + kAbcEd2k + "|/\n");
    ASSERT_TRUE(Run());
    EXPECT_EQ(Verdicts(), (V{{Verdict::Ok, ""},
                             {Verdict::Ok, ""},
                             {Verdict::Ok, ""},
                             {Verdict::Failed, "part hashes"},
                             {Verdict::Failed, "part hashes"},
                             {Verdict::Failed, "ed2k hash"}}));
}

// Entries of several lists naming the same file by different spellings,
// and a hard link, are one file to read.
TEST_F(CheckRunnerTest, EachFileIsReadOnce) {
    Write("abc.txt", "abc");
    Write("other", "abd");
    std::filesystem::create_hard_link(dir_.Path() / "abc.txt", dir_.Path() / "hard");
    Add("abc.txt 352441C2\n./abc.txt 352441C2\nhard 352441C2\nother 352441C2\n");
    Add("abc.txt 352441C2\n", dir_.Path() / "sub");
    Add((dir_.Path() / "abc.txt").string() + " 352441C2\n", "/nowhere");
    for (const bool countUses : {false, true}) {
        std::vector<CheckProgress> seen;
        CheckControl control;
        control.progress = [&](const CheckProgress& p) { seen.push_back(p); };
        ASSERT_TRUE(Run(control, countUses));
        // Two distinct files, each announced before it is read and after its
        // one chunk.
        EXPECT_EQ(filesRead_, 2u);
        ASSERT_EQ(seen.size(), 4u);
        EXPECT_EQ(seen[0].path, dir_.Path() / "abc.txt");
        EXPECT_EQ(seen[0].file, 1u);
        EXPECT_EQ(seen[0].chunk, 0u);
        EXPECT_EQ(seen[1].chunk, 1u);
        EXPECT_EQ(seen[1].chunks, 1u);
        EXPECT_EQ(seen[3].file, 2u);
        EXPECT_EQ(Verdicts(), (V{{Verdict::Ok, ""},
                                 {Verdict::Ok, ""},
                                 {Verdict::Ok, ""},
                                 {Verdict::Failed, "CRC32"},
                                 {Verdict::Missing, ""},
                                 {Verdict::Ok, ""}}));
        EXPECT_EQ(results_[4].list, 1u);
        EXPECT_EQ(results_[5].list, 2u);
    }
}

// Without knowing the lists ahead, the digests of the files read last are
// kept; knowing how often each file is named, each file's are kept until its
// last entry and no longer.
TEST_F(CheckRunnerTest, WhichDigestsAreKept) {
    std::string list;
    for (std::size_t i = 0; i <= EntryChecker::kRecentFiles; ++i) {
        Write("f" + std::to_string(i), "abc");
        list += "f" + std::to_string(i) + " 352441C2\n";
    }
    Add(list);
    Add("f0 352441C2\nf0 352441C2\n");
    ASSERT_TRUE(Run());
    EXPECT_EQ(filesRead_, EntryChecker::kRecentFiles + 2);
    ASSERT_TRUE(Run({}, true));
    EXPECT_EQ(filesRead_, EntryChecker::kRecentFiles + 1);
    for (const auto& [verdict, what] : Verdicts()) {
        EXPECT_EQ(verdict, Verdict::Ok) << what;
    }
}

// An entry that wants the AICH root reads again a file read without it.
TEST_F(CheckRunnerTest, AnAichEntryAfterOneWithout) {
    Write("abc.txt", "abc");
    Add(std::string("abc.txt 352441C2\nAICH (abc.txt) = VGMT4NSHA2AWVOR6EVYXQUGCNSONBWE5\n") +
        "AICH (abc.txt) = AAMT4NSHA2AWVOR6EVYXQUGCNSONBWE5\n");
    for (const bool countUses : {false, true}) {
        ASSERT_TRUE(Run({}, countUses));
        EXPECT_EQ(filesRead_, 2u);
        EXPECT_EQ(Verdicts(),
                  (V{{Verdict::Ok, ""}, {Verdict::Ok, ""}, {Verdict::Failed, "AICH hash"}}));
    }
}

TEST_F(CheckRunnerTest, CancelLeavesTheRestUnchecked) {
    Write("big", std::string(2 * 9'728'000, 'x'));
    Write("small", "abc");
    Add("small 352441C2\nbig 00000000\nsmall 352441C2\n");
    std::atomic<bool> cancel{false};
    CheckControl control;
    control.cancel = &cancel;
    control.progress = [&](const CheckProgress& p) {
        if (p.file == 2 && p.chunk == 1) {
            cancel = true;  // between the two chunks of the second file
        }
    };
    EXPECT_FALSE(Run(control));
    EXPECT_EQ(Verdicts(),
              (V{{Verdict::Ok, ""}, {Verdict::NotChecked, ""}, {Verdict::NotChecked, ""}}));

    // Another run goes through.
    cancel = false;
    control.progress = nullptr;
    EXPECT_TRUE(Run(control));
    EXPECT_EQ(Verdicts(), (V{{Verdict::Ok, ""}, {Verdict::Failed, "CRC32"}, {Verdict::Ok, ""}}));
}

TEST_F(CheckRunnerTest, NamesFoundByTheirOtherSpellings) {
    Write("a b \xC3\xA9.txt", "abc");
    Write("caf\xC3\xA9.txt", "abc");
    std::filesystem::create_directory(dir_.Path() / "sub");
    Write("sub/file.bin", "abc");
    Add(std::string("ed2k://|file|a%20b%20%C3%A9.txt|3|") + kAbcEd2k + "|/\n" +
        "caf\xE9.txt 352441C2\n"
        "sub\\file.bin 352441C2\n");
    ASSERT_TRUE(Run());
    EXPECT_EQ(Verdicts(), (V{{Verdict::Ok, ""}, {Verdict::Ok, ""}, {Verdict::Ok, ""}}));
    EXPECT_EQ(results_[0].name, "a b \xC3\xA9.txt");
    EXPECT_EQ(results_[1].name, "caf\xC3\xA9.txt");
    EXPECT_EQ(results_[2].name, "sub/file.bin");  // a .sfv made on Windows
}

// md5sum --tag escapes a name with "\": a damaged file of such a name fails.
TEST_F(CheckRunnerTest, EscapedNamesOfDamagedFilesFail) {
    Write("b\\c.txt", "abd");
    Write("new\nline", "abc");
    Add("\\MD5 (b\\\\c.txt) = 900150983cd24fb0d6963f7d28e17f72\n"
        "\\900150983cd24fb0d6963f7d28e17f72  new\\nline\n");
    ASSERT_TRUE(Run());
    EXPECT_EQ(Verdicts(), (V{{Verdict::Failed, "MD5"}, {Verdict::Ok, ""}}));
    EXPECT_EQ(results_[0].name, "b\\c.txt");
}

// Two ways an entry used to be passed that no file matches: a name with a
// NUL byte (the system sees only "a", an empty file whose MD5 the entry
// names) and a /proc file, whose size reads 0 although it has content.
TEST_F(CheckRunnerTest, NothingPassesForAFileItIsNot) {
    using namespace std::string_literals;
    Write("a", "");
    ListEntry cut;
    cut.names = {"a\0b"s};
    cut.expected.md5 = Digest16{0xd4, 0x1d, 0x8c, 0xd9, 0x8f, 0x00, 0xb2, 0x04,
                                0xe9, 0x80, 0x09, 0x98, 0xec, 0xf8, 0x42, 0x7e};
    cut.line = 1;
    pending_.push_back({cut, dir_.Path(), lists_++});
    Add("d41d8cd98f00b204e9800998ecf8427e  /proc/version\n"
        "d41d8cd98f00b204e9800998ecf8427e  a\n");
    ASSERT_TRUE(Run());
    EXPECT_EQ(
        Verdicts(),
        (V{{Verdict::Missing, ""}, {Verdict::Failed, "cannot be opened"}, {Verdict::Ok, ""}}));
}

}  // namespace
}  // namespace lm
