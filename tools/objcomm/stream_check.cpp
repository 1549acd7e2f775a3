#include "tools/objcomm/stream_check.h"

#include <cerrno>
#include <cstring>

bool OutputWritten(std::ostream& out, std::ostream& err, const std::string& strWho) {
    errno = 0;
    out.flush();
    if (out) return true;
    err << strWho << ": cannot write standard output" << ErrnoSuffix() << "\n";
    return false;
}

bool InputRead(const std::istream& in, std::ostream& err, const std::string& strWho) {
    if (!in.bad()) return true;
    err << strWho << ": cannot read standard input" << ErrnoSuffix() << "\n";
    return false;
}

std::string ErrnoSuffix() {
    return errno == 0 ? "" : std::string(": ") + std::strerror(errno);
}
