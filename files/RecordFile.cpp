#include "files/RecordFile.h"

#include <cerrno>
#include <string_view>
#include <system_error>

#include "journal/Reports.h"
#include "platform/FileNames.h"

namespace {

// The text of success is set after every record moved, so it is looked up
// only once.
const std::string& SuccessText()
{
    static const std::string text = platform::SystemErrorMessage(0);
    return text;
}

std::string SystemText(int code) { return code == 0 ? SuccessText() : platform::SystemErrorMessage(code); }

bool Opened(TUFCB& UFCB, int code, const std::string& FileName, std::uint16_t Mode, std::int32_t RecSize,
            void* Buffer)
{
    UFCB.LastError = code;
    UFCB.IsOpen = code == 0;
    if (UFCB.IsOpen) {
        UFCB.ErrorText = SuccessText();
        UFCB.FileName = FileName;
        UFCB.Mode = Mode;
        UFCB.RecSize = RecSize;
        UFCB.Buffer = Buffer;
    } else {
        UFCB.ErrorText = "Open ERROR :" + platform::SystemErrorMessage(code);
        UFCB.FileName.clear();
        UFCB.Mode = 0;
        UFCB.RecSize = 0;
        UFCB.Buffer = nullptr;
    }
    return UFCB.IsOpen;
}

bool UsableRecord(std::int32_t RecSize, const void* Buffer) { return RecSize > 0 && Buffer != nullptr; }

// The common end of a read or write of one record.
bool Transferred(TUFCB& UFCB, int code, bool wholeRecord, std::string_view countText, std::string_view movedText)
{
    UFCB.RecCount = wholeRecord ? 1 : 0;
    UFCB.LastError = code;
    UFCB.ErrorText = SystemText(code);
    if (UFCB.RecCount == 1)
        return code == 0;
    UFCB.LastError = kWrongRecordCount;
    UFCB.ErrorText = std::string(countText) + "1" + std::string(movedText) + std::to_string(UFCB.RecCount);
    return false;
}

bool CanRead(const TUFCB& UFCB) { return UFCB.IsOpen && (UFCB.Mode == 0 || UFCB.Mode == 2); }
bool CanWrite(const TUFCB& UFCB) { return UFCB.IsOpen && (UFCB.Mode == 1 || UFCB.Mode == 2); }

}  // namespace

bool OpenUFCB(const std::string& FileName, std::uint16_t Mode, bool Create, std::int32_t RecSize, void* Buffer,
              TUFCB& UFCB)
{
    int code = EINVAL;
    if (Mode <= 2 && UsableRecord(RecSize, Buffer)) {
        using Access = BinaryFile::Access;
        if (Mode == 0)
            code = UFCB.FileVar.Open(FileName, Access::Read, false);
        else if (Create)
            code = UFCB.FileVar.Open(FileName, Access::ReadWrite, true);
        else
            code = UFCB.FileVar.Open(FileName, Mode == 1 ? Access::Write : Access::ReadWrite, false);
    }
    return Opened(UFCB, code, FileName, Mode, RecSize, Buffer);
}

bool OpenReplacingUFCB(const std::string& FileName, std::int32_t RecSize, void* Buffer, TUFCB& UFCB)
{
    const int code = UsableRecord(RecSize, Buffer) ? UFCB.FileVar.OpenReplacing(FileName) : EINVAL;
    return Opened(UFCB, code, FileName, 1, RecSize, Buffer);
}

bool ReadUFCB(TUFCB& UFCB)
{
    if (!CanRead(UFCB))
        return false;
    const auto size = static_cast<std::size_t>(UFCB.RecSize);
    int code = 0;
    const bool whole = UFCB.FileVar.Read(UFCB.Buffer, size, code) == size;
    return Transferred(UFCB, code, whole, "Прочитано неправильное число записей :  Запрошено = ",
                       " Прочитано = ");
}

bool WriteUFCB(TUFCB& UFCB)
{
    if (!CanWrite(UFCB))
        return false;
    const auto size = static_cast<std::size_t>(UFCB.RecSize);
    int code = 0;
    // A record the file object has taken counts as written even when sending
    // the full buffer on to the file then fails: the code tells of that.
    const bool whole = UFCB.FileVar.Write(UFCB.Buffer, size, code) == size;
    return Transferred(UFCB, code, whole, "Записано неправильное число записей :  Запрошено = ",
                       " Записано = ");
}

bool CommitUFCB(TUFCB& UFCB)
{
    if (!CanWrite(UFCB))
        return false;
    const int code = UFCB.FileVar.Commit();
    UFCB.LastError = code;
    UFCB.ErrorText = SystemText(code);
    return code == 0;
}

void ColoseUFCB(TUFCB& UFCB)
{
    const int closeError = UFCB.FileVar.Close();
    UFCB.IsOpen = false;
    if (UFCB.LastError != 0) {
        ReportDebug("I/O - ERROR. LastErrorCode = " + std::to_string(UFCB.LastError) + " >> " + UFCB.ErrorText);
        ReportError(true, false,
                    " ERROR (Report from ColoseUFCB ):\r\n ОПЕРАЦИЯ ВВОДА/ВЫВОДА ЗАВЕРШИЛАСЬ АВАРИЙНО.");
    }
    // The block is closed and its recorded failure told before a failure of
    // the close itself goes to the caller.
    if (closeError != 0)
        throw std::system_error(closeError, std::generic_category(), "ColoseUFCB");
}
