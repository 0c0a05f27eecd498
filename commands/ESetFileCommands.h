#pragma once

#include <string>

#include "complex/ComplexText.h"
#include "model/MAINDATA.h"

namespace platform {
class StringGrid;
}

// Loading and saving the current system by name, with the ".esm" extension
// rule, the overwrite question and the remembered file name.

// Loads the file into the set and shows it in both grids; a damaged file
// leaves the minimal two-equation system instead. False when nothing was
// loaded (a name that names no file changes nothing).
bool LoadESet(const std::string& FileName, TESetCTRL& ESet, TShowCTRL Settings, platform::StringGrid& EquationGrid,
              platform::StringGrid& RootGrid);
// Saves under a new name, asking before an existing file is replaced.
void SaveESetAs(const std::string& FileName, TESetCTRL& ESet);
// Saves again to the remembered file.
void SaveESet(TESetCTRL& ESet);
