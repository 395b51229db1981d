#pragma once

#include <sys/wait.h>
#include <unistd.h>
#include <functional>
#include <optional>
#include <string>

// Runs job where file permissions hold: directly for an ordinary user, and in a child process that first
// gives up the superuser's rights (to nobody) when the tests run as root. What job returns comes back;
// nothing comes back when the rights could not be given up. Files the child must reach need rights for
// "others".
inline std::optional<std::string> RunUnprivileged(const std::function<std::string()>& job) {
    if (::geteuid() != 0) return job();
    int fds[2];
    if (::pipe(fds) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        const std::string result = job();
        (void)!::write(fds[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return result;
}
