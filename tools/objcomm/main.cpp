#include <iostream>

#include "tools/objcomm/commands.h"
#include "tools/objcomm/usage_error.h"

namespace {

constexpr int kUsage = 2;

const char kHelp[] = R"(usage: objcomm VERB [OPTIONS]

objcomm decode [--extended] [--json] [HEX ...]
    Decodes Object Communicator frames. Each HEX argument is one whole frame; without
    one, each non-empty line of standard input is a frame (lines starting with # are
    skipped). Hex digits in either case; blanks, ':' and '-' between bytes are ignored.
    --extended  decode card-station responses in their extended form (context 1)
    --json      one JSON object per frame, one per line:
                {"class":..,"command":..,"subCommand":..,"hasHeader":..,"tag":..,
                 "describe":[..],"data":".."}; a rejected frame gives
                {"error":"<exception class>","tag":..}
    Text output: a header line (class, command, form, tag), one "label: value" line per
    describe pair, then "data: HEX" (the payload re-encoded).
    Exit status: 0 every frame decoded, 1 some frame was rejected, 2 usage or bad hex.

objcomm frame health [--short] [--id TEXT] [--long-length] [--tag N]
objcomm frame register --name NAME [--old OLD] [--module HEX]... [--id TEXT]
                       [--long-length] [--tag N]
    Prints the request frame in uppercase hex. Defaults: identifier 0123456789ABCDEF,
    long form with a 16-bit length (--short: short form; --long-length: 32-bit length),
    tag 0, module list 01, old name empty.
)";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        std::cout << kHelp;
        return words.empty() ? kUsage : 0;
    }
    const std::vector<std::string> args(words.begin() + 1, words.end());
    try {
        if (words[0] == "decode") return RunDecode(args, std::cin, std::cout, std::cerr);
        if (words[0] == "frame") return RunFrame(args, std::cout);
        throw CUsageError("unknown verb '" + words[0] + "'");
    } catch (const CUsageError& error) {
        std::cerr << "objcomm: " << error.what() << "\n(objcomm --help for usage)\n";
        return kUsage;
    }
}
