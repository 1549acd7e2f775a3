#include <istream>
#include <ostream>

#include "objcomm/hex.h"
#include "objcomm/in_binary_string.h"
#include "tools/objcomm/commands.h"
#include "tools/objcomm/response_printer.h"
#include "tools/objcomm/stream_check.h"
#include "tools/objcomm/text_escape.h"
#include "tools/objcomm/usage_error.h"

namespace {

constexpr int kAllDecoded = 0;
constexpr int kSomeFlawed = 1;
constexpr int kBadInput = 2;
const std::string kWho = "objcomm decode";

struct CDecodeOptions {
    DWORD dwContext = 0;
    bool bJson = false;
};

// Decodes one hex frame; false when the hex itself is bad (reported on err). bFlawed is set
// when the frame was rejected or bytes followed it.
bool DecodeHexFrame(const std::string& strHex, const std::string& strWhere,
                    const CDecodeOptions& options, std::ostream& out, std::ostream& err,
                    bool& bFlawed) {
    CInBinaryString reader;
    CString error;
    if (!ParseHexBytes(strHex, reader.GetBytes(), &error)) {
        err << kWho << ": " << strWhere << ": " << error << "\n";
        return false;
    }
    const CDecodedFrame decoded = DecodeFrame(reader, options.dwContext);
    PrintDecodedFrame(out, decoded, options.bJson);
    bFlawed = bFlawed || !decoded.response;
    if (decoded.response && !reader.IsExhausted()) {
        err << kWho << ": " << strWhere << ": " << reader.GetRemaining()
            << " bytes after the frame\n";
        bFlawed = true;
    }
    return true;
}

}  // namespace

int RunDecode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err) {
    CDecodeOptions options;
    std::vector<std::string> frames;
    for (const std::string& arg : args) {
        if (arg == "--extended") {
            options.dwContext = 1;
        } else if (arg == "--json") {
            options.bJson = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            throw CUsageError("unknown option '" + arg + "' for decode");
        } else {
            frames.push_back(arg);
        }
    }

    bool bFlawed = false;
    for (size_t i = 0; i < frames.size(); ++i) {
        const std::string where =
            "argument " + std::to_string(i + 1) + " '" + EscapeText(frames[i]) + "'";
        if (!DecodeHexFrame(frames[i], where, options, out, err, bFlawed)) return kBadInput;
    }
    if (frames.empty()) {
        std::string line;
        // Output that cannot be written ends the run: nothing more would arrive either.
        for (int nLine = 1; out && std::getline(in, line); ++nLine) {
            if (line.find_first_not_of(" \t\r") == std::string::npos || line[0] == '#') continue;
            const std::string where = "line " + std::to_string(nLine);
            if (!DecodeHexFrame(line, where, options, out, err, bFlawed)) return kBadInput;
        }
        if (!InputRead(in, err, kWho)) return kSomeFlawed;
    }
    if (!OutputWritten(out, err, kWho)) return kSomeFlawed;
    return bFlawed ? kSomeFlawed : kAllDecoded;
}
