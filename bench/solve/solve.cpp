// Times SolveESetGauss on random systems with known roots and, as the peer,
// Eigen's partial-pivoting LU on the same matrix in the same 80-bit complex
// precision (factorisation and solve). Prints one line per size; the last is
// the N = 1000 figure.

#include <Eigen/Dense>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <locale>
#include <sstream>
#include <stdexcept>

#include "model/ESetArrayService.h"
#include "solver/SolveESet.h"

namespace {

using Complex = std::complex<long double>;
using Matrix = Eigen::Matrix<Complex, Eigen::Dynamic, Eigen::Dynamic>;
using Vector = Eigen::Matrix<Complex, Eigen::Dynamic, 1>;

template <class Work>
double SecondsOf(Work&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

Complex ToComplex(const TComplex& z) { return {z.Re, z.Im}; }

// max |x - ref| / max |ref| over the roots.
template <class RootAt>
long double RelativeError(const TESetRoots& reference, RootAt rootAt)
{
    long double error = 0;
    long double scale = 0;
    for (std::size_t k = 0; k < reference.size(); ++k) {
        const Complex ref = ToComplex(reference[k]);
        error = std::max(error, std::abs(rootAt(k) - ref));
        scale = std::max(scale, std::abs(ref));
    }
    return error / scale;
}

TESetCTRL RandomSystem(std::int32_t n)
{
    TESetCTRL set;
    set.MaxReCoeff = 1;
    set.MaxImCoeff = 1;
    set.MaxReRoots = 10;
    set.MaxImRoots = 10;
    if (!InitESetArrays(set, n) || !MakeRandomTestESet(set))
        throw std::runtime_error("random system not generated");
    return set;
}

void Measure(std::int32_t n)
{
    TESetCTRL set = RandomSystem(n);
    CopyESetToWork(set);
    bool solved = false;
    const double linsysSeconds = SecondsOf([&] { solved = SolveESetGauss(set); });
    if (!solved)
        throw std::runtime_error("SolveESetGauss failed");
    const long double linsysError =
        RelativeError(set.RefRoots, [&](std::size_t k) { return ToComplex(set.X[k]); });

    const auto size = static_cast<Eigen::Index>(n);
    Matrix matrix(size, size);
    Vector freeTerms(size);
    for (Eigen::Index k = 0; k < size; ++k) {
        const TESetRow& row = set.A[static_cast<std::size_t>(k)];
        for (Eigen::Index i = 0; i < size; ++i)
            matrix(k, i) = ToComplex(row[static_cast<std::size_t>(i)]);
        freeTerms(k) = ToComplex(row[static_cast<std::size_t>(n)]);
    }
    Vector roots;
    const double eigenSeconds = SecondsOf([&] { roots = Eigen::PartialPivLU<Matrix>(matrix).solve(freeTerms); });
    const long double eigenError =
        RelativeError(set.RefRoots, [&](std::size_t k) { return roots(static_cast<Eigen::Index>(k)); });

    // Classic locale: the figures never depend on the user's number format.
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << "  N=" << n << ": eigen relerr " << std::scientific << std::setprecision(2)
        << static_cast<double>(eigenError) << '\n';
    out << "solve N=" << n << ": linsys " << std::fixed << std::setprecision(3) << linsysSeconds << " s, eigen "
        << eigenSeconds << " s, eigen/linsys " << std::setprecision(2) << eigenSeconds / linsysSeconds
        << ", relerr " << std::scientific << std::setprecision(2) << static_cast<double>(linsysError) << '\n';
    std::cout << out.str() << std::flush;
}

}  // namespace

int main()
{
    for (const std::int32_t n : {250, 500, 1000})
        Measure(n);
    return 0;
}
