#include "solver/BlockedElimination.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <vector>

#include "complex/ComplexOp.h"
#include "journal/Progress.h"
#include "platform/WorkerPool.h"

// Why the blocks give the sequential bits.
//
// The sequential elimination gives every entry the updates
//   G[r][c] := G[r][c] - f(r, i) * G[i][c],   f(r, i) = G[r][i] / G[i][i],
// for the pivot steps i < r in increasing order, each rounded as
// MulSubInPlace rounds it. An entry's updates read only its own column and the
// multipliers, and the multipliers of step i read only column i. So a column
// may lag behind, provided it is brought up to date before a step reads it
// and each of its entries still takes the same updates, from the same
// operands, in the same order.
//
// The steps are taken in blocks. Within a block, step i first brings column i
// up to date (the block's earlier steps applied to it), then searches the
// pivot in it, swaps the two rows whole and keeps the multipliers of the rows
// below. A swap commutes with the lagging updates: an update depends on its
// row's values and multipliers, never on where the row stands, and the
// multipliers travel with their rows. At the end of the block every column
// takes the block's pending steps in one pass, tile by tile: an entry is
// loaded once, takes its updates one after the other in the x87 registers
// (the same 80-bit values and roundings as in memory; no sum is reordered, no
// multiply-add fused) and is stored once, while the pivot rows' values of the
// tile are packed in cache. Tiles share no entry, so the threads may take
// them in any order.
//
// Loading an 80-bit value is the slowest part of an update on x87, far slower
// than loading a double. So each multiplier part is also kept as two doubles
// whose sum is that part exactly; the sum, formed in a register, is the very
// 80-bit value. A row whose multipliers do not all split so (beyond the range
// of doubles, not a number, ...) takes the 80-bit values instead.

namespace {

constexpr std::size_t kBlock = kEliminationBlockSteps;
// Columns per tile: the tile's pivot-row values (kBlock x kTileColumns pairs,
// 16 KB) stay in the first-level cache while the rows stream past them.
constexpr std::size_t kTileColumns = 16;

// The Cartesian half of a multiplier or of a pivot-row entry.
struct CartesianPair {
    long double Re;
    long double Im;
};

// A multiplier whose parts are Re = ReHigh + ReLow and Im = ImHigh + ImLow
// exactly.
struct SplitPair {
    double ReHigh;
    double ReLow;
    double ImHigh;
    double ImLow;
};

long double RePart(const CartesianPair& z) { return z.Re; }
long double ImPart(const CartesianPair& z) { return z.Im; }
long double RePart(const SplitPair& z) { return static_cast<long double>(z.ReHigh) + z.ReLow; }
long double ImPart(const SplitPair& z) { return static_cast<long double>(z.ImHigh) + z.ImLow; }

// Splits x into high + low, false unless the sum gives x back exactly. A zero
// is split into two zeros of its sign, which add up to that very zero.
bool SplitExactly(long double x, double& high, double& low)
{
    if (!(std::fabs(x) <= DBL_MAX))
        return false;
    high = static_cast<double>(x);
    low = x == 0 ? high : static_cast<double>(x - high);
    return static_cast<long double>(high) + low == x;
}

// g := g - f[0] * p[0], then g := g - f[1] * p[1], ... for count steps, each
// as MulSubInPlace(f[k], p[k], g) computes it.
template <class Multiplier>
void SubtractSteps(TComplex& g, const Multiplier* f, const CartesianPair* p, std::size_t count)
{
    long double re = g.Re;
    long double im = g.Im;
    for (std::size_t k = 0; k < count; ++k) {
        const long double fRe = RePart(f[k]);
        const long double fIm = ImPart(f[k]);
        re = re - ((fRe * p[k].Re) - (fIm * p[k].Im));
        im = im - ((fRe * p[k].Im) + (fIm * p[k].Re));
    }
    g.Re = re;
    g.Im = im;
}

// The same steps for the entries of one row of a tile; the pivot-row values of
// column c of the tile start at pivots + c * kBlock.
template <class Multiplier>
void SubtractSteps(TComplex* row, std::size_t width, const Multiplier* f, const CartesianPair* pivots,
                   std::size_t count)
{
    for (std::size_t c = 0; c < width; ++c)
        SubtractSteps(row[c], f, pivots + c * kBlock, count);
}

class BlockedElimination {
public:
    BlockedElimination(TComplex* const* rows, std::size_t n, platform::WorkerPool& pool)
        : rows_(rows), n_(n), multipliers_(n * kBlock), splitMultipliers_(n * kBlock), split_(n), pool_(pool)
    {
    }

    bool Run();

private:
    void ApplySteps(std::size_t first, std::size_t end, std::size_t cFirst, std::size_t cLast) const;
    void ApplyPending(std::size_t end, std::size_t upToDate);
    std::size_t FindPivotRow(std::size_t i) const;
    void SwapRows(std::size_t i, std::size_t p);
    void KeepMultipliers(std::size_t i);

