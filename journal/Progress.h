#pragma once

#include <cstdint>
#include <string>

namespace platform {
class ProgressBar;
class StaticText;
}

// The progress bar and the status text of the indicator panel.
void InitProgress(platform::StaticText* StatusText, platform::ProgressBar* ProgressBar);
void StartProgress(const std::string& Name, std::int32_t Min, std::int32_t Step, std::int32_t Max);
void StepProgress();
void StopProgress();  // in debug mode holds the bar for 3000 ms first
void ShowProgressMsg(const std::string& Text);
