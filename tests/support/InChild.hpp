// A forked child for what a test must not do in its own process (change its user, say).
#pragma once

#include <sys/wait.h>
#include <unistd.h>

namespace test_support {

// Runs `body` in a forked child and returns its result (0 to 255), or -1 when the child did not end
// normally.
template <class Body> int InChild(Body body) {
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace test_support