    TComplex* const* rows_;
    const std::size_t n_;
    std::size_t blockFirst_ = 0;  // the first step of the current block
    // Row r's multipliers of the block's steps, from r * kBlock on, and
    // whether all of them split exactly.
    std::vector<CartesianPair> multipliers_;
    std::vector<SplitPair> splitMultipliers_;
    std::vector<char> split_;
    platform::WorkerPool& pool_;
};

bool BlockedElimination::Run()
{
    for (blockFirst_ = 0; blockFirst_ + 1 < n_; blockFirst_ += kBlock) {
        const std::size_t blockEnd = std::min(blockFirst_ + kBlock, n_ - 1);
        std::fill(split_.begin(), split_.end(), true);
        for (std::size_t i = blockFirst_; i < blockEnd; ++i) {
            StepProgress();
            ApplySteps(blockFirst_, i, i, i + 1);
            const std::size_t p = FindPivotRow(i);
            if (p != i)
                SwapRows(i, p);
            if (ComplexModule(rows_[i][i]) < ModuleThreshold) {
                ApplyPending(i, i + 1);  // the matrix as the sequential stop leaves it
                return false;
            }
            KeepMultipliers(i);
        }
        ApplyPending(blockEnd, blockEnd);
    }
    return true;
}

// Applies the steps first .. end - 1 of the block to the columns cFirst ..
// cLast - 1 (at most one tile) of every row below row `first`. Row `first`
// and all rows above it must be final in these columns.
void BlockedElimination::ApplySteps(std::size_t first, std::size_t end, std::size_t cFirst, std::size_t cLast) const
{
    if (first >= end)
        return;
    const std::size_t width = cLast - cFirst;
    // Entry cFirst + c of the pivot row of step first + k sits at c * kBlock + k.
    std::array<CartesianPair, kTileColumns * kBlock> pivots;
    const auto keepPivotRow = [&](std::size_t i) {
        for (std::size_t c = 0; c < width; ++c) {
            const TComplex& z = rows_[i][cFirst + c];
            pivots[c * kBlock + (i - first)] = {z.Re, z.Im};
        }
    };
    keepPivotRow(first);
    for (std::size_t r = first + 1; r < n_; ++r) {
        const std::size_t steps = std::min(r, end) - first;
        const std::size_t kept = r * kBlock + (first - blockFirst_);
        TComplex* row = rows_[r] + cFirst;
        if (split_[r])
            SubtractSteps(row, width, &splitMultipliers_[kept], pivots.data(), steps);
        else
            SubtractSteps(row, width, &multipliers_[kept], pivots.data(), steps);
        // The rows of the steps come first; each is final once it has
        // taken the steps before its own.
        if (r < end)
            keepPivotRow(r);
    }
}

// Gives every column the block's steps it still lacks, up to step end - 1:
// the columns blockFirst_ .. upToDate - 1 were brought up to date at their
// own steps, all others lack every step of the block.
void BlockedElimination::ApplyPending(std::size_t end, std::size_t upToDate)
{
    struct Tile {
        std::size_t first;  // the first step the tile lacks
        std::size_t cFirst;
        std::size_t cLast;
    };
    std::vector<Tile> tiles;
    const auto addTiles = [&](std::size_t from, std::size_t to) {
        for (std::size_t c = from; c < to; c += kTileColumns)
            tiles.push_back({blockFirst_, c, std::min(c + kTileColumns, to)});
    };
    addTiles(0, blockFirst_);
    addTiles(upToDate, n_ + 1);
    for (std::size_t c = blockFirst_; c < std::min(upToDate, end); ++c)
        tiles.push_back({c, c, c + 1});
    pool_.Run(tiles.size(), [&](std::size_t k) { ApplySteps(tiles[k].first, end, tiles[k].cFirst, tiles[k].cLast); });
}

// The row p at or below i whose entry in column i has the largest modulus;
// ties keep the earlier row. Every examined entry keeps its modulus.
std::size_t BlockedElimination::FindPivotRow(std::size_t i) const
{
    long double best = ComplexModule(rows_[i][i]);
    std::size_t p = i;
    for (std::size_t j = i; j < n_; ++j) {
        const long double module = ComplexModule(rows_[j][i]);
        if (module > best) {
            best = module;
            p = j;
        }
    }
    return p;
}

void BlockedElimination::SwapRows(std::size_t i, std::size_t p)
{
    std::swap_ranges(rows_[i], rows_[i] + n_ + 1, rows_[p]);
    const std::size_t count = i - blockFirst_;
    std::swap_ranges(&multipliers_[i * kBlock], &multipliers_[i * kBlock] + count, &multipliers_[p * kBlock]);
    std::swap_ranges(&splitMultipliers_[i * kBlock], &splitMultipliers_[i * kBlock] + count,
                     &splitMultipliers_[p * kBlock]);
    std::swap(split_[i], split_[p]);
}

// Computed here, on the calling thread, in the sequential order: a pivot that
// is not a number makes ComplexDiv show its message box once per row.
void BlockedElimination::KeepMultipliers(std::size_t i)
{
    for (std::size_t r = i + 1; r < n_; ++r) {
        TComplex quotient;
        ComplexDiv(rows_[r][i], rows_[i][i], quotient);
        const std::size_t k = r * kBlock + (i - blockFirst_);
        multipliers_[k] = {quotient.Re, quotient.Im};
        SplitPair& s = splitMultipliers_[k];
        const bool exact = SplitExactly(quotient.Re, s.ReHigh, s.ReLow) && SplitExactly(quotient.Im, s.ImHigh, s.ImLow);
        split_[r] = split_[r] && exact;
    }
}

}  // namespace

bool EliminateForward(TComplex* const* rows, std::size_t n, platform::WorkerPool& pool)
{
    return BlockedElimination(rows, n, pool).Run();
}
