#pragma once

#include <string>
#include <string_view>

namespace platform {

// File-name helpers of the operating system layer. Names are UTF-8; only
// bytes up to and including the blank count as blanks or control characters.
std::string TrimName(std::string_view name);
std::string ExtractFileName(std::string_view path);  // the part after the last '/'
std::string ExtractFileDir(std::string_view path);   // the part up to and including the last '/'
bool FileExists(const std::string& path);            // an existing file that is not a directory
std::string UpperCaseAscii(std::string_view text);   // a to z only; other bytes stay
// Appends the extension (".esm", ".txt") unless the name already ends with
// it in any letter case.
std::string WithExtension(std::string_view name, std::string_view extension);
// The system's message text for an error number.
std::string SystemErrorMessage(int code);

}  // namespace platform
