#include "files/BinaryFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/ReplacingFile.h"

namespace {

constexpr std::size_t kBufferSize = 1 << 20;

int OpenFlags(BinaryFile::Access access, bool create)
{
    int flags = O_CLOEXEC;
    switch (access) {
    case BinaryFile::Access::Read:
        flags |= O_RDONLY;
        break;
    case BinaryFile::Access::Write:
        flags |= O_WRONLY;
        break;
    case BinaryFile::Access::ReadWrite:
        flags |= O_RDWR;
        break;
    }
    return create ? flags | O_CREAT | O_TRUNC : flags;
}

}  // namespace

BinaryFile::BinaryFile() = default;

BinaryFile::~BinaryFile() { Close(); }

BinaryFile::BinaryFile(BinaryFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      replacing_(std::move(other.replacing_)),
      buffer_(std::move(other.buffer_)),
      readPos_(std::exchange(other.readPos_, 0)),
      readEnd_(std::exchange(other.readEnd_, 0)),
      pending_(std::exchange(other.pending_, 0)),
      error_(std::exchange(other.error_, 0))
{
}

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept
{
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        replacing_ = std::move(other.replacing_);
        buffer_ = std::move(other.buffer_);
        readPos_ = std::exchange(other.readPos_, 0);
        readEnd_ = std::exchange(other.readEnd_, 0);
        pending_ = std::exchange(other.pending_, 0);
        error_ = std::exchange(other.error_, 0);
    }
    return *this;
}

bool BinaryFile::IsOpen() const { return fd_ >= 0 || replacing_ != nullptr; }

void BinaryFile::Reset()
{
    fd_ = -1;
    replacing_.reset();
    readPos_ = readEnd_ = pending_ = 0;
    error_ = 0;
}

int BinaryFile::Open(const std::string& name, Access access, bool create)
{
    Close();
    int fd;
    do
        fd = ::open(name.c_str(), OpenFlags(access, create), 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    // A directory opens for reading but has no bytes to read.
    struct stat info {};
    const int refused = ::fstat(fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
    if (refused != 0) {
        ::close(fd);
        return refused;
    }
    buffer_.resize(kBufferSize);
    fd_ = fd;
    return 0;
}

int BinaryFile::OpenReplacing(const std::string& name)
{
    Close();
    auto file = std::make_unique<platform::ReplacingFile>(name);
    if (!file->IsOpen())
        return file->Error() != 0 ? file->Error() : EIO;
    replacing_ = std::move(file);
    return 0;
}

int BinaryFile::Fail(int error)
{
    error_ = error != 0 ? error : EIO;
    readPos_ = readEnd_ = pending_ = 0;
    return error_;
}

int BinaryFile::FlushPending()
{
    std::size_t done = 0;
    while (done < pending_) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, pending_ - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Fail(n < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(n);
    }
    pending_ = 0;
    return 0;
}

// Before a write after reads, the file position goes back from the end of
// the read-ahead to where the caller has read.
int BinaryFile::DropReadAhead()
{
    const std::size_t unread = readEnd_ - readPos_;
    readPos_ = readEnd_ = 0;
    if (unread > 0 && ::lseek(fd_, -static_cast<off_t>(unread), SEEK_CUR) < 0)
        return Fail(errno);
    return 0;
}

std::size_t BinaryFile::Read(void* bytes, std::size_t count, int& error)
{
    error = fd_ < 0 ? EBADF : error_;
    if (error == 0 && pending_ > 0)
        error = FlushPending();
    if (error != 0)
        return 0;
    char* out = static_cast<char*>(bytes);
    std::size_t done = 0;
    while (done < count) {
        if (readPos_ == readEnd_) {
            ssize_t n;
            do
                n = ::read(fd_, buffer_.data(), buffer_.size());
            while (n < 0 && errno == EINTR);
            if (n < 0) {
                error = Fail(errno);
                return done;
            }
            if (n == 0)
                break;  // the end of the file
            readPos_ = 0;
            readEnd_ = static_cast<std::size_t>(n);
        }
        const std::size_t part = std::min(count - done, readEnd_ - readPos_);
        std::memcpy(out + done, buffer_.data() + readPos_, part);
        readPos_ += part;
        done += part;
    }
    return done;
}

std::size_t BinaryFile::Write(const void* bytes, std::size_t count, int& error)
{
    if (replacing_) {
        error = replacing_->Error();
        if (error != 0)
            return 0;
        if (!replacing_->Write(bytes, count))
            error = replacing_->Error() != 0 ? replacing_->Error() : EIO;
        return count;
    }
    error = fd_ < 0 ? EBADF : error_;
    if (error == 0)
        error = DropReadAhead();
    if (error != 0)
        return 0;
    const char* in = static_cast<const char*>(bytes);
    for (std::size_t done = 0; done < count;) {
        const std::size_t part = std::min(count - done, buffer_.size() - pending_);
        std::memcpy(buffer_.data() + pending_, in + done, part);
        pending_ += part;
        done += part;
        if (pending_ == buffer_.size() && (error = FlushPending()) != 0)
            break;  // the rest goes the way of the buffer, which a failure drops
    }
    return count;
}

int BinaryFile::Commit()
{
    if (replacing_) {
        if (!replacing_->Commit())
            return replacing_->Error() != 0 ? replacing_->Error() : EIO;
        replacing_.reset();
        return 0;
    }
    if (fd_ < 0)
        return EBADF;
    if (error_ != 0)
        return error_;
    if (const int error = FlushPending(); error != 0)
        return error;
    return ::fsync(fd_) == 0 ? 0 : Fail(errno);
}

int BinaryFile::Close()
{
    int error = 0;
    if (fd_ >= 0) {
        if (error_ == 0)
            error = FlushPending();
        if (::close(fd_) != 0 && error == 0)
            error = errno;
    }
    Reset();  // an uncommitted new version is removed with its object
    return error;
}
