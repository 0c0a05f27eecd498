#include "platform/ReplacingFile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::size_t kBufferSize = 1 << 20;

std::string TemporaryNameFor(const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    return target + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

}  // namespace

ReplacingFile::ReplacingFile(std::string target) : target_(std::move(target))
{
    // An existing target keeps its permissions, and one the user may not
    // write stays unwritten, as if it were overwritten in place.
    struct stat old {};
    const bool exists = ::stat(target_.c_str(), &old) == 0;
    if (exists && ::access(target_.c_str(), W_OK) != 0) {
        error_ = errno;
        return;
    }
    if (exists && S_ISDIR(old.st_mode)) {
        error_ = EISDIR;
        return;
    }
    // Never follow a name that already exists: a fresh name, created here.
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporary_ = TemporaryNameFor(target_);
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        error_ = errno;
        temporary_.clear();
        return;
    }
    if (exists)
        ::fchmod(fd_, old.st_mode & 07777);
    buffer_.reserve(kBufferSize);
}

ReplacingFile::~ReplacingFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
}

void ReplacingFile::Fail(int error)
{
    if (error_ == 0)
        error_ = error ? error : EIO;
}

bool ReplacingFile::Flush()
{
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            Fail(n < 0 ? errno : ENOSPC);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    buffer_.clear();
    return true;
}

bool ReplacingFile::Write(const void* bytes, std::size_t count)
{
    if (fd_ < 0 || error_ != 0)
        return false;
    const char* data = static_cast<const char*>(bytes);
    while (count > 0) {
        const std::size_t room = kBufferSize - buffer_.size();
        const std::size_t part = count < room ? count : room;
        buffer_.append(data, part);
        data += part;
        count -= part;
        if (buffer_.size() == kBufferSize && !Flush())
            return false;
    }
    return true;
}

bool ReplacingFile::Commit()
{
    if (fd_ < 0 || error_ != 0)
        return false;
    if (!Flush())
        return false;
    if (::fsync(fd_) != 0) {
        Fail(errno);
        return false;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        Fail(errno);
        return false;
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Fail(errno);
        return false;
    }
    temporary_.clear();
    return true;
}

}  // namespace platform
