#include "files/ESetFile.h"

#include <cstring>
#include <string_view>

#include "journal/Progress.h"
#include "journal/Reports.h"
#include "model/ESetArrayService.h"
#include "platform/MessageBoxes.h"

TUFCB ESetUFCB;
TESetFileRec ESetFileBuf;

namespace {

constexpr std::int32_t kRecSize = sizeof(TESetFileRec);
constexpr std::int32_t kMinRows = 2;
constexpr std::int32_t kMaxRows = 1000;
constexpr std::string_view kSignature = "ESet Matrix Data";
constexpr std::string_view kVersion = " V1 ";
static_assert(kSignature.size() == sizeof TESetFileHeader::Signature);
static_assert(kVersion.size() == sizeof TESetFileHeader::Version);

bool OpenIn(const TUFCB& UFCB, std::uint16_t Mode) { return UFCB.IsOpen && UFCB.Mode == Mode; }

std::string RowColText(std::int32_t k, std::int32_t i)
{
    return "Row = " + std::to_string(k) + ", Col = " + std::to_string(i);
}

bool BodyWriteFailed(TUFCB& UFCB, std::int32_t k, std::int32_t i)
{
    ColoseUFCB(UFCB);
    ReportError(true, false, " I/O ERROR. Ошибка операции записи. " + RowColText(k, i));
    StopProgress();
    return false;
}

}  // namespace

void MakeESetHeader(const TESetCTRL& ESet)
{
    const auto n = static_cast<std::int32_t>(ESet.A.size());
    TESetFileHeader header{};
    header.RecId = kESetHeaderRecId;
    header.SignatureLength = static_cast<std::uint8_t>(kSignature.size());
    std::memcpy(header.Signature, kSignature.data(), kSignature.size());
    header.VersionLength = static_cast<std::uint8_t>(kVersion.size());
    std::memcpy(header.Version, kVersion.data(), kVersion.size());
    header.NRows = n;
    header.NCols = n + 1;
    ESetFileBuf.Header = header;
}

bool SaveESetHeaderToFile(const TESetCTRL& ESet, TUFCB& UFCB)
{
    if (!OpenIn(UFCB, 1))
        return false;
    MakeESetHeader(ESet);
    if (WriteUFCB(UFCB)) {
        ReportDebug(" Заголовок файла успешно записан");
        return true;
    }
    ColoseUFCB(UFCB);
    ReportError(true, false, " I/O ERROR. НЕВОЗМОЖНО ЗАПИСАТЬ ЗАГОЛОВОК ФАЙЛА");
    return false;
}

bool SaveESetBodyToFile(const TESetCTRL& ESet, TUFCB& UFCB)
{
    if (!OpenIn(UFCB, 1))
        return false;
    const TESetArray& A = ESet.A;
    const auto n = static_cast<std::int32_t>(A.size());
    StartProgress("SaveESetBodyToFile", 0, 1, n - 1);
    std::int32_t lastRow = 0;
    std::int32_t lastCol = 0;
    for (std::int32_t k = 0; k < n; ++k) {
        StepProgress();
        const TESetRow& row = A[k];
        const auto cols = static_cast<std::int32_t>(row.size());
        for (std::int32_t i = 0; i < cols; ++i) {
            ESetFileBuf.Body = TESetFileBody{kESetBodyRecId, k, i, ToFileComplex(row[i]), {}};
            if (!WriteUFCB(UFCB))
                return BodyWriteFailed(UFCB, k, i);
            lastRow = k;
            lastCol = i;
        }
    }
    // The records wait in the file's buffer, and a failure to send them on
    // to the disk (a full disk, a size limit) only shows now. The last record
    // therefore counts as written only once the whole file is stored, so no
    // such failure is ever reported as success.
    if (!CommitUFCB(UFCB))
        return BodyWriteFailed(UFCB, lastRow, lastCol);
    ReportDebug(" Тело файла успешно записано");
    StopProgress();
    return true;
}

bool SaveESetTrailerToFile(const TESetCTRL& /*ESet*/, TUFCB& UFCB)
{
    if (!OpenIn(UFCB, 1))
        return false;
    ReportDebug(" Трейлер файла успешно записан");
    return true;
}

