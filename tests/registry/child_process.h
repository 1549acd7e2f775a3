#pragma once
#include <sys/types.h>

#include <functional>

// Who a child process runs as. Unprivileged means the user "nobody" when the tests run as
// root, whom file permissions do not stop; otherwise the tests' own user.
enum class EChildUser { Same, Unprivileged };

// Forks a child that runs body and leaves with its result through _exit, so nothing of the
// test framework runs twice.
pid_t StartChild(const std::function<int()>& body, EChildUser user = EChildUser::Same);
// The child's exit status, or 128 + the signal that ended it.
int WaitChild(pid_t pid);

inline int RunInChild(const std::function<int()>& body, EChildUser user = EChildUser::Same) {
    return WaitChild(StartChild(body, user));
}

// In a child process: gives up root for "nobody". Does nothing when not root.
void BecomeUnprivileged(EChildUser user);
