#include "tests/support/child_process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

extern char** environ;

namespace station_test {

namespace {

void ClosePipe(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

}  // namespace

CChildProcess::CChildProcess(const std::vector<std::string>& argv, bool bCaptureErrors) {
    int out[2] = {-1, -1};
    int err[2] = {-1, -1};
    if (pipe2(out, O_CLOEXEC) != 0 || (bCaptureErrors && pipe2(err, O_CLOEXEC) != 0)) {
        ADD_FAILURE() << "pipe failed";
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    if (bCaptureErrors) {
        posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
        posix_spawn_file_actions_addclose(&actions, err[0]);
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const int nError = posix_spawn(&m_pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ClosePipe(out[1]);
    ClosePipe(err[1]);
    m_fdOut = out[0];
    m_fdErr = err[0];
    if (nError != 0) {
        ADD_FAILURE() << "cannot start " << argv[0] << ": " << std::strerror(nError);
        m_pid = -1;
    }
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

CProcessResult RunProcess(const std::vector<std::string>& argv) {
    CChildProcess process(argv, true);
    const int nStatus = process.Wait();
    return {nStatus, process.GetOutput(), process.GetErrors()};
}

}  // namespace station_test
