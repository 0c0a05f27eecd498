#pragma once

#include "model/MAINDATA.h"

// Gaussian elimination with partial pivoting by modulus, back substitution
// and the balance of row 0, all in place on G and X of the equation set; A is
// never touched. The outcome is left in Solved, ResultCode and ResultText for
// the calling command to report. Nothing here catches failures.

// The arrays are present and G is N x (N + 1) with N >= 2 and N roots in X.
// Sets code -1 for missing data and 3 for a row of wrong length; a set of one
// equation or a short X gives false with the outcome left as it was.
bool CheckESetSizes(TESetCTRL& ESet);

// Triangulates G; false with code 2 when a pivot or a whole row is
// practically zero. Entries left of the diagonal keep their residues; on
// success every entry's polar half is refreshed.
bool BuildGausseMatrix(TESetCTRL& ESet);

// Fills X from the triangular G. A zero diagonal coefficient sets its root to
// zero with a warning box and the loop goes on; the result is false when that
// happened for any root.
[[nodiscard]] bool SolveRoots(TESetCTRL& ESet);

// The whole solve; true when it ran to the end (codes 0 and 1). Code 1, the
// suspect solution, is also reported at once as a warning.
bool SolveESetGauss(TESetCTRL& ESet);

inline constexpr const char* kNotFormedText =
    "ИСХОДНЫЕ ДАННЫЕ ЕЩЕ НЕ СФОРМИРОВАНЫ\r\nВыполните загрузку или создание системы";
inline constexpr const char* kWrongSizesText =
    "НЕПРАВИЛЬНЫЕ РАЗМЕРЫ МАТРИЦ.\r\nРЕШЕНИЕ СИСТЕМЫ ОСТАНОВЛЕНО.\r\n(Обратитесь к разработчику)";
inline constexpr const char* kIllConditionedText =
    "МАТРИЦА системы ПЛОХО ОБУСЛОВЛЕНА.\r\nРЕШЕНИЕ СИСТЕМЫ ОСТАНОВЛЕНО.\r\n    ПРИЧИНЫ :\r\n1. Не все "
    "коэффициенты еще введены;\r\n2. Уравнения системы линейно зависимы;";
// The two texts below are followed by the balance of row 0.
inline constexpr const char* kSolvedText = "УСПЕШНОЕ РЕШЕНИЕ системы уравнений.\r\nМодуль баланса нулевой строки равен ";
inline constexpr const char* kSolvedWithErrorsText =
    "Cистема решена c некоторыми ОШИБКАМИ.\r\nМодуль баланса нулевой строки равен ";
