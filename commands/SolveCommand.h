#pragma once

#include "complex/ComplexText.h"
#include "model/MAINDATA.h"

namespace platform {
class StringGrid;
}

// The Solve command: copies A into G, solves, reports the outcome, fills the
// roots grid and appends the roots table to the journal. The set is taken by
// value: G and X are shared with the caller's set, the outcome fields are not.
// True for a solution (codes 0 and 1).
bool RunSolveESet(TESetCTRL ESet, TShowCTRL Settings, platform::StringGrid& RootGrid);

// Appends the table of roots in Cartesian and polar form to the journal.
void ESetRootsToReport(const TESetRoots& Roots);

inline constexpr const char* kNoSourceDataText =
    "ИСХОДНЫЕ ДАННЫЕ НЕ СФОРМИРОВАНЫ\r\nВыполните создание или загрузку системы";
