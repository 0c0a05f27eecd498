// Times SaveESetToFile and LoadESetFromFile on a random N = 1000 system
// (about 56 MB) in a fresh temporary folder, or in the folder given as the
// first argument. Each of three rounds saves and loads once; the last line
// gives the median round. A save includes the fsync that makes the new file
// durable before it replaces the old one, so the time of an fsync alone of
// the same number of bytes is printed as well.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "files/ESetFile.h"
#include "model/ESetArrayService.h"

namespace {

constexpr std::int32_t kN = 1000;

template <class Work>
double SecondsOf(Work&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string Seconds(double seconds)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::fixed << std::setprecision(3) << seconds;
    return text.str();
}

TESetCTRL RandomSystem()
{
    TESetCTRL set;
    set.MaxReCoeff = 10;
    set.MaxImCoeff = 10;
    set.MaxReRoots = 10;
    set.MaxImRoots = 10;
    if (!InitESetArrays(set, kN) || !MakeRandomTestESet(set))
        throw std::runtime_error("random system not generated");
    return set;
}

std::string FreshFolder(const std::string& parent)
{
    std::string pattern = (std::filesystem::path(parent) / "linsys-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder in " + parent);
    return pattern;
}

// Writes count bytes to a new file through the page cache and times only the
// fsync that follows.
double FsyncSeconds(const std::string& name, std::size_t count)
{
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + name);
    const std::string block(1 << 20, 'x');
    for (std::size_t done = 0; done < count;) {
        const ssize_t n = ::write(fd, block.data(), std::min(block.size(), count - done));
        if (n <= 0)
            throw std::runtime_error("cannot write " + name);
        done += static_cast<std::size_t>(n);
    }
    const double seconds = SecondsOf([&] { ::fsync(fd); });
    ::close(fd);
    return seconds;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string folder =
        FreshFolder(argc > 1 ? argv[1] : std::filesystem::temp_directory_path().string());
    const std::string name = folder + "/bench.esm";
    const TESetCTRL saved = RandomSystem();

    std::array<double, 3> saves{};
    std::array<double, 3> loads{};
    for (std::size_t round = 0; round < saves.size(); ++round) {
        bool ok = true;
        saves[round] = SecondsOf([&] { ok = SaveESetToFile(name, saved, ESetUFCB); });
        TESetCTRL loaded;
        loads[round] = SecondsOf([&] { ok = ok && LoadESetFromFile(name, loaded, ESetUFCB); });
        if (!ok)
            throw std::runtime_error("save or load failed");
        std::cout << "round " << round + 1 << ": save " << Seconds(saves[round]) << " s, load "
                  << Seconds(loads[round]) << " s\n";
    }
    const auto bytes = std::filesystem::file_size(name);
    std::cout << "file " << bytes << " bytes; fsync alone of as many bytes " << Seconds(FsyncSeconds(folder + "/sync.dat", bytes))
              << " s\n";
    std::filesystem::remove_all(folder);

    std::sort(saves.begin(), saves.end());
    std::sort(loads.begin(), loads.end());
    std::cout << "files N=" << kN << ": save " << Seconds(saves[1]) << " s, load " << Seconds(loads[1]) << " s"
              << std::endl;
    return 0;
}
