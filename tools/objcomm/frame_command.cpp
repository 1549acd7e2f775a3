#include <ostream>

#include "objcomm/hex.h"
#include "tools/objcomm/commands.h"
#include "tools/objcomm/request_options.h"
#include "tools/objcomm/stream_check.h"

namespace {

constexpr int kFramed = 0;
constexpr int kOutputFailed = 1;

}  // namespace

int RunFrame(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CCommandLineRequest request = ParseRequest(args, 0, true);
    COutBinaryString frame;
    request.message->BuildPacket(frame, request.wTag, request.strIdentifier, request.bLongLength);
    out << ToHex(frame.GetBytes()) << "\n";
    return OutputWritten(out, err, "objcomm frame") ? kFramed : kOutputFailed;
}
