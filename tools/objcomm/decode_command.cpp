#include <istream>
#include <ostream>

#include "objcomm/hex.h"
#include "tools/objcomm/commands.h"
#include "tools/objcomm/response_printer.h"
#include "tools/objcomm/usage_error.h"

namespace {

constexpr int kAllDecoded = 0;
constexpr int kSomeRejected = 1;
constexpr int kBadInput = 2;

struct CDecodeOptions {
    DWORD dwContext = 0;
    bool bJson = false;
};

// Decodes one hex frame; false when the hex itself is bad (reported on err).
bool DecodeHexFrame(const std::string& strHex, const std::string& strWhere,
                    const CDecodeOptions& options, std::ostream& out, std::ostream& err,
                    bool& bRejected) {
    CByteArray frame;
    CString error;
    if (!ParseHexBytes(strHex, frame, &error)) {
        err << "objcomm decode: " << strWhere << ": " << error << "\n";
        return false;
    }
    const CDecodedFrame decoded = DecodeFrame(frame, options.dwContext);
    bRejected = bRejected || !decoded.response;
    PrintDecodedFrame(out, decoded, options.bJson);
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

    bool bRejected = false;
    for (size_t i = 0; i < frames.size(); ++i) {
        const std::string where = "argument " + std::to_string(i + 1) + " '" + frames[i] + "'";
        if (!DecodeHexFrame(frames[i], where, options, out, err, bRejected)) return kBadInput;
    }
    if (frames.empty()) {
        std::string line;
        for (int nLine = 1; std::getline(in, line); ++nLine) {
            if (line.find_first_not_of(" \t\r") == std::string::npos || line[0] == '#') continue;
            const std::string where = "line " + std::to_string(nLine);
            if (!DecodeHexFrame(line, where, options, out, err, bRejected)) return kBadInput;
        }
    }
    return bRejected ? kSomeRejected : kAllDecoded;
}
