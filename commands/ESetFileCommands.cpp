#include "commands/ESetFileCommands.h"

#include "files/ESetFile.h"
#include "grids/ESetGridService.h"
#include "journal/Reports.h"
#include "model/ESetArrayService.h"
#include "platform/FileNames.h"
#include "platform/MessageBoxes.h"

namespace {

constexpr const char* kSaveBegin = " НАЧАЛО СОХРАНЕНИЯ СИСТЕМЫ УРАВНЕНИЙ В ФАЙЛ ";
constexpr const char* kSaveEnd = " КОНЕЦ СОХРАНЕНИЯ СИСТЕМЫ УРАВНЕНИЙ ";

std::string ESetFileName(const std::string& typed) { return platform::WithExtension(platform::TrimName(typed), ".esm"); }

}  // namespace

bool LoadESet(const std::string& FileName, TESetCTRL& ESet, TShowCTRL Settings, platform::StringGrid& EquationGrid,
              platform::StringGrid& RootGrid)
{
    const std::string name = ESetFileName(FileName);
    if (!platform::FileExists(name))
        return false;
    bool loaded = LoadESetFromFile(name, ESet, ESetUFCB);
    if (loaded) {
        ESet.FileName = name;
        ESet.ShortName = platform::ExtractFileName(name);
        ReportMessage(true, false, " УСПЕШНО ЗАГРУЖЕН ФАЙЛ : " + platform::UpperCaseAscii(ESet.ShortName));
    } else {
        ReportError(true, false, " БУДЕТ СОЗДАНА НОВАЯ МИНИМАЛЬНАЯ СИСТЕМА УРАВНЕНИЙ");
        ESet.FileName.clear();
        ESet.ShortName.clear();
        InitESetArrays(ESet, 2);
    }
    if (InitESetAndRootGrid(ESet, EquationGrid, RootGrid)) {
        ShowESetToGrid(ESet.A, Settings, EquationGrid);
        MatrixSelect = 1;
    }
    return loaded;
}

void SaveESetAs(const std::string& FileName, TESetCTRL& ESet)
{
    const std::string trimmed = platform::TrimName(FileName);
    if (trimmed.empty())
        return;
    ReportBegin(kSaveBegin);
    const std::string name = ESetFileName(trimmed);
    const std::string shortName = platform::ExtractFileName(name);
    if (!platform::FileExists(name)
        || platform::AskYesNo(platform::MsgKind::Warning,
                              "ФАЙЛ: " + shortName + "\r\nУЖЕ СУЩЕСТВУЕТ\r\nПЕРЕЗАПИСАТЬ ЭТОТ ФАЙЛ ?")) {
        ESet.FileName.clear();
        ESet.ShortName.clear();
        if (SaveESetToFile(name, ESet, ESetUFCB)) {
            ESet.FileName = name;
            ESet.ShortName = shortName;
            ReportMessage(true, false, " УСПЕШНО СОХРАНЕН ФАЙЛ : " + platform::UpperCaseAscii(shortName));
        }
    }
    ReportEnd(kSaveEnd);
}

void SaveESet(TESetCTRL& ESet)
{
    if (ESet.FileName.empty() || ESet.ShortName.empty()) {
        platform::ShowMessageBox(platform::MsgKind::Warning,
                                 "СИСТЕМА УРАВНЕНИЙ ЕЩЕ НЕ СОХРАНЯЛАСЬ!\r\nВЫПОЛНИТЕ : Файлы \\ Сохранить как ...");
        return;
    }
    ReportBegin(kSaveBegin);
    if (!platform::FileExists(ESet.FileName))
        ReportError(true, false, " ОШИБКА. УТЕРЯНА СВЯЗЬ С ФАЙЛОМ СОХРАНЕНИЯ\r\nВЫПОЛНИТЕ : Файлы \\ Сохранить как ...");
    else if (SaveESetToFile(ESet.FileName, ESet, ESetUFCB))
        ReportMessage(true, false, " УСПЕШНО СОХРАНЕН ФАЙЛ : " + platform::UpperCaseAscii(ESet.ShortName));
    ReportEnd(kSaveEnd);
}
