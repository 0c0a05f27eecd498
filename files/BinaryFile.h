#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class ReplacingFile;
}

// The file object of a record file block. Transfers go through a 1 MiB
// buffer, so a file handled one small record at a time costs one system call
// per megabyte, not one per record. Operations report 0 or the platform's
// error number. After a failed transfer the position in the file is unknown,
// so every later transfer fails with the same error.
class BinaryFile {
public:
    enum class Access { Read, Write, ReadWrite };

    BinaryFile();
    ~BinaryFile();
    BinaryFile(BinaryFile&& other) noexcept;
    BinaryFile& operator=(BinaryFile&& other) noexcept;

    bool IsOpen() const;

    // Opens an existing file; with create the file is made, or emptied if it
    // exists. A directory is refused with EISDIR.
    int Open(const std::string& name, Access access, bool create);
    // Opens a new version of the file for writing: the bytes go to a
    // temporary file beside it, which takes its place only in Commit and is
    // removed by a Close before that, so the old file is never damaged.
    int OpenReplacing(const std::string& name);

    // Reads up to count bytes and returns how many arrived: fewer only at
    // the end of the file or when error is set.
    std::size_t Read(void* bytes, std::size_t count, int& error);
    // Takes count bytes and returns count, or 0 when an earlier failure
    // stands. The buffer goes to the file when it is full, so error may come
    // from bytes taken by this call or by earlier ones; a failure drops
    // everything still buffered.
    std::size_t Write(const void* bytes, std::size_t count, int& error);
    // Sends everything taken to the file and makes it durable; a new version
    // then takes the old file's place and the object is closed.
    int Commit();
    // Closes the file. Bytes still buffered are sent first, unless a
    // transfer has already failed (that failure was reported then); a new
    // version that was not committed is removed.
    int Close();

private:
    int FlushPending();
    int DropReadAhead();
    int Fail(int error);
    void Reset();

    int fd_ = -1;
    std::unique_ptr<platform::ReplacingFile> replacing_;
    std::vector<char> buffer_;
    std::size_t readPos_ = 0;  // unread bytes are buffer_[readPos_, readEnd_)
    std::size_t readEnd_ = 0;
    std::size_t pending_ = 0;  // bytes buffer_[0, pending_) wait to be written
    int error_ = 0;
};
