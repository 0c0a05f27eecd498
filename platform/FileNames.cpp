#include "platform/FileNames.h"

#include <cstring>
#include <sys/stat.h>

namespace platform {

std::string TrimName(std::string_view name)
{
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t begin = 0;
    std::size_t end = name.size();
    while (begin < end && isBlank(name[begin]))
        ++begin;
    while (end > begin && isBlank(name[end - 1]))
        --end;
    return std::string(name.substr(begin, end - begin));
}

std::string ExtractFileName(std::string_view path)
{
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtractFileDir(std::string_view path)
{
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1));
}

bool FileExists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string UpperCaseAscii(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string WithExtension(std::string_view name, std::string_view extension)
{
    const bool hasIt = name.size() >= extension.size()
        && UpperCaseAscii(name.substr(name.size() - extension.size())) == UpperCaseAscii(extension);
    return hasIt ? std::string(name) : std::string(name) + std::string(extension);
}

std::string SystemErrorMessage(int code)
{
    char buffer[256];
    // The GNU strerror_r returns the message, which may or may not be the buffer.
    return strerror_r(code, buffer, sizeof buffer);
}

}  // namespace platform
