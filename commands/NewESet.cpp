#include "commands/NewESet.h"

#include <string>

#include "grids/ESetGridService.h"
#include "journal/Reports.h"
#include "model/ESetArrayService.h"

namespace {

constexpr std::int32_t kMinRows = 2;
constexpr std::int32_t kMaxRows = 1000;

bool BuildNewESet(TESetCTRL& ESet, const TNewESetCTRL& Request, platform::StringGrid& EquationGrid,
                  platform::StringGrid& RootGrid, TShowCTRL Settings)
{
    bool ok = InitESetArrays(ESet, Request.Rows);
    if (ok)
        ok = InitESetAndRootGrid(ESet, EquationGrid, RootGrid);
    if (ok && Request.RandomData) {
        ok = MakeRandomTestESet(ESet);
    } else {
        ESet.MaxReCoeff = 10;
        ESet.MaxImCoeff = 10;
        ESet.MaxReRoots = 10;
        ESet.MaxImRoots = 10;
    }
    if (ok)
        RefreshESetGrid(ESet, EquationGrid, Settings, 1);
    return ok;
}

}  // namespace

bool NewESet(TESetCTRL& ESet, TNewESetCTRL& Request, platform::StringGrid& EquationGrid,
             platform::StringGrid& RootGrid, TShowCTRL Settings)
{
    if (Request.Rows < kMinRows || Request.Rows > kMaxRows) {
        Request.Rows = 5;
        Request.Cols = 6;
        Request.RandomData = true;
        ReportError(true, true, "ОШИБКА. Размер системы переустановлен на допустимый.");
    }
    ReportMessage(false, false, " Запрошено создание системы уравнений с числом строк = " + std::to_string(Request.Rows));
    ESet.FileName.clear();
    ESet.ShortName.clear();

    bool ok = false;
    try {
        ok = BuildNewESet(ESet, Request, EquationGrid, RootGrid, Settings);
    } catch (...) {
        ok = false;  // memory exhausted while showing: reported below like any other failure
    }
    if (ok)
        ReportMessage(false, false, " Выполнено создание системы уравнений с числом строк = " + std::to_string(ESet.NRows));
    else
        ReportError(true, false, " SYSERROR(NewESet): СОЗДАНИЕ НОВОЙ СИСТЕМЫ ЗАВЕРШИЛОСЬ АВАРИЙНО");
    return ok;
}
