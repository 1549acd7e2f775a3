#include <ostream>

#include "objcomm/hex.h"
#include "tools/objcomm/commands.h"
#include "tools/objcomm/request_options.h"

int RunFrame(const std::vector<std::string>& args, std::ostream& out) {
    CRequestSpec spec = ParseRequest(args, 0, true);
    COutBinaryString frame;
    spec.message->BuildPacket(frame, spec.wTag, spec.strIdentifier, spec.bLongLength);
    out << ToHex(frame.GetBytes()) << "\n";
    return 0;
}
