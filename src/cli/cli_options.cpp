#include "cli_options.h"

namespace lm::cli {

const char* const kUsage =
    "Usage: linkmint-cli [--strip-path] [--lowercase] [--no-trailing-slash] [--info] [--] PATH...\n"
    "Prints the ed2k link of every file, in the order given.\n"
    "\n"
    "  --strip-path         put only the file name in the link, not its directories\n"
    "  --lowercase          write hashes with a-f instead of A-F\n"
    "  --no-trailing-slash  end links with \"|\" instead of \"|/\"\n"
    "  --info               print the link, CRC32, MD5 and SHA1 of every file\n"
    "  -h, --help           show this text\n";

ParseResult ParseCliOptions(const std::vector<std::string>& args, CliOptions& options,
                            std::string& badOption) {
    bool optionsEnded = false;
    for (const std::string& arg : args) {
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
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else {
            badOption = arg;
            return ParseResult::BadOption;
        }
    }
    return ParseResult::Ok;
}

}  // namespace lm::cli
