#pragma once

#include <cstdint>
#include <string>

#include "files/BinaryFile.h"

// Files of fixed-size records, read and written one checked record at a
// time. Every operation leaves its outcome in the block instead of raising;
// only the close tells the user about a failure.

// The control block of one record file. The caller owns it; a value-
// initialised block is the empty state.
struct TUFCB {
    std::string FileName;         // the name it was opened under; empty if not opened
    std::uint16_t Mode = 0;       // 0 read, 1 write, 2 read and write
    std::int32_t RecSize = 0;     // bytes per record
    void* Buffer = nullptr;       // the caller's record buffer of RecSize bytes, not owned
    BinaryFile FileVar;
    bool IsOpen = false;
    std::int32_t LastError = 0;   // 0, the platform's error number, or kWrongRecordCount
    std::int32_t RecCount = 0;    // whole records moved by the last read or write
    std::string ErrorText;        // the text of LastError, never empty after an operation
};

// The code of a read or write that moved other than one whole record.
inline constexpr std::int32_t kWrongRecordCount = 199;

// Mode 0 opens an existing file for reading; modes 1 and 2 with Create make
// the file (emptying an existing one) for reading and writing; without
// Create mode 1 opens an existing file for writing only, mode 2 for both.
bool OpenUFCB(const std::string& FileName, std::uint16_t Mode, bool Create, std::int32_t RecSize,
              void* Buffer, TUFCB& UFCB);
// Opens a new version of FileName in mode 1. The records go to a temporary
// file beside it that replaces FileName only in CommitUFCB; closing the block
// before that removes the temporary file and leaves FileName as it was.
bool OpenReplacingUFCB(const std::string& FileName, std::int32_t RecSize, void* Buffer, TUFCB& UFCB);

// One record into Buffer (modes 0 and 2); the end of the file, or less than
// a whole record left, is a wrong count.
bool ReadUFCB(TUFCB& UFCB);
// One record from Buffer (modes 1 and 2). Records are buffered: the error of
// sending earlier ones to the file may surface here or in CommitUFCB.
bool WriteUFCB(TUFCB& UFCB);
// Sends every record written so far to the file and to the disk (modes 1
// and 2); a block from OpenReplacingUFCB then takes the place of its target.
// Until this succeeds, written records are not known to be stored.
bool CommitUFCB(TUFCB& UFCB);
// Closes an open block; a failure left by the last operation gets a debug
// line and an Error box. A failure of the close itself, such as records that
// could not be sent to the file, is raised as std::system_error.
void ColoseUFCB(TUFCB& UFCB);
