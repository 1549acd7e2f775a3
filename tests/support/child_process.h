#pragma once
// Runs a built program, or a function, as a child process, for tests that drive the
// command-line tools end to end or need a second process or user.
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace station_test {

struct CChildOptions {
    // Standard error on a pipe too, else where the test's own goes.
    bool bCaptureErrors = false;
    // Standard input from /dev/null, so the program sees no terminal.
    bool bStdinFromNull = false;
    // Standard input from this file, standard output to this one instead of the pipe.
    const char* pszStdin = nullptr;
    const char* pszStdout = nullptr;
    // As the user "nobody" when the tests run as root, whom file permissions do not stop.
    bool bAsNobody = false;
};

class CChildProcess {
public:
    // Starts argv[0] with standard output piped.
    CChildProcess(const std::vector<std::string>& argv, const CChildOptions& options);
    CChildProcess(const std::vector<std::string>& argv, bool bCaptureErrors)
        : CChildProcess(argv, CChildOptions{.bCaptureErrors = bCaptureErrors}) {}
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;
    // Kills the process if it still runs.
    ~CChildProcess();

    // The next line of standard output, without its newline; "" and a test failure when
    // none comes in time.
    std::string ReadLine(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    void Signal(int nSignal);
    // Closes the reading end of standard output, as a reader that has had enough does.
    void CloseOutput();
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
CProcessResult RunProcess(const std::vector<std::string>& argv, CChildOptions options = {});

// Runs a program on a fresh pseudo-terminal that has strInput typed into it; strOut holds
// both streams together with the terminal's echo of the input.
CProcessResult RunOnTerminal(const std::vector<std::string>& argv, const std::string& strInput);

// Forks a child that runs body and leaves with its result through _exit, so nothing of the
// test framework runs twice. As "nobody", it may also be a member of the group memberOf.
pid_t StartFunction(const std::function<int()>& body, bool bAsNobody = false,
                    std::optional<gid_t> memberOf = std::nullopt);
// The child's exit status, or 128 + the signal that ended it.
int WaitFunction(pid_t pid);

}  // namespace station_test
