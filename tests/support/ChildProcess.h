#pragma once

#include <functional>
#include <string>

namespace testing_support {

// Limits applied inside a forked child before the body runs.
struct ChildLimits {
    long fileSizeLimit = -1;     // RLIMIT_FSIZE in bytes; writes beyond it fail with EFBIG
    long addressSpaceLimit = -1;  // RLIMIT_AS in bytes
    bool dropRoot = false;        // run as "nobody" when started as root, so file permissions apply
};

struct ChildResult {
    bool exitedNormally = false;
    int exitCode = -1;
    std::string output;  // what the body returned
};

// Runs the body in a forked child under the limits and hands back what it
// returned. A body that throws exits with code 1 and the exception's text.
ChildResult RunInChild(const ChildLimits& limits, const std::function<std::string()>& body);

// The address space the calling process takes now, in bytes; a child starts
// with the same, so an address-space limit is this plus what it may add.
long AddressSpaceInUse();
// False under AddressSanitizer: its shadow memory takes terabytes of address
// space, and its allocator ends the process instead of failing an allocation.
bool AddressSpaceLimitsWork();

}  // namespace testing_support
