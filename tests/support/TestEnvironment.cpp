#include "tests/support/TestEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/Regional.h"
#include "platform/Sleep.h"

namespace testing_support {

TestEnvironment::TestEnvironment() : now_(1796999696)  // 2026-12-11 14:34:56 UTC
{
    // Russian regional formats in Moscow time: "11.12.2026" and "17:34:56".
    setenv("LC_ALL", "ru_RU.UTF-8", 1);
    setenv("TZ", "Europe/Moscow", 1);
    platform::LoadRegionalSettings();
    platform::SetDecimalSeparator('.');
    platform::SetClock([this] { return now_; });
    platform::SetSleepFunction([this](int ms) { sleeps_.push_back(ms); });
}

TestEnvironment::~TestEnvironment()
{
    platform::SetClock({});
    platform::SetSleepFunction({});
    platform::SetDecimalSeparator('.');
}

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "linsys-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    // A test may leave a read-only folder behind; make it writable first.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testing_support
