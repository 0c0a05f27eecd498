#pragma once

#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "complex/TComplex.h"

// ".esm" bytes built and taken apart by plain offsets, independently of the
// program's record types, so the tests check the format itself.
namespace esm {

inline constexpr std::size_t kRecord = 56;

inline std::string Int32(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    std::string bytes(4, '\0');
    for (int b = 0; b < 4; ++b)
        bytes[b] = static_cast<char>((bits >> (8 * b)) & 0xFF);
    return bytes;
}

inline std::int32_t ReadInt32(const std::string& bytes, std::size_t offset)
{
    std::uint32_t bits = 0;
    for (int b = 3; b >= 0; --b)
        bits = (bits << 8) | static_cast<unsigned char>(bytes.at(offset + b));
    return static_cast<std::int32_t>(bits);
}

// The ten bytes of the x87 extended value as held in memory.
inline std::string Extended(const long double& value)
{
    return std::string(reinterpret_cast<const char*>(&value), 10);
}

inline std::string Value(const TComplex& z) { return Extended(z.Re) + Extended(z.Im) + Extended(z.Module) + Extended(z.Phase); }

inline std::string Header(std::int32_t recId, std::int32_t nRows, std::int32_t nCols)
{
    std::string bytes = Int32(recId) + '\x10' + "ESet Matrix Data" + '\x04' + " V1 " + std::string(2, '\0')
                        + Int32(nRows) + Int32(nCols) + std::string(20, '\0');
    return bytes;
}

inline std::string Body(std::int32_t recId, std::int32_t row, std::int32_t col, const std::string& value40)
{
    return Int32(recId) + Int32(row) + Int32(col) + value40 + std::string(4, '\0');
}

// A value whose ten bytes of each field are arbitrary: any bit pattern must
// survive a save and a load.
inline TComplex RandomBits(std::mt19937_64& random)
{
    TComplex z;
    for (long double* field : {&z.Re, &z.Im, &z.Module, &z.Phase}) {
        unsigned char bytes[10];
        for (auto& byte : bytes)
            byte = static_cast<unsigned char>(random());
        std::memcpy(field, bytes, sizeof bytes);
    }
    return z;
}

// The ten significant bytes of all four fields are the same.
inline bool SameBits(const TComplex& a, const TComplex& b) { return Value(a) == Value(b); }

}  // namespace esm
