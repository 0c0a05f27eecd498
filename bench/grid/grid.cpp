// Times a new random system of 1000 equations until both grids show it, and
// a redraw of the equation grid after a change of the display settings. The
// grids are the program's own table views, on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise; "shown" means laid out, filled and painted.

#include <QApplication>
#include <algorithm>
#include <array>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "commands/NewESet.h"
#include "grids/ESetGridService.h"
#include "model/MAINDATA.h"
#include "ui/StringGridView.h"

namespace {

template <class Work>
double SecondsOf(Work&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Paint(StringGridView& view)
{
    QApplication::processEvents();
    view.grab();
}

double Median(std::array<double, 3> values)
{
    std::sort(values.begin(), values.end());
    return values[1];
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // the figures are printed with a point, whatever the user's locale
    platform::StringGrid equations;
    platform::StringGrid roots;
    StringGridView equationView(equations);
    StringGridView rootView(roots);
    equationView.resize(780, 420);
    rootView.resize(305, 420);
    equationView.show();
    rootView.show();

    std::array<double, 3> newTimes{};
    std::array<double, 3> refreshTimes{};
    for (std::size_t round = 0; round < newTimes.size(); ++round) {
        ESet = TESetCTRL{};
        ESet.MaxReCoeff = ESet.MaxImCoeff = 1;
        ESet.MaxReRoots = ESet.MaxImRoots = 10;
        TNewESetCTRL request{1000, 1001, true};
        newTimes[round] = SecondsOf([&] {
            NewESet(ESet, request, equations, roots, TShowCTRL{});
            Paint(equationView);
            Paint(rootView);
        });
        const TShowCTRL polar{1, 0, 3, true};
        refreshTimes[round] = SecondsOf([&] {
            RefreshESetGrid(ESet, equations, polar, 1);
            Paint(equationView);
        });
        std::printf("  round %zu: new+show %.3f s, refresh %.3f s\n", round + 1, newTimes[round], refreshTimes[round]);
    }
    std::printf("grid N=1000: new+show %.3f s, refresh %.3f s\n", Median(newTimes), Median(refreshTimes));
    return 0;
}
