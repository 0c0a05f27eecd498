#include "grids/MatrixSnapshot.h"

#include <algorithm>

#include "journal/Progress.h"
#include "platform/WorkerPool.h"

MatrixSnapshot::MatrixSnapshot(const TESetArray& matrix, TShowCTRL settings, bool stepProgress)
    : settings_(settings), polar_(settings.VPCrd == 1)
{
    const std::size_t rows = matrix.size();
    rowStart_.reserve(rows + 1);
    std::size_t total = 0;
    for (std::size_t k = 0; k < rows; ++k) {
        if (stepProgress)
            StepProgress();
        rowStart_.push_back(total);
        total += matrix[k].size();
        cols_ = std::max(cols_, int(matrix[k].size()));
    }
    rowStart_.push_back(total);
    values_.resize(total);
    platform::WorkerPool pool(platform::WorkerPool::HardwareThreads());
    pool.Run(rows, [&](std::size_t k) {
        Pair* out = values_.data() + rowStart_[k];
        for (const TComplex& z : matrix[k])
            *out++ = polar_ ? Pair{z.Module, z.Phase} : Pair{z.Re, z.Im};
    });
}

std::string MatrixSnapshot::Text(int row, int col) const
{
    if (row < 0 || row >= Rows())
        return {};
    const std::size_t index = rowStart_[std::size_t(row)] + std::size_t(col);
    if (col < 0 || index >= rowStart_[std::size_t(row) + 1])
        return {};
    const Pair& pair = values_[index];
    TComplex z;
    if (polar_) {
        z.Module = pair.first;
        z.Phase = pair.second;
    } else {
        z.Re = pair.first;
        z.Im = pair.second;
    }
    return FormatComplex(z, settings_);
}
