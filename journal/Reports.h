#pragma once

#include <cstdint>
#include <string>

namespace platform {
class Memo;
}

// The operations journal. Every call but SetDebugMode and InitReport does
// nothing at all (no line, no box) while no journal control is bound.

bool DebugMode();                    // false at start
void SetDebugMode(bool On);
void InitReport(platform::Memo* Memo);  // binds, clears and writes the two title lines; null unbinds
void ReportBlankLine();
void ReportSeparator(const std::string& Pattern, std::uint8_t Count);
void ReportBegin(const std::string& Text);
void ReportEnd(const std::string& Text);
void ReportDebug(const std::string& Text);
void ReportMessage(bool ShowBox, bool AsWarning, const std::string& Text);
void ReportError(bool ShowBox, bool AsWarning, const std::string& Text);
// Saves the journal as Windows-1251 text with CR LF after every line.
void SaveReportToFile(const std::string& FileName);
