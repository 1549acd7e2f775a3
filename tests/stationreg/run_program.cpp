#include "tests/stationreg/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

namespace {

[[noreturn]] void Execute(const std::string& strProgram, const std::vector<std::string>& args) {
    std::vector<char*> argv = {const_cast<char*>(strProgram.c_str())};
    for (const std::string& strArg : args) argv.push_back(const_cast<char*>(strArg.c_str()));
    argv.push_back(nullptr);
    execv(strProgram.c_str(), argv.data());
    _exit(127);
}

// Reads every descriptor until it ends (or fails, as a terminal does once the child is gone).
void ReadAll(std::vector<std::pair<int, std::string*>> streams) {
    while (!streams.empty()) {
        std::vector<pollfd> fds;
        for (const auto& stream : streams) fds.push_back({stream.first, POLLIN, 0});
        poll(fds.data(), fds.size(), -1);
        for (size_t i = fds.size(); i-- > 0;) {
            if (fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t nRead = read(fds[i].fd, buffer, sizeof(buffer));
            if (nRead > 0) {
                streams[i].second->append(buffer, static_cast<size_t>(nRead));
            } else {
                close(fds[i].fd);
                streams.erase(streams.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }
}

}  // namespace

CProgramResult RunProgram(const std::string& strProgram, const std::vector<std::string>& args,
                          EChildUser user) {
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        const int nNull = open("/dev/null", O_RDONLY);
        dup2(nNull, STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        for (const int fd : {nNull, out[0], out[1], err[0], err[1]}) close(fd);
        BecomeUnprivileged(user);
        Execute(strProgram, args);
    }
    close(out[1]);
    close(err[1]);
    CProgramResult result;
    ReadAll({{out[0], &result.strOut}, {err[0], &result.strErr}});
    result.nExit = WaitChild(pid);
    return result;
}

CProgramResult RunOnTerminal(const std::string& strProgram, const std::vector<std::string>& args,
                             const std::string& strInput) {
    int nTerminal = -1;
    const pid_t pid = forkpty(&nTerminal, nullptr, nullptr, nullptr);
    if (pid == 0) Execute(strProgram, args);
    if (pid < 0) return {};
    // The line discipline keeps the typed lines until the program reads them. Should the
    // write fail, the program meets end of input, which the test then sees as a refusal.
    const ssize_t nWritten = write(nTerminal, strInput.data(), strInput.size());
    (void)nWritten;
    CProgramResult result;
    ReadAll({{nTerminal, &result.strOut}});
    result.nExit = WaitChild(pid);
    return result;
}
