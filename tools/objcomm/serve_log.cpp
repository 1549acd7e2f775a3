#include "tools/objcomm/serve_log.h"

#include <cerrno>

#include "tools/objcomm/stream_check.h"

void CServeLog::Line(const std::string& strLine) {
    std::lock_guard lock(m_mutex);
    if (m_bFailed) return;
    errno = 0;
    m_out << strLine << std::flush;
    if (m_out) return;
    m_bFailed = true;
    m_err << "objcomm serve: cannot write the log" << ErrnoSuffix() << "; serving on without it"
          << std::endl;
}

void CServeLog::Problem(const std::string& strLine) {
    std::lock_guard lock(m_mutex);
    m_err << strLine << std::flush;
}

bool CServeLog::Failed() const {
    std::lock_guard lock(m_mutex);
    return m_bFailed;
}
