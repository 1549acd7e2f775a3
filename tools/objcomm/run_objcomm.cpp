#include <istream>
#include <ostream>

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
    describe pair, then "data: HEX" (the payload re-encoded). In texts from the frame,
    every byte below 0x20, the byte 0x7F and every byte from 0x80 up shows as \xHH
    (uppercase hex) and a backslash as \\, so that a frame is always exactly its lines
    and nothing in it reaches the terminal as a control sequence.
    Exit status: 0 every frame decoded; 1 some frame was rejected or had bytes after it
    ("N bytes after the frame" on standard error), or the input could not be read or
    the output written; 2 usage or bad hex.

objcomm frame health [--short] [--id TEXT] [--long-length] [--tag N]
objcomm frame register --name NAME [--old OLD] [--module HEX]... [--id TEXT]
                       [--long-length] [--tag N]
    Prints the request frame in uppercase hex. Defaults: identifier 0123456789ABCDEF,
    long form with a 16-bit length (--short: short form; --long-length: 32-bit length),
    tag 0, module list 01, old name empty. Exit status: 0 printed, 1 the output could not
    be written, 2 usage.

objcomm send [--to ADDR:PORT] [--timeout SECONDS] [--json] [--pcap FILE] health [--short]
objcomm send [--to ADDR:PORT] [--timeout SECONDS] [--json] [--pcap FILE] register
             --name NAME [--old OLD] [--module HEX]...
    Sends one request to an Object Communicator and prints the response as decode does.
    Defaults: --to 127.0.0.1:1500, identifier 0123456789ABCDEF; --timeout (fractions
    allowed) bounds the connect and the wait for the response, by default 5 s and 15 s.
    --pcap FILE records the exchange as a pcap capture (Ethernet, IPv4, TCP).
    Exit status: 0 a response arrived and decoded (whatever its command), 1 a malformed
    response, 2 usage, 3 cannot connect, 4 no response (closed or timed out), 5 the
    output or the capture could not be written.

objcomm serve [--listen ADDR:PORT] [--reply MODE] [--fault FAULT] [--count N]
              [--idle-timeout SECONDS] [--max-connections N] [--json] [--pcap FILE]
    A simulated Object Communicator. Prints "listening on ADDR:PORT" first (port 0 lets
    the system pick, default 127.0.0.1:1500), then one line per request once it is
    answered (one JSON object with --json). Texts are escaped as decode's are; an unknown
    or malformed request shows its frame in hex, one over 64 bytes as its first 64 bytes
    followed by ' ... (N bytes)'. Connections are served at the same time, each on a
    thread of its own, each until the peer closes it or stays silent too long.
    MODE   normal  Health Check and Register Device answered in kind, any other command
                   with Error 0x93, a malformed request with Error 0x91 (default)
           error:HH  Error response with code HH to every request
           swap    Register Device answer to a Health Check and the reverse
           raw:HEX these bytes to every request
    FAULT  none (default), close (close without answering), silent (never answer),
           drip (one byte every 10 ms), truncate (without the last byte, then close),
           corrupt (checksum byte changed)
    --count N  accept N connections, then exit once they have ended (one closed over
               --max-connections does not count); otherwise run until SIGINT or SIGTERM
    --idle-timeout SECONDS  close a connection when its next request has not arrived
               whole within this time (fractions allowed; default 30)
    --max-connections N  serve at most N connections at a time (default 64, up to 500);
               a further one is closed at once
    --pcap FILE  record every connection as send --pcap does
    A frame that declares a body over 16 MiB closes its connection. When a log line
    cannot be written (closed pipe, full disk), serve says so once on standard error and
    serves on without the log. Exit status: 0 stopped or count reached, 1 cannot listen
    or a log line or the capture could not be written, 2 usage.
)";

}  // namespace

int RunObjcomm(const std::vector<std::string>& words, std::istream& in, std::ostream& out,
               std::ostream& err) {
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        out << kHelp;
        return words.empty() ? kUsage : 0;
    }
    const std::vector<std::string> args(words.begin() + 1, words.end());
    try {
        if (words[0] == "decode") return RunDecode(args, in, out, err);
        if (words[0] == "frame") return RunFrame(args, out, err);
        if (words[0] == "send") return RunSend(args, out, err);
        if (words[0] == "serve") return RunServe(args, out, err);
        throw CUsageError("unknown verb '" + words[0] + "'");
    } catch (const CUsageError& error) {
        err << "objcomm: " << error.what() << "\n(objcomm --help for usage)\n";
        return kUsage;
    }
}
