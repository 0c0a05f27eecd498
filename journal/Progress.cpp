#include "journal/Progress.h"

#include "journal/Reports.h"
#include "platform/Color.h"
#include "platform/ProgressBar.h"
#include "platform/Sleep.h"
#include "platform/StaticText.h"

namespace {

platform::StaticText* statusText = nullptr;
platform::ProgressBar* progressBar = nullptr;

constexpr platform::Color kBusyColor = platform::MakeColor(192, 220, 192);
constexpr int kDebugPauseMs = 3000;

}  // namespace

void InitProgress(platform::StaticText* StatusText, platform::ProgressBar* ProgressBar)
{
    statusText = StatusText;
    progressBar = ProgressBar;
}

void StartProgress(const std::string& Name, std::int32_t Min, std::int32_t Step, std::int32_t Max)
{
    if (progressBar) {
        progressBar->SetMin(Min);
        progressBar->SetMax(Max);
        const double quotient =
            static_cast<double>(progressBar->Max() - progressBar->Min()) / static_cast<double>(Step);
        progressBar->SetStep(quotient > 2 ? Step : 1);
        progressBar->SetPosition(Min);
    }
    if (statusText && DebugMode())
        statusText->SetCaption(Name);
}

void StepProgress()
{
    if (progressBar)
        progressBar->SetPosition(progressBar->Position() + progressBar->Step());
}

void StopProgress()
{
    if (!progressBar)
        return;
    if (DebugMode())
        platform::SleepMs(kDebugPauseMs);
    progressBar->SetPosition(progressBar->Min());
}

void ShowProgressMsg(const std::string& Text)
{
    if (!Text.empty()) {
        if (statusText) {
            statusText->SetColor(kBusyColor);
            statusText->SetCaption(Text);
        }
        return;
    }
    if (statusText) {
        statusText->SetColor(platform::clBtnFace);
        statusText->SetCaption("");
    }
    StopProgress();
}
