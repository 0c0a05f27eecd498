#pragma once

#include <cstdint>
#include <string>

#include "complex/ComplexText.h"
#include "complex/TComplex.h"
#include "model/ESetArrays.h"

namespace platform {
class StringGrid;
}

// The control record of one equation set.
struct TESetCTRL {
    std::int32_t NRows = 0;  // N
    std::int32_t NCols = 0;  // N + 1
    TESetArray A;            // the source system
    TESetArray G;            // the working (Gauss) matrix
    bool Solved = false;
    std::int32_t ResultCode = 0;
    std::string ResultText;
    TESetRoots X;            // the roots of the last solve
    std::string FileName;    // full path of the file, empty if none
    std::string ShortName;   // FileName without its folder
    long double MaxReCoeff = 0;
    long double MaxImCoeff = 0;
    long double MaxReRoots = 0;
    long double MaxImRoots = 0;
    TESetRoots RefRoots;     // the roots the random generator drew
};

// The request of the new-system dialog.
struct TNewESetCTRL {
    std::int32_t Rows = 0;
    std::int32_t Cols = 0;
    bool RandomData = false;
};

// A located cell of the equation-set grid with its old and new value.
struct TESetCellCTRL {
    platform::StringGrid* Grid = nullptr;
    TESetArray Matrix;  // shares ESet.A
    bool Changed = false;
    std::int32_t GridRow = 0;
    std::int32_t GridCol = 0;
    std::int32_t MatrixRow = 0;
    std::int32_t MatrixCol = 0;
    TComplex OldValue;
    TComplex NewValue;
};

// The program's one current equation set and the state the window, the
// dialogs and the grids share, alive for the whole run.
extern TESetCTRL ESet;
extern TShowCTRL ShowCTRL;
extern bool ShowCTRLChanged;
extern std::uint8_t MatrixSelect;  // 0 none yet, 1 source matrix A, 2 working matrix G
extern TNewESetCTRL NewESetCTRL;
extern TESetCellCTRL ESetCellCTRL;

// Option texts, indexed by the value of the setting they name.
extern const char* const MatrixSelTexts[2];  // by MatrixSelect - 1
extern const char* const CoordsTexts[2];     // by VPCrd
extern const char* const ModeTexts[3];       // by VPMod
extern const char* const PrecisionTexts[4];  // by VPPrc
extern const char* const PhaseUnitTexts[2];  // by VPPG
