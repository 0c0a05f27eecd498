#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "journal/Progress.h"
#include "journal/Reports.h"
#include "platform/MessageBoxes.h"
#include "platform/Regional.h"
#include "platform/Sleep.h"

namespace fuzzing {

FuzzEnvironment::FuzzEnvironment()
{
    // A folder in memory where there is one: inputs are written there all the time.
    const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/linsys-fuzz-XXXXXX";
    Require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
    scratch_ = pattern;
    platform::SetMessageBoxes(nullptr);
    platform::SetDecimalSeparator('.');
    platform::SetSleepFunction([](int) {});
    InitReport(&memo_);
    InitProgress(&status_, &bar_);
    SetDebugMode(true);
}

FuzzEnvironment::~FuzzEnvironment()
{
    InitProgress(nullptr, nullptr);
    InitReport(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(scratch_, ignored);
}

std::string FuzzEnvironment::WriteScratchFile(const std::string& name, const std::uint8_t* data,
                                              std::size_t size) const
{
    const std::string path = scratch_ + "/" + name;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    Require(fd >= 0, "the scratch file opens");
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        Require(n > 0, "the scratch file is written");
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return path;
}

void Require(bool holds, const char* invariant)
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

std::uint8_t FuzzBytes::TakeByte() { return position_ < size_ ? data_[position_++] : 0; }

long double FuzzBytes::TakeExtended()
{
    std::uint8_t bytes[10] = {};
    const std::size_t count = Remaining() < sizeof bytes ? Remaining() : sizeof bytes;
    std::memcpy(bytes, data_ + position_, count);
    position_ += count;
    long double value = 0;
    std::memcpy(&value, bytes, sizeof bytes);
    return value;
}

long double Canonical(long double value)
{
    volatile long double stored = value;
    return stored + 0.0L;
}

}  // namespace fuzzing
