#include "tests/support/child_process.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace station_test {

namespace {

void ClosePipe(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

void BecomeNobody(bool bAsNobody, std::optional<gid_t> memberOf = std::nullopt) {
    constexpr uid_t kNobody = 65534;
    if (!bAsNobody || geteuid() != 0) return;
    const size_t nGroups = memberOf ? 1 : 0;
    if (setgroups(nGroups, memberOf ? &*memberOf : nullptr) != 0 || setgid(kNobody) != 0 ||
        setuid(kNobody) != 0) {
        _exit(125);
    }
}

// The argument vector execv takes, built before fork so the child need not allocate.
std::vector<char*> ArgumentsOf(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    return args;
}

// In the child: runs the program in place of the test; 127 when it cannot.
[[noreturn]] void Execute(const std::vector<char*>& args, bool bAsNobody) {
    BecomeNobody(bAsNobody);
    // As a shell starts it, whatever this test program does about SIGPIPE.
    signal(SIGPIPE, SIG_DFL);
    execv(args[0], args.data());
    _exit(127);
}

}  // namespace

CChildProcess::CChildProcess(const std::vector<std::string>& argv, const CChildOptions& options) {
    int out[2] = {-1, -1};
    int err[2] = {-1, -1};
    if (pipe2(out, O_CLOEXEC) != 0 || (options.bCaptureErrors && pipe2(err, O_CLOEXEC) != 0)) {
        ADD_FAILURE() << "pipe failed";
        return;
    }
    if (access(argv[0].c_str(), X_OK) != 0) ADD_FAILURE() << "cannot start " << argv[0];
    const std::vector<char*> args = ArgumentsOf(argv);
    m_pid = fork();
    if (m_pid == 0) {
        const char* pszStdin = options.bStdinFromNull ? "/dev/null" : options.pszStdin;
        if (pszStdin) dup2(open(pszStdin, O_RDONLY | O_CLOEXEC), STDIN_FILENO);
        dup2(options.pszStdout ? open(options.pszStdout, O_WRONLY | O_CLOEXEC) : out[1],
             STDOUT_FILENO);
        if (options.bCaptureErrors) dup2(err[1], STDERR_FILENO);
        Execute(args, options.bAsNobody);
    }
    if (m_pid < 0) ADD_FAILURE() << "cannot fork: " << std::strerror(errno);
    ClosePipe(out[1]);
    ClosePipe(err[1]);
    m_fdOut = out[0];
    m_fdErr = err[0];
}

CChildProcess::~CChildProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    ClosePipe(m_fdOut);
    ClosePipe(m_fdErr);
}

bool CChildProcess::Drain(std::chrono::steady_clock::time_point deadline, bool bUntilLine) {
    for (;;) {
        if (bUntilLine && m_strOut.find('\n') != std::string::npos) return true;
        pollfd entries[2];
        std::string* sinks[2];
        int* fds[2];
        nfds_t nCount = 0;
        for (auto [pFd, pSink] : {std::pair{&m_fdOut, &m_strOut}, std::pair{&m_fdErr, &m_strErr}}) {
            if (*pFd < 0) continue;
            entries[nCount] = {*pFd, POLLIN, 0};
            sinks[nCount] = pSink;
            fds[nCount++] = pFd;
        }
        if (nCount == 0) return true;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const int nReady =
            poll(entries, nCount, static_cast<int>(std::max<long long>(left.count(), 0)));
        if (nReady == 0) return false;
        if (nReady < 0 && errno != EINTR) return false;
        for (nfds_t i = 0; i < nCount && nReady > 0; ++i) {
            if (entries[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t nRead = read(*fds[i], buffer, sizeof buffer);
            if (nRead > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(nRead));
            } else if (nRead == 0 || errno != EINTR) {
                ClosePipe(*fds[i]);
            }
        }
    }
}

std::string CChildProcess::ReadLine(std::chrono::milliseconds timeout) {
    Drain(std::chrono::steady_clock::now() + timeout, true);
    const size_t nEnd = m_strOut.find('\n');
    if (nEnd == std::string::npos) {
        ADD_FAILURE() << "no line on standard output; so far: '" << m_strOut << "'";
        return "";
    }
    std::string line = m_strOut.substr(0, nEnd);
    m_strOut.erase(0, nEnd + 1);
    return line;
}

void CChildProcess::Signal(int nSignal) {
    if (m_pid > 0) kill(m_pid, nSignal);
}

void CChildProcess::CloseOutput() {
    ClosePipe(m_fdOut);
}

int CChildProcess::Wait(std::chrono::milliseconds timeout) {
    if (m_pid <= 0) return -1;
    if (!Drain(std::chrono::steady_clock::now() + timeout, false)) {
        ADD_FAILURE() << "the process did not end in time";
        return -1;
    }
    int nStatus = 0;
    waitpid(m_pid, &nStatus, 0);
    m_pid = -1;
    if (!WIFEXITED(nStatus)) {
        ADD_FAILURE() << "the process ended by signal " << WTERMSIG(nStatus);
        return -1;
    }
    return WEXITSTATUS(nStatus);
}

CProcessResult RunProcess(const std::vector<std::string>& argv, CChildOptions options) {
    options.bCaptureErrors = true;
    CChildProcess process(argv, options);
    const int nStatus = process.Wait();
    return {nStatus, process.GetOutput(), process.GetErrors()};
}

CProcessResult RunOnTerminal(const std::vector<std::string>& argv, const std::string& strInput) {
    const std::vector<char*> args = ArgumentsOf(argv);
    int nTerminal = -1;
    const pid_t pid = forkpty(&nTerminal, nullptr, nullptr, nullptr);
    if (pid == 0) Execute(args, false);
    if (pid < 0) return {-1, "", ""};
    // The line discipline keeps the typed lines until the program reads them. Should the
    // write fail, the program meets end of input, which the test then sees as a refusal.
    const ssize_t nWritten = write(nTerminal, strInput.data(), strInput.size());
    (void)nWritten;
    CProcessResult result{-1, "", ""};
    // Reading fails, rather than ends, once the program is gone and the terminal hangs up.
    char buffer[4096];
    for (ssize_t nRead; (nRead = read(nTerminal, buffer, sizeof buffer)) != 0;) {
        if (nRead > 0)
            result.strOut.append(buffer, static_cast<size_t>(nRead));
        else if (errno != EINTR)
            break;
    }
    close(nTerminal);
    result.nStatus = WaitFunction(pid);
    return result;
}

pid_t StartFunction(const std::function<int()>& body, bool bAsNobody,
                    std::optional<gid_t> memberOf) {
    const pid_t pid = fork();
    if (pid == 0) {
        BecomeNobody(bAsNobody, memberOf);
        _exit(body());
    }
    return pid;
}

int WaitFunction(pid_t pid) {
    int nStatus = 0;
    if (pid < 0 || waitpid(pid, &nStatus, 0) != pid) return -1;
    return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : 128 + WTERMSIG(nStatus);
}

}  // namespace station_test
