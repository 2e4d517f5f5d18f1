// SPDX-License-Identifier: MIT
#include "cli_options.h"

namespace lm::cli {

const char* const kUsage =
    "Usage: linkmint-cli [--strip-path] [--lowercase] [--no-trailing-slash] [--info] [--aich]\n"
    "                    [--hashset] [--magnet] [-r] [--threads N] [--] PATH...\n"
    "       linkmint-cli --check [--threads N] [--] LIST...\n"
    "       linkmint-cli --help | --version\n"
    "Prints the ed2k link of every file, in the order given, or checks files against lists.\n"
    "\n"
    "Links:\n"
    "  --strip-path         put only the file name in the link, not its folders\n"
    "  --lowercase          write hashes with a-f instead of A-F\n"
    "  --no-trailing-slash  end links with \"|\" instead of \"|/\"\n"
    "  --info               print the link, CRC32, MD5 and SHA1 of every file\n"
    "  --aich               add the AICH hash: \"h=\" in links, an \"AICH: \" line with --info\n"
    "  --hashset            add the part hashes (\"p=\") to links whose hash is made of several\n"
    "  --magnet             print magnet links instead of ed2k links\n"
    "  -r, --recursive      take every regular file below a folder, in sorted order\n"
    "  --threads N          hash on N threads: 1, or 2 (the default on two or more cores)\n"
    "In a link's name \"|\", control characters, bytes that are not UTF-8 and a \"%\" before\n"
    "two hexadecimal digits are written %XX; everything else as it is.\n"
    "\n"
    "Checking:\n"
    "  --check              check the files that each LIST names (\"-\": standard input);\n"
    "                       relative names are taken from the list's folder\n"
    "Lists read, even mixed in one list, 8-bit or UTF-16 with a byte-order mark:\n"
    "  ed2k links           ed2k://|file|NAME|SIZE|HASH|[p=...|][h=...|]/, eMule's sources too\n"
    "  information files    a link, then \"CRC32: \", \"MD5: \", \"SHA1: \", \"AICH: \" lines\n"
    "  magnet links         xt=urn:ed2k, urn:aich, urn:sha1, urn:md5, urn:crc32, xl and dn\n"
    "  .sfv                 NAME CRC32; \";\" starts a comment\n"
    "  md5sum, sha1sum      HASH  NAME or HASH *NAME (\"\\\" before escaped names), \"#\" "
    "comments\n"
    "  BSD style            MD5 (NAME) = HASH; also SHA1, CRC32, ED2K, AICH (md5sum --tag,\n"
    "                       rhash --bsd, openssl dgst); other digests are skipped with a note\n"
    "One line per entry (OK, FAILED with what differed, MISSING), then a summary.\n"
    "\n"
    "  -h, --help           show this text\n"
    "  --version            print the version of linkmint-cli\n"
    "\n"
    "Exit status: 0 when every file was hashed or every entry is OK; 1 when a file could\n"
    "not be hashed, an entry failed or is missing, or output could not be written; 2 for\n"
    "a bad option, or a list that cannot be read or holds nothing to check.\n"
    "\n"
    "Examples:\n"
    "  linkmint-cli --strip-path movie.avi      the link of one file\n"
    "  linkmint-cli -r --info Music > info.txt  a block for every file below Music\n"
    "  linkmint-cli --check SHA1SUMS films.sfv  check files against two lists\n"
    "  md5sum *.iso | linkmint-cli --check -    check a list read from a pipe\n";

ParseResult ParseCliOptions(const std::vector<std::string>& args, CliOptions& options,
                            std::string& bad) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            options.paths.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--strip-path") {
            options.link.stripPath = true;
        } else if (arg == "--lowercase") {
            options.link.lowercaseHashes = true;
        } else if (arg == "--no-trailing-slash") {
            options.link.trailingSlash = false;
        } else if (arg == "--info") {
            options.info = true;
        } else if (arg == "--aich") {
            options.link.aichHash = true;
        } else if (arg == "--hashset") {
            options.link.partHashes = true;
        } else if (arg == "--magnet") {
            options.magnet = true;
        } else if (arg == "-r" || arg == "--recursive") {
            options.recursive = true;
        } else if (arg == "--check") {
            options.check = true;
        } else if (arg == "--threads") {
            if (i + 1 >= args.size()) {
                bad = "--threads needs a value: 1 or 2";
                return ParseResult::BadValue;
            }
            const std::string& value = args[++i];
            if (value != "1" && value != "2") {
                bad = "invalid value '" + value + "' for --threads: use 1 or 2";
                return ParseResult::BadValue;
            }
            options.threads = value == "1" ? 1 : 2;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else {
            bad = arg;
            return ParseResult::BadOption;
        }
    }
    return ParseResult::Ok;
}

}  // namespace lm::cli
