#include <ostream>

#include "objcomm/hex.h"
#include "tools/objcomm/commands.h"
#include "tools/objcomm/request_options.h"

int RunFrame(const std::vector<std::string>& args, std::ostream& out) {
    CCommandLineRequest request = ParseRequest(args, 0, true);
    COutBinaryString frame;
    request.message->BuildPacket(frame, request.wTag, request.strIdentifier, request.bLongLength);
    out << ToHex(frame.GetBytes()) << "\n";
    return 0;
}
