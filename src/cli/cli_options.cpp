// SPDX-License-Identifier: MIT
#include "cli_options.h"

namespace lm::cli {

const char* const kUsage =
    "Usage: linkmint-cli [--strip-path] [--lowercase] [--no-trailing-slash] [--info] [--aich]\n"
    "                    [--hashset] [--magnet] [--threads N] [--] PATH...\n"
    "       linkmint-cli --check [--threads N] [--] LIST...\n"
    "Prints the ed2k link of every file, in the order given, or checks files against lists.\n"
    "\n"
    "  --strip-path         put only the file name in the link, not its directories\n"
    "  --lowercase          write hashes with a-f instead of A-F\n"
    "  --no-trailing-slash  end links with \"|\" instead of \"|/\"\n"
    "  --info               print the link, CRC32, MD5 and SHA1 of every file\n"
    "  --aich               add the AICH hash: \"h=\" in links, an \"AICH: \" line with --info\n"
    "  --hashset            add the part hashes (\"p=\") to links whose hash is made of several\n"
    "  --magnet             print magnet links instead of ed2k links\n"
    "  --check              check the files named in ed2k link files, .sfv files, md5sum\n"
    "                       and sha1sum files (also BSD style) against them\n"
    "  --threads N          hash on N threads: 1, or 2 (the default on two or more cores)\n"
    "  -h, --help           show this text\n"
    "  --version            print the version of linkmint-cli\n";

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
