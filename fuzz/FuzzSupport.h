#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Memo.h"
#include "platform/ProgressBar.h"
#include "platform/StaticText.h"

namespace fuzzing {

// What every fuzz target runs in: the journal and the progress indicator
// bound to plain controls, debug mode on (so the debug lines and their
// boxes are built too) without its pauses, a point as decimal separator,
// message boxes that show nothing and answer No, and a scratch folder.
class FuzzEnvironment {
public:
    FuzzEnvironment();
    ~FuzzEnvironment();
    FuzzEnvironment(const FuzzEnvironment&) = delete;
    FuzzEnvironment& operator=(const FuzzEnvironment&) = delete;

    // Empties the journal, which would otherwise grow with every input.
    void ClearJournal() { memo_.Clear(); }
    // Replaces the scratch file of that name with the bytes; returns its path.
    std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) const;

private:
    std::string scratch_;
    platform::TextMemo memo_;
    platform::PlainStaticText status_;
    platform::ProgressBar bar_;
};

// Ends the run as a crash, which libFuzzer records with the input, when an
// invariant does not hold.
void Require(bool holds, const char* invariant);

// The input read as a sequence of fields; past its end every field is zero.
class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t Remaining() const { return size_ - position_; }
    std::uint8_t TakeByte();
    // Ten bytes as an x87 extended value, exactly as a file holds one: any
    // pattern, including those no arithmetic produces (pseudo-denormals,
    // unnormals, pseudo-infinities, pseudo-NaNs).
    long double TakeExtended();

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// The value arithmetic sees in a pattern: loading it into the FPU turns a
// pseudo-denormal into the number it stands for and the encodings the FPU
// rejects into a NaN.
long double Canonical(long double value);

}  // namespace fuzzing
