#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "complex/TComplex.h"

// The ".esm" equation-set file: a flat sequence of 56-byte little-endian
// records with no other framing, one header and then N x (N + 1) body
// records in row order (row k = 0 .. N-1, within a row column i = 0 .. N,
// column N holding the free term). File size 56 x (1 + N x (N + 1)) bytes,
// 392 for N = 2.
//
// Header record:
//   offset size  field
//        0    4  RecId            int32, 1
//        4    1  SignatureLength  16
//        5   16  Signature        "ESet Matrix Data" (ASCII)
//       21    1  VersionLength    4
//       22    4  Version          " V1 "
//       26    2  reserved         0
//       28    4  NRows            int32, N, 2 <= N <= 1000
//       32    4  NCols            int32, N + 1
//       36   20  reserved         0
// Only RecId, NRows and NCols are checked on reading. For N = 2:
//   01 00 00 00 10 45 53 65 74 20 4D 61 74 72 69 78 20 44 61 74 61 04 20 56
//   31 20 00 00 02 00 00 00 03 00 00 00, then 20 bytes 00.
//
// Body record:
//   offset size  field
//        0    4  RecId   int32, 2
//        4    4  Row     int32, k
//        8    4  Col     int32, i
//       12   40  Value   the entry [k][i]: Re 12-21, Im 22-31, Module 32-41,
//                        Phase 42-51, each an x87 80-bit extended value
//       52    4  reserved 0
// An extended value is its ten bytes as the x87 stores them: bytes 0-7 the
// 64-bit significand with an explicit integer bit, bytes 8-9 the sign (top
// bit) and the 15-bit exponent biased by 16383; 1.0 is
// 00 00 00 00 00 00 00 80 FF 3F. Module and Phase are stored, not derived.
//
// The integers and the extended values are laid out exactly as the x86 host
// holds them in memory, so the record views below are the bytes on disk.
static_assert(std::endian::native == std::endian::little, "the file format is the host's little-endian layout");

// The ten significant bytes of one long double (its in-memory object is 16).
struct TFileExtended {
    std::uint8_t Bytes[10];
};

struct TFileComplex {
    TFileExtended Re;
    TFileExtended Im;
    TFileExtended Module;
    TFileExtended Phase;
};

struct TESetFileHeader {
    std::int32_t RecId;
    std::uint8_t SignatureLength;
    char Signature[16];
    std::uint8_t VersionLength;
    char Version[4];
    std::uint8_t Reserved1[2];
    std::int32_t NRows;
    std::int32_t NCols;
    std::uint8_t Reserved2[20];
};

struct TESetFileBody {
    std::int32_t RecId;
    std::int32_t Row;
    std::int32_t Col;
    TFileComplex Value;
    std::uint8_t Reserved[4];
};

// One record of the file, seen as either kind; RecId, first in both, tells
// which. Both views begin with the same member, so RecId may be read
// through either.
union TESetFileRec {
    TESetFileHeader Header;
    TESetFileBody Body;
};

inline constexpr std::int32_t kESetHeaderRecId = 1;
inline constexpr std::int32_t kESetBodyRecId = 2;

static_assert(sizeof(TFileExtended) == 10 && sizeof(TFileComplex) == 40);
static_assert(sizeof(TESetFileHeader) == 56 && sizeof(TESetFileBody) == 56 && sizeof(TESetFileRec) == 56);
static_assert(offsetof(TESetFileHeader, SignatureLength) == 4 && offsetof(TESetFileHeader, Signature) == 5);
static_assert(offsetof(TESetFileHeader, VersionLength) == 21 && offsetof(TESetFileHeader, Version) == 22);
static_assert(offsetof(TESetFileHeader, Reserved1) == 26 && offsetof(TESetFileHeader, NRows) == 28);
static_assert(offsetof(TESetFileHeader, NCols) == 32 && offsetof(TESetFileHeader, Reserved2) == 36);
static_assert(offsetof(TESetFileBody, Row) == 4 && offsetof(TESetFileBody, Col) == 8);
static_assert(offsetof(TESetFileBody, Value) == 12 && offsetof(TESetFileBody, Reserved) == 52);
static_assert(offsetof(TFileComplex, Im) == 10 && offsetof(TFileComplex, Module) == 20);
static_assert(offsetof(TFileComplex, Phase) == 30);

// The stored form of a value and back, byte for byte: the ten bytes are
// copied, never the value loaded or converted, so any bit pattern survives.
inline TFileExtended ToFileExtended(const long double& value)
{
    TFileExtended stored;
    std::memcpy(stored.Bytes, &value, sizeof stored.Bytes);
    return stored;
}

inline void FromFileExtended(const TFileExtended& stored, long double& value)
{
    std::memcpy(&value, stored.Bytes, sizeof stored.Bytes);
}

inline TFileComplex ToFileComplex(const TComplex& value)
{
    return {ToFileExtended(value.Re), ToFileExtended(value.Im), ToFileExtended(value.Module),
            ToFileExtended(value.Phase)};
}

inline TComplex FromFileComplex(const TFileComplex& stored)
{
    TComplex value;
    FromFileExtended(stored.Re, value.Re);
    FromFileExtended(stored.Im, value.Im);
    FromFileExtended(stored.Module, value.Module);
    FromFileExtended(stored.Phase, value.Phase);
    return value;
}
