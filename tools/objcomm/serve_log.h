#pragma once
#include <mutex>
#include <ostream>
#include <string>

// What serve prints, from whichever connection's thread has something to say: whole lines,
// each flushed at once. The log is a by-product of serving: when a line cannot be written
// (closed pipe, full disk) logging stops, with one line about it on err, and serving goes on.
class CServeLog {
public:
    CServeLog(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    // strLine ends with its newline.
    void Line(const std::string& strLine);
    // A line about serve itself, on err.
    void Problem(const std::string& strLine);
    // Whether a line could not be written.
    bool Failed() const;

private:
    mutable std::mutex m_mutex;
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_bFailed = false;
};
