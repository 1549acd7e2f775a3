#pragma once
// Runs a built program as a child process, with its output on pipes, for tests that drive
// the command-line tools end to end.
#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace station_test {

class CChildProcess {
public:
    // Starts argv[0] with standard output piped; standard error too with bCaptureErrors,
    // else it goes where the test's own goes.
    CChildProcess(const std::vector<std::string>& argv, bool bCaptureErrors);
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;
    // Kills the process if it still runs.
    ~CChildProcess();

    // The next line of standard output, without its newline; "" and a test failure when
    // none comes in time.
    std::string ReadLine(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    void Signal(int nSignal);
    // Reads both outputs to their end, then returns the exit status; -1 and a test failure
    // when the process does not end in time or ends by a signal.
    int Wait(std::chrono::milliseconds timeout = std::chrono::seconds(30));

    // Output read by Wait and not yet taken by ReadLine.
    const std::string& GetOutput() const { return m_strOut; }
    const std::string& GetErrors() const { return m_strErr; }

private:
    // Reads what each pipe has; false when the time ran out before both ended.
    bool Drain(std::chrono::steady_clock::time_point deadline, bool bUntilLine);

    pid_t m_pid = -1;
    int m_fdOut = -1;
    int m_fdErr = -1;
    std::string m_strOut;
    std::string m_strErr;
};

struct CProcessResult {
    int nStatus;
    std::string strOut;
    std::string strErr;
};

// Runs a program to its end, both outputs captured.
CProcessResult RunProcess(const std::vector<std::string>& argv);

}  // namespace station_test
