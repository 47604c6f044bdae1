// Another program's lease on a file, as a file server holds one for a client that has the file open: a
// child process takes it and lets go one second after the kernel asks it to.
#pragma once

#include <string>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lease_test {

class LeaseHolder {
  public:
    // `lease` is F_RDLCK (broken by an open for writing) or F_WRLCK (broken by any open). The file must
    // be the caller's, and for F_WRLCK open nowhere else.
    LeaseHolder(const std::string& path, int lease) {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        // Blocked before the fork, so that the child cannot miss the kernel's signal.
        sigset_t io;
        sigset_t before;
        sigemptyset(&io);
        sigaddset(&io, SIGIO);
        pthread_sigmask(SIG_BLOCK, &io, &before);
        child_ = fork();
        if (child_ == 0)
            Hold(path.c_str(), lease, ready[1], before);
        pthread_sigmask(SIG_SETMASK, &before, nullptr);
        close(ready[1]);
        char taken = 0;
        held_ = child_ > 0 && read(ready[0], &taken, 1) == 1 && taken == 1;
        close(ready[0]);
    }
    ~LeaseHolder() {
        if (child_ > 0) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
    }
    LeaseHolder(const LeaseHolder&) = delete;
    LeaseHolder& operator=(const LeaseHolder&) = delete;

    // False where the file system or the kernel takes no leases.
    bool held() const { return held_; }

  private:
    [[noreturn]] static void Hold(const char* path, int lease, int ready, const sigset_t& unblocked) {
        struct sigaction asked {};
        asked.sa_handler = [](int) {};
        sigaction(SIGIO, &asked, nullptr);
        const int fd = open(path, lease == F_RDLCK ? O_RDONLY : O_RDWR);
        const char taken = fd >= 0 && fcntl(fd, F_SETLEASE, lease) == 0 ? 1 : 0;
        (void)!write(ready, &taken, 1);
        if (taken == 1) {
            sigsuspend(&unblocked);
            sleep(1);
            fcntl(fd, F_SETLEASE, F_UNLCK);
        }
        _exit(0);
    }

    pid_t child_ = -1;
    bool held_ = false;
};

} // namespace lease_test
