#pragma once

#include <cstdint>

#include "model/MAINDATA.h"

// Sizing and copying the arrays of an equation set, and random test systems
// with known roots.

// Sizes A and G to N rows of N + 1 zero entries, X to N zero roots and
// RefRoots to none, keeping the arrays' identity. NRows and NCols take the new
// size first and keep it even when sizing fails (false, with an error box).
bool InitESetArrays(TESetCTRL& ESet, std::int32_t N);

// Copies A into G entry by entry, all four fields; copies nothing when the
// two are not of the same shape. The arrays are shared handles, so G is
// written through the given record.
void CopyESetToWork(const TESetCTRL& ESet);

// One random factor (1000 - 2r) / 1001 for a uniform r from 0 to 999.
long double RandomFactor();

// Fills A of a freshly sized set with random coefficients and, from random
// roots kept in RefRoots, the free terms; false when A is not shaped
// NRows x NCols or generation failed (with an error box).
bool MakeRandomTestESet(TESetCTRL& ESet);

inline constexpr const char* kInitESetArraysErrorText =
    " SYSERROR(InitESetArrays): ОШИБКА ИНИЦИАЛИЗАЦИИ ДИНАМИЧЕСКИХ МАССИВОВ";
inline constexpr const char* kMakeRandomTestESetErrorText =
    " SYSERROR(MakeRandomTestESet): ОШИБКА ФОРМИРОВАНИЯ ТЕСТОВОЙ СИСТЕМЫ УРАВНЕНИЙ";
inline constexpr const char* kArraysInitialisedText = " Размеры динамических массивов инициализированы";
inline constexpr const char* kRandomTestESetText =
    " Система уравнений инициирована случайными тестовыми значениями";
