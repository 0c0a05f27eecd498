#include "journal/Reports.h"

#include "journal/Windows1251.h"
#include "platform/FileNames.h"
#include "platform/Memo.h"
#include "platform/MessageBoxes.h"
#include "platform/Regional.h"
#include "platform/ReplacingFile.h"

namespace {

platform::Memo* journal = nullptr;
bool debugMode = false;

std::string TimeStamp() { return platform::LongTimeText(platform::Now()); }

std::string DateTimeStamp()
{
    const std::time_t now = platform::Now();
    return platform::ShortDateText(now) + " " + platform::LongTimeText(now);
}

void Append(const std::string& text) { journal->Add(text); }

// Writes every journal line with CR LF in Windows-1251; false on any failure.
bool WriteJournal(const std::string& name)
{
    platform::ReplacingFile file(name);
    for (const auto& line : journal->Lines())
        if (!file.Write(ToWindows1251(line)) || !file.Write("\r\n"))
            return false;
    return file.Commit();
}

}  // namespace

bool DebugMode() { return debugMode; }

void SetDebugMode(bool On) { debugMode = On; }

void InitReport(platform::Memo* Memo)
{
    journal = Memo;
    if (!journal)
        return;
    journal->Clear();
    Append("ЖУРНАЛ ОПЕРАЦИЙ.");
    Append("Журнал начат : " + DateTimeStamp());
}

void ReportBlankLine()
{
    if (journal)
        Append("");
}

void ReportSeparator(const std::string& Pattern, std::uint8_t Count)
{
    if (!journal)
        return;
    std::string line = " >>> " + TimeStamp() + " ";
    for (int i = 0; i < Count; ++i)
        line += Pattern;
    Append(line);
}

void ReportBegin(const std::string& Text)
{
    if (!journal)
        return;
    Append(" ");
    ReportSeparator("-", 100);
    Append(Text);
}

void ReportEnd(const std::string& Text)
{
    if (!journal)
        return;
    Append(Text);
    ReportSeparator("-", 100);
}

void ReportDebug(const std::string& Text)
{
    if (journal && debugMode)
        Append(" *** DEBUG *** " + TimeStamp() + " *** : " + Text);
}

void ReportMessage(bool ShowBox, bool AsWarning, const std::string& Text)
{
    if (!journal)
        return;
    Append(Text);
    if (ShowBox)
        platform::ShowMessageBox(AsWarning ? platform::MsgKind::Warning : platform::MsgKind::Information, Text);
}

void ReportError(bool ShowBox, bool AsWarning, const std::string& Text)
{
    if (!journal)
        return;
    Append(Text);
    if (ShowBox)
        platform::ShowMessageBox(AsWarning ? platform::MsgKind::Warning : platform::MsgKind::Error, Text);
    else if (debugMode)
        platform::ShowMessageBox(platform::MsgKind::Information, " *** DEBUG *** \t" + Text);
}

void SaveReportToFile(const std::string& FileName)
{
    if (!journal)
        return;
    std::string name = platform::TrimName(FileName);
    if (name.empty())
        return;
    name = platform::WithExtension(name, ".txt");
    const std::string shortName = platform::ExtractFileName(name);
    if (platform::FileExists(name)
        && !platform::AskYesNo(platform::MsgKind::Warning,
                               "ФАЙЛ: " + shortName + "\r\nУЖЕ СУЩЕСТВУЕТ\r\nПЕРЕЗАПИСАТЬ ЭТОТ ФАЙЛ ?"))
        return;
    ReportBegin(" НАЧАТО СОХРАНЕНИЕ ЖУРНАЛА ");
    bool written = false;
    try {
        written = WriteJournal(name);
    } catch (...) {
        written = false;  // a failure of the write goes no further than its message
    }
    if (written)
        ReportMessage(true, false, " ЖУРНАЛ УСПЕШНО СОХРАНЕН В ФАЙЛ " + shortName);
    else
        ReportError(true, false, " НЕРАСПОЗНАННАЯ ОШИБКА ПРИ ЗАПИСИ ЖУРНАЛА В ФАЙЛ " + shortName);
    ReportEnd(" СОХРАНЕНИЕ ЖУРНАЛА ЗАВЕРШЕНО ");
}
