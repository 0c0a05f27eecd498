#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace testing_support {

// Puts the platform into a known state for one test and restores it after:
// Russian time formats in Moscow time, a point as decimal separator, a fixed
// clock (2026-12-11 17:34:56 local), and a sleep that only records its
// requests.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    const std::vector<int>& sleeps() const { return sleeps_; }
    void SetTime(std::time_t when) { now_ = when; }

private:
    std::vector<int> sleeps_;
    std::time_t now_;
};

// A fresh, empty directory under the system's temporary folder, removed with
// everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace testing_support
