#include "solver/EliminateRows.h"

#include "complex/ComplexOp.h"

void EliminateRows(TComplex* const* rows, std::size_t first, std::size_t last, const TComplex* pivotRow,
                   std::size_t pivotCol, std::size_t cols)
{
    for (std::size_t r = first; r < last; ++r) {
        TComplex* row = rows[r];
        TComplex quotient;
        ComplexDiv(row[pivotCol], pivotRow[pivotCol], quotient);
        // A local copy whose address never escapes stays in registers
        // through the inner loop.
        const TComplex factor = quotient;
        for (std::size_t c = 0; c < cols; ++c)
            MulSubInPlace(factor, pivotRow[c], row[c]);
    }
}
