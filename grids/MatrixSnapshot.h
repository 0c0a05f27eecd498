#pragma once

#include <vector>

#include "complex/ComplexText.h"
#include "model/ESetArrays.h"
#include "platform/BlockMemory.h"
#include "platform/StringGrid.h"

// The texts of a matrix as it was when shown, formatted only when a cell is
// read. It keeps just the two fields the display settings write (Re and Im,
// or Module and Phase), so that showing 1000 equations neither formats a
// million numbers at once nor holds a second full copy of the matrix.
class MatrixSnapshot : public platform::GridBlock {
public:
    MatrixSnapshot(const TESetArray& matrix, TShowCTRL settings, bool stepProgress);

    std::string Text(int row, int col) const override;

    int Rows() const { return int(rowStart_.size()) - 1; }
    int Cols() const { return cols_; }

private:
    struct Pair {
        long double first;
        long double second;
    };

    TShowCTRL settings_;
    bool polar_;
    int cols_ = 0;
    std::vector<std::size_t> rowStart_;  // row k holds values[rowStart_[k] .. rowStart_[k + 1])
    std::vector<Pair, platform::BlockAllocator<Pair>> values_;
};
