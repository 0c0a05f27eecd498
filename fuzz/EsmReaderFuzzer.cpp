// The ".esm" reader fed the bytes of a file, as Open reads it, and then what
// consumes the values of a file that loads: the grid texts in several
// display settings, the text of the cell under the cursor, the polar
// conversions and, for a small system, the whole solve with its roots grid
// and journal table.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "commands/ESetFileCommands.h"
#include "commands/SolveCommand.h"
#include "complex/ComplexOp.h"
#include "fuzz/FuzzSupport.h"
#include "grids/ESetGridService.h"
#include "platform/StaticText.h"
#include "platform/StringGrid.h"

namespace {

using fuzzing::Require;

// The solve is cubic in N; larger systems are loaded and shown only.
constexpr std::size_t kMaxSolvedRows = 20;
// Grid rows and matrix rows whose every text is read.
constexpr int kMaxReadRows = 21;

constexpr TShowCTRL kSettings[] = {
    {0, 0, 0, false},  // the program's start-up settings
    {1, 0, 2, true},   // polar, degrees, scientific
    {0, 2, 5, false},  // " + J " form, up to 17 digits
    {1, 3, 4, false},  // bare phase, 16 decimals
};

void ReadGrid(const platform::StringGrid& grid, bool dataCellsFilled)
{
    const int rows = std::min(grid.RowCount(), kMaxReadRows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < grid.ColCount(); ++c) {
            const std::string text = grid.Cell(c, r);
            if (dataCellsFilled && r >= grid.FixedRows() && c >= grid.FixedCols())
                Require(!text.empty(), "every shown entry has a text");
        }
}

// What CartToPolar promises for any entry: a polar half that is a number,
// zero together, and a phase in [0, 2 pi) for a finite modulus.
void CheckPolarHalf(const TComplex& entry)
{
    TComplex z = entry;
    CartToPolar(z);
    Require(!std::isnan(z.Module) && z.Module >= 0, "the modulus is a number, not negative");
    if (z.Module == 0)
        Require(z.Phase == 0, "a zero modulus has a zero phase");
    else if (std::isfinite(z.Module) && std::isfinite(z.Re) && std::isfinite(z.Im))
        Require(z.Phase >= 0 && z.Phase < Pi * 2, "the phase lies in [0, 2 pi)");
    for (const TShowCTRL& settings : kSettings)
        Require(!FormatComplex(z, settings).empty(), "every value has a text");
    PolarToCart(z);
}

std::int32_t Int32At(const std::uint8_t* data, std::size_t offset)
{
    std::int32_t value;
    std::memcpy(&value, data + offset, sizeof value);
    return value;
}

// The format, read independently of the reader: the header's record id, N
// and N + 1, then N x (N + 1) body records with their ids, rows and
// columns in order. Anything after them does not count. Gives N, or 0 for
// a file that must be refused.
std::int32_t WellFormedRows(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kRecord = 56;
    if (size < kRecord || Int32At(data, 0) != 1)
        return 0;
    const std::int32_t n = Int32At(data, 28);
    if (n < 2 || n > 1000 || Int32At(data, 32) != n + 1)
        return 0;
    const std::size_t records = std::size_t(n) * std::size_t(n + 1);
    if (size < kRecord * (1 + records))
        return 0;
    for (std::size_t j = 0; j < records; ++j) {
        const std::size_t at = kRecord * (1 + j);
        if (Int32At(data, at) != 2 || Int32At(data, at + 4) != std::int32_t(j / std::size_t(n + 1))
            || Int32At(data, at + 8) != std::int32_t(j % std::size_t(n + 1)))
            return 0;
    }
    return n;
}

// Every entry holds the ten bytes of each of its four fields as the file has them.
bool HoldsTheFileBytes(const TESetCTRL& set, const std::uint8_t* data)
{
    const std::size_t cols = set.A.size() + 1;
    for (std::size_t k = 0; k < set.A.size(); ++k)
        for (std::size_t i = 0; i < cols; ++i) {
            const std::uint8_t* value = data + 56 * (1 + k * cols + i) + 12;
            const TComplex& entry = set.A[k][i];
            const long double* fields[4] = {&entry.Re, &entry.Im, &entry.Module, &entry.Phase};
            for (int f = 0; f < 4; ++f)
                if (std::memcmp(fields[f], value + 10 * f, 10) != 0)
                    return false;
        }
    return true;
}

bool ShapedFor(const TESetCTRL& set, std::int32_t n)
{
    if (set.NRows != n || set.NCols != n + 1 || set.A.size() != std::size_t(n) || set.X.size() != std::size_t(n))
        return false;
    for (std::size_t k = 0; k < set.A.size(); ++k)
        if (set.A[k].size() != std::size_t(n) + 1)
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzEnvironment environment;
    environment.ClearJournal();
    const std::string file = environment.WriteScratchFile("input.esm", data, size);

    TESetCTRL set;
    platform::StringGrid equations;
    platform::StringGrid roots;
    const bool loaded = LoadESet(file, set, kSettings[0], equations, roots);
    // Loaded or replaced by the minimal system, the set and the grids agree.
    if (!loaded) {
        Require(ShapedFor(set, 2), "a failed load leaves two equations");
        for (std::size_t k = 0; k < 2; ++k)
            for (const TComplex& entry : set.A[k])
                Require(entry.Re == 0 && entry.Im == 0 && entry.Module == 0 && entry.Phase == 0,
                        "the minimal system is zero");
        Require(set.FileName.empty(), "a failed load remembers no file");
    } else {
        Require(set.NRows >= 2 && set.NRows <= 1000 && ShapedFor(set, set.NRows), "a loaded system is N x (N + 1)");
        Require(HoldsTheFileBytes(set, data), "every value is loaded bit for bit");
    }
    Require(loaded == (WellFormedRows(data, size) != 0), "exactly the well-formed files load");
    Require(!loaded || set.NRows == WellFormedRows(data, size), "a file loads with its own N");
    Require(equations.RowCount() == set.NRows + 1 && roots.RowCount() == set.NRows + 1, "the grids fit the system");
    ReadGrid(equations, true);
    if (!loaded)
        return 0;

    for (const TShowCTRL& settings : kSettings) {
        RefreshESetGrid(set, equations, settings, 1);
        ReadGrid(equations, true);
    }
    platform::PlainStaticText re;
    platform::PlainStaticText im;
    const std::size_t readRows = std::min(set.A.size(), std::size_t(kMaxReadRows));
    for (std::size_t k = 0; k < readRows; ++k)
        for (std::size_t i = 0; i < set.A[k].size(); ++i) {
            ShowESetCellToText(set.A, std::int32_t(k), std::int32_t(i), re, im);
            CheckPolarHalf(set.A[k][i]);
        }

    if (set.A.size() <= kMaxSolvedRows) {
        RunSolveESet(set, kSettings[1], roots);
        ReadGrid(roots, false);
        RefreshESetGrid(set, equations, kSettings[0], 2);
        ReadGrid(equations, true);
    }
    return 0;
}
