#include "commands/SolveCommand.h"

#include <string>

#include "grids/ESetGridService.h"
#include "journal/Progress.h"
#include "journal/Reports.h"
#include "model/ESetArrayService.h"
#include "solver/SolveESet.h"

namespace {

constexpr TShowCTRL kCartesianColumn{0, 0, 4, false};
constexpr TShowCTRL kPolarColumn{1, 0, 4, false};

// Reports the solver's outcome; true for a solution.
bool ReportOutcome(const TESetCTRL& ESet)
{
    switch (ESet.ResultCode) {
    case 0:
        ReportMessage(true, false, ESet.ResultText);
        return true;
    case 1:
        ReportError(true, true, ESet.ResultText);
        return true;
    case 2:
    case -1:
        ReportError(true, true, ESet.ResultText);
        return false;
    case 3:
        ReportError(true, false, ESet.ResultText);
        return false;
    default:
        return false;
    }
}

}  // namespace

bool RunSolveESet(TESetCTRL ESet, TShowCTRL Settings, platform::StringGrid& RootGrid)
{
    if (ESet.A.empty() || ESet.G.empty() || ESet.X.empty()) {
        ESet.Solved = false;
        ESet.ResultCode = -1;
        ESet.ResultText = kNoSourceDataText;
        ReportError(true, true, ESet.ResultText);
        return false;
    }
    CopyESetToWork(ESet);
    SolveESetGauss(ESet);
    const bool solved = ReportOutcome(ESet);
    ShowESetRootsToGrid(ESet.X, Settings, RootGrid);
    ShowESetNEqToGrid(ESet, Settings, RootGrid);
    ESetRootsToReport(ESet.X);
    return solved;
}

void ESetRootsToReport(const TESetRoots& Roots)
{
    if (Roots.empty()) {
        StopProgress();
        return;
    }
    ReportBlankLine();
    ReportMessage(false, false, " ТАБЛИЦА КОРНЕЙ СИСТЕМЫ УРАВНЕНИЙ В ДЕКАРТОВЫХ и ПОЛЯРНЫХ КООРДИНАТАХ ");
    ReportBlankLine();
    StartProgress("ESetRootsToReport", 0, 1, std::int32_t(Roots.size()) - 1);
    for (std::size_t k = 0; k < Roots.size(); ++k) {
        StepProgress();
        ReportMessage(false, false,
                      "  X" + std::to_string(k) + "\t" + FormatComplex(Roots[k], kCartesianColumn) + "      \t"
                          + FormatComplex(Roots[k], kPolarColumn));
    }
    ReportBlankLine();
    StopProgress();
}
