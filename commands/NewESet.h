#pragma once

#include "complex/ComplexText.h"
#include "model/MAINDATA.h"

namespace platform {
class StringGrid;
}

// Replaces the current system by a new one of Request.Rows equations, zero or
// random, laid out in both grids and shown in the equation grid. A size
// outside 2..1000 is corrected to five random equations. Reports its own
// failures; true when the new system was created and shown.
bool NewESet(TESetCTRL& ESet, TNewESetCTRL& Request, platform::StringGrid& EquationGrid,
             platform::StringGrid& RootGrid, TShowCTRL Settings);
