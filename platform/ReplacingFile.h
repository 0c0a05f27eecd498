#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Writes a new version of a file without ever destroying the old one: the
// bytes go to a temporary file beside the target, which replaces the target
// only when Commit succeeds. Until then, and after any failure, the target is
// left exactly as it was; the temporary file never outlives the object.
// Writes are buffered, so many small writes make few system calls.
class ReplacingFile {
public:
    explicit ReplacingFile(std::string target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // 0 or the error number of the first failure; after a failure every
    // further call fails with it.
    int Error() const { return error_; }

    bool Write(const void* bytes, std::size_t count);
    bool Write(std::string_view bytes) { return Write(bytes.data(), bytes.size()); }
    // Flushes, syncs and renames the temporary file over the target.
    bool Commit();

private:
    bool Flush();
    void Fail(int error);

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    int error_ = 0;
    std::string buffer_;
};

}  // namespace platform
