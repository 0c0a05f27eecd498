// The peak resident size of the program after a new random system of 1000
// equations, its solve, and both grids shown, on the real main window
// (offscreen unless QT_QPA_PLATFORM says otherwise).

#include <QApplication>
#include <QTabWidget>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "commands/NewESet.h"
#include "model/MAINDATA.h"
#include "ui/TSDIAppForm.h"

namespace {

// VmHWM of /proc/self/status, in megabytes.
double PeakResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return -1;
}

void ShowPage(TSDIAppForm& form, int page)
{
    form.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(page);
    QApplication::processEvents();
    form.grab();
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // the figure is printed with a point
    TSDIAppForm form;
    form.show();
    QApplication::processEvents();
    std::printf("  after start: peak %.1f MB\n", PeakResidentMegabytes());

    ESet.MaxReCoeff = ESet.MaxImCoeff = 1;
    ESet.MaxReRoots = ESet.MaxImRoots = 10;
    NewESetCTRL = TNewESetCTRL{1000, 1001, true};
    NewESet(ESet, NewESetCTRL, form.EquationGrid(), form.RootGrid(), ShowCTRL);
    ShowPage(form, 0);
    std::printf("  after new: peak %.1f MB\n", PeakResidentMegabytes());

    const auto solveStart = std::chrono::steady_clock::now();
    form.DoSolveESet();  // no message boxes are installed, so none is shown
    ShowPage(form, 1);
    std::printf("  the solve command with the roots grid and table shown: %.3f s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - solveStart).count());
    ShowPage(form, 2);
    std::printf("memory N=1000: peak %.1f MB\n", PeakResidentMegabytes());
    return 0;
}
