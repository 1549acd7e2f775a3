#include "tests/registry/child_process.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr uid_t kNobody = 65534;
}

void BecomeUnprivileged(EChildUser user) {
    if (user != EChildUser::Unprivileged || geteuid() != 0) return;
    if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(125);
}

pid_t StartChild(const std::function<int()>& body, EChildUser user) {
    const pid_t pid = fork();
    if (pid == 0) {
        BecomeUnprivileged(user);
        _exit(body());
    }
    return pid;
}

int WaitChild(pid_t pid) {
    int nStatus = 0;
    if (pid < 0 || waitpid(pid, &nStatus, 0) != pid) return -1;
    return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : 128 + WTERMSIG(nStatus);
}
