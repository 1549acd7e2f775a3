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

objcomm send [--to ADDR:PORT] [--timeout SECONDS] [--json] health [--short]
objcomm send [--to ADDR:PORT] [--timeout SECONDS] [--json] register --name NAME [--old OLD]
             [--module HEX]...
    Sends one request to an Object Communicator and prints the response as decode does.
    Defaults: --to 127.0.0.1:1500, identifier 0123456789ABCDEF; --timeout (fractions
    allowed) bounds the connect and the wait for the response, by default 5 s and 15 s.
    Exit status: 0 a response arrived and decoded (whatever its command), 1 a malformed
    response, 2 usage, 3 cannot connect, 4 no response (closed or timed out).

objcomm serve [--listen ADDR:PORT] [--reply MODE] [--fault FAULT] [--count N] [--json]
    A simulated Object Communicator. Prints "listening on ADDR:PORT" first (port 0 lets
    the system pick, default 127.0.0.1:1500), then one line per request (one JSON object
    with --json). Serves one connection after another, each until the peer closes.
    MODE   normal  Health Check and Register Device answered in kind, any other command
                   with Error 0x93, a malformed request with Error 0x91 (default)
           error:HH  Error response with code HH to every request
           swap    Register Device answer to a Health Check and the reverse
           raw:HEX these bytes to every request
    FAULT  none (default), close (close without answering), silent (never answer),
           drip (one byte every 10 ms), truncate (without the last byte, then close),
           corrupt (checksum byte changed)
    --count N  exit after N connections; otherwise run until SIGINT or SIGTERM (exit 0).
    A frame that declares a body over 16 MiB closes its connection.
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
        if (words[0] == "send") return RunSend(args, std::cout, std::cerr);
        if (words[0] == "serve") return RunServe(args, std::cout, std::cerr);
        throw CUsageError("unknown verb '" + words[0] + "'");
    } catch (const CUsageError& error) {
        std::cerr << "objcomm: " << error.what() << "\n(objcomm --help for usage)\n";
        return kUsage;
    }
}
