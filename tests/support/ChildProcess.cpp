#include "tests/support/ChildProcess.h"

#include <csignal>
#include <exception>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {
namespace {

void WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

void SetLimit(int resource, long bytes)
{
    if (bytes < 0)
        return;
    rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
    setrlimit(resource, &limit);
}

}  // namespace

ChildResult RunInChild(const ChildLimits& limits, const std::function<std::string()>& body)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        if (limits.dropRoot && ::geteuid() == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(3);
        }
        SetLimit(RLIMIT_FSIZE, limits.fileSizeLimit);
        SetLimit(RLIMIT_AS, limits.addressSpaceLimit);
        int code = 0;
        std::string output;
        try {
            output = body();
        } catch (const std::exception& e) {
            output = std::string("exception: ") + e.what();
            code = 1;
        } catch (...) {
            output = "exception";
            code = 1;
        }
        WriteAll(fds[1], output);
        ::close(fds[1]);
        ::_exit(code);
    }
    ::close(fds[1]);
    ChildResult result;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        result.output.append(buffer, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitedNormally = WIFEXITED(status);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

long AddressSpaceInUse()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmSize:"))
            return std::stol(line.substr(7)) * 1024;  // the kernel counts in kB
    return -1;
}

bool AddressSpaceLimitsWork()
{
#if defined(__SANITIZE_ADDRESS__)
    return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return false;
#else
    return true;
#endif
#else
    return true;
#endif
}

}  // namespace testing_support