bool SaveESetToFile(const std::string& FileName, const TESetCTRL& ESet, TUFCB& UFCB)
{
    if (ESet.A.size() < static_cast<std::size_t>(kMinRows)) {
        platform::ShowMessageBox(platform::MsgKind::Warning,
                                 "СИСТЕМА УРАВНЕНИЙ ЕЩЕ НЕ СОЗДАНА!\r\nВЫПОЛНИТЕ : Файлы \\ Новая система");
        return false;
    }
    if (!UFCB.IsOpen) {
        UFCB = TUFCB{};
        // The records go to a temporary file that replaces the old file only
        // once it is complete, so a failed save never destroys a good file.
        OpenReplacingUFCB(FileName, kRecSize, &ESetFileBuf, UFCB);
    }
    if (!UFCB.IsOpen) {
        ReportError(true, false, " OPEN I/O ERROR.\r\n ОШИБКА ОТКРЫТИЯ ФАЙЛА ПО ЗАПИСИ.");
        return false;
    }
    if (!SaveESetHeaderToFile(ESet, UFCB) || !SaveESetBodyToFile(ESet, UFCB) || !SaveESetTrailerToFile(ESet, UFCB))
        return false;
    ColoseUFCB(UFCB);
    ReportDebug(" Успешное завершение всех операций сохранения файла");
    return true;
}

bool CheckESetHeader(TESetFileHeader Header)
{
    // The range comes first, so NRows + 1 cannot overflow.
    const bool valid = Header.RecId == kESetHeaderRecId && Header.NRows >= kMinRows && Header.NRows <= kMaxRows
                       && Header.NCols == Header.NRows + 1;
    if (valid)
        ReportDebug(" Заголовок файла успешно проверен");
    return valid;
}

bool LoadESetHeaderFromFile(TESetCTRL& /*ESet*/, TUFCB& UFCB)
{
    if (!OpenIn(UFCB, 0))
        return false;
    ESetFileBuf = TESetFileRec{};
    if (!ReadUFCB(UFCB)) {
        ColoseUFCB(UFCB);
        ReportError(true, false, " I/O ERROR. НЕВОЗМОЖНО ПРОЧЕСТЬ ЗАГОЛОВОК ФАЙЛА");
        return false;
    }
    ReportDebug(" Заголовок файла успешно прочитан");
    if (!CheckESetHeader(ESetFileBuf.Header)) {
        ColoseUFCB(UFCB);
        ReportError(true, false, " ОШИБКИ СТРУКТУРЫ ИЛИ ДАННЫХ В ЗАГОЛОВКЕ ФАЙЛА");
        return false;
    }
    ReportDebug(" Заголовок файла успешно проверен");
    return true;
}

bool LoadESetBodyFromFile(TESetCTRL& ESet, TUFCB& UFCB)
{
    if (!OpenIn(UFCB, 0))
        return false;
    const TESetArray& A = ESet.A;
    const auto n = static_cast<std::int32_t>(A.size());
    StartProgress("LoadESetBodyFromFile", 0, 1, n - 1);
    for (std::int32_t k = 0; k < n; ++k) {
        StepProgress();
        TESetRow& row = A[k];
        const auto cols = static_cast<std::int32_t>(row.size());
        for (std::int32_t i = 0; i < cols; ++i) {
            ESetFileBuf = TESetFileRec{};
            if (!ReadUFCB(UFCB)) {
                ColoseUFCB(UFCB);
                ReportError(true, false, " I/O ERROR. Ошибка операции чтения. " + RowColText(k, i));
                StopProgress();
                return false;
            }
            const TESetFileBody& record = ESetFileBuf.Body;
            if (record.RecId != kESetBodyRecId || record.Row != k || record.Col != i) {
                ColoseUFCB(UFCB);
                ReportDebug(" Ошибки данных в записи. RecId = " + std::to_string(record.RecId) + ", "
                            + RowColText(record.Row, record.Col));
                StopProgress();
                return false;
            }
            row[i] = FromFileComplex(record.Value);
        }
    }
    ReportDebug(" Тело файла успешно загужено");
    StopProgress();
    return true;
}

bool LoadESetTrailerFromFile(TESetCTRL& /*ESet*/, TUFCB& UFCB)
{
    if (!OpenIn(UFCB, 0))
        return false;
    ReportDebug(" Трейлер файла успешно загужен");
    return true;
}

bool LoadESetFromFile(const std::string& FileName, TESetCTRL& ESet, TUFCB& UFCB)
{
    if (!UFCB.IsOpen) {
        UFCB = TUFCB{};
        OpenUFCB(FileName, 0, false, kRecSize, &ESetFileBuf, UFCB);
    }
    if (!UFCB.IsOpen) {
        ReportError(true, false, " OPEN I/O ERROR.\r\n ОШИБКА ОТКРЫТИЯ ФАЙЛА ПО ЧТЕНИЮ.");
        return false;
    }
    if (!LoadESetHeaderFromFile(ESet, UFCB))
        return false;
    // The header has passed the check, so N is at most 1000 here.
    if (!InitESetArrays(ESet, ESetFileBuf.Header.NRows)) {
        ColoseUFCB(UFCB);
        return false;
    }
    if (!LoadESetBodyFromFile(ESet, UFCB))
        return false;
    LoadESetTrailerFromFile(ESet, UFCB);
    ColoseUFCB(UFCB);
    ReportDebug(" Успешное завершение загрузки файла в динамические массивы");
    return true;
}
