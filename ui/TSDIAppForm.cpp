#include "ui/TSDIAppForm.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <exception>

#include "commands/ESetFileCommands.h"
#include "commands/NewESet.h"
#include "commands/SolveCommand.h"
#include "graph/GraphXYv03.h"
#include "graph/ShowGraphXY01.h"
#include "grids/ESetGridService.h"
#include "journal/Progress.h"
#include "journal/Reports.h"
#include "model/MAINDATA.h"
#include "platform/FileNames.h"
#include "platform/MessageBoxes.h"
#include "ui/About.h"
#include "ui/DialogCommands.h"
#include "ui/EditESetDialod.h"
#include "ui/NewESetDialog.h"
#include "ui/QtPlatform.h"
#include "ui/ShowCTRLDialog.h"
#include "ui/StringGridView.h"

namespace {

// The file dialogs' filters, "description|pattern" as the program states them.
constexpr const char* kOpenESetFilter = "ESet matrix files (*.esm)|*.esm";
constexpr const char* kSaveESetFilter = "ESet files (*.esm)|*.esm";
constexpr const char* kReportFilter = "Report text files (*.txt)|*.txt";
constexpr const char* kVectorsFilter = "JPEG files (*.jpg)|*.jpg";

constexpr const char* kCaptionPrefix = " v.1.04. Система линейных уравнений файл : ";

QString QtFilter(const char* filter)
{
    const QString text = QString::fromUtf8(filter);
    return text.left(text.indexOf(QLatin1Char('|')));
}

}  // namespace

TSDIAppForm::TSDIAppForm(QWidget* parent) : QMainWindow(parent)
{
    BuildLayout();

    journal_ = std::make_unique<QtMemo>(*memoReport_);
    statusText_ = std::make_unique<QtStaticText>(*sTxtPrMsg_);
    progress_ = std::make_unique<QtProgressBar>(*prBarRun_);
    cellReText_ = std::make_unique<QtStaticText>(*sTextShowRM_);
    cellImText_ = std::make_unique<QtStaticText>(*sTextShowIP_);
    gridESET_.SetOnSelectCell([this] { GridESETClick(); });

    // FormCreate: a fresh system, the vector diagram, the journal, the bar.
    ESet = TESetCTRL{};
    CreateVectorsGraph(panVectors_);
    InitReport(journal_.get());
    InitProgress(statusText_.get(), progress_.get());
    UpdateCaption();
}

TSDIAppForm::~TSDIAppForm()
{
    FreeVectorsGraph();
    InitProgress(nullptr, nullptr);
    InitReport(nullptr);
    // The grid views read their grids, members that go before the window's
    // child widgets do; so the views go first, while the grids still exist.
    delete gridESETView_;
    delete gridROOTView_;
}

void TSDIAppForm::SetDialogs(TAboutBox* about, TESetEditForm* cellEdit, TNewESetForm* newESet, TFormShowCTRL* showCTRL)
{
    about_ = about;
    cellEdit_ = cellEdit;
    newESet_ = newESet;
    showCTRL_ = showCTRL;
}

void TSDIAppForm::Run(void (TSDIAppForm::*command)())
{
    Run([this, command] { (this->*command)(); });
}

void TSDIAppForm::Run(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& failure) {
        ShowProgressMsg("");
        platform::ShowMessageBox(platform::MsgKind::Error, failure.what());
    } catch (...) {
        ShowProgressMsg("");
        platform::ShowMessageBox(platform::MsgKind::Error, "НЕИЗВЕСТНАЯ ОШИБКА ПРИ ВЫПОЛНЕНИИ КОМАНДЫ");
    }
}

QString TSDIAppForm::AskFileName(QFileDialog& dialog, const QString& title, const QString& filter)
{
    dialog.setWindowTitle(title);
    dialog.setNameFilter(filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void TSDIAppForm::UpdateCaption()
{
    setWindowTitle(ToQString(kCaptionPrefix + (ESet.ShortName.empty() ? std::string("(отсутствует)") : ESet.ShortName)));
}

void TSDIAppForm::ShowMatrixSelect()
{
    sTextShowMSel_->setText(MatrixSelect == 1 || MatrixSelect == 2 ? ToQString(MatrixSelTexts[MatrixSelect - 1])
                                                                    : QString());
}

void TSDIAppForm::ShowDisplayParams()
{
    // The dialog offers only the values these tables name; anything else shows empty.
    auto text = [](const char* const* table, std::size_t size, std::int32_t index) {
        return index >= 0 && std::size_t(index) < size ? ToQString(table[index]) : QString();
    };
    sTextShowVPCrd_->setText(text(CoordsTexts, std::size(CoordsTexts), ShowCTRL.VPCrd));
    sTextShowVPMod_->setText(text(ModeTexts, std::size(ModeTexts), ShowCTRL.VPMod));
    sTextShowVPPrc_->setText(text(PrecisionTexts, std::size(PrecisionTexts), ShowCTRL.VPPrc));
    sTextShowVPPG_->setText(ShowCTRL.VPCrd == 0 ? QString() : ToQString(PhaseUnitTexts[ShowCTRL.VPPG ? 1 : 0]));
}

void TSDIAppForm::ShowViewState()
{
    ShowMatrixSelect();
    ShowDisplayParams();
    pageControl_->setCurrentIndex(0);
}

void TSDIAppForm::RepaintNow() { repaint(); }

void TSDIAppForm::GridESETClick()
{
    ShowESetCellToText(ESet.A, gridESET_.Row() - gridESET_.FixedRows(), gridESET_.Col() - gridESET_.FixedCols(),
                       *cellReText_, *cellImText_);
}

void TSDIAppForm::DoNewESet()
{
    if (!newESet_ || newESet_->exec() != QDialog::Accepted)
        return;
    ShowProgressMsg(" Создание системы");
    RepaintNow();
    ReportBegin(" НАЧАТО СОЗДАНИЕ НОВОЙ СИСТЕМЫ УРАВНЕНИЙ ");
    NewESet(ESet, NewESetCTRL, gridESET_, gridROOT_, ShowCTRL);
    ShowViewState();
    UpdateCaption();
    ShowProgressMsg("");
    ReportEnd(" ЗЕВЕРШЕНО СОЗДАНИЕ НОВОЙ СИСТЕМЫ УРАВНЕНИЙ ");
}

void TSDIAppForm::DoOpenESet()
{
    ReportBegin(" НАЧАЛО ЗАГРУЗКИ СИСТЕМЫ УРАВНЕНИЙ ИЗ ФАЙЛА ");
    const QString name = AskFileName(*openDialog_, QStringLiteral("ЗАГРУЗИТЬ ESet ИЗ ФАЙЛА"), QtFilter(kOpenESetFilter));
    if (!name.isEmpty()) {
        ShowProgressMsg(" Загрузка из файла");
        RepaintNow();
        if (!LoadESet(name.toStdString(), ESet, ShowCTRL, gridESET_, gridROOT_))
            ReportError(true, false, " ЗАПРОШЕННЫЙ ФАЙЛ НЕ ЗАГРУЖЕН");
        ShowViewState();
        UpdateCaption();
        ShowProgressMsg("");
    }
    ReportEnd(" КОНЕЦ ЗАГРУЗКИ СИСТЕМЫ УРАВНЕНИЙ ");
}

void TSDIAppForm::DoSaveESet()
{
    ShowProgressMsg(" Сохранение в файл");
    SaveESet(ESet);
    ShowProgressMsg("");
}

void TSDIAppForm::DoSaveESetAs()
{
    const QString name = AskFileName(*saveDialog_, QStringLiteral("СОХРАНИТЬ ESet КАК ..."), QtFilter(kSaveESetFilter));
    if (name.isEmpty())
        return;
    ShowProgressMsg(" Сохранение в файл");
    RepaintNow();
    SaveESetAs(name.toStdString(), ESet);
    UpdateCaption();
    ShowProgressMsg("");
}

void TSDIAppForm::DoSolveESet()
{
    ShowProgressMsg(" Решение системы");
    ClearVectorsGraph();
    ReportBegin(" НАЧАЛО РЕШЕНИЯ СИСТЕМЫ УРАВНЕНИЙ");
    if (RunSolveESet(ESet, ShowCTRL, gridROOT_))
        pageControl_->setCurrentIndex(1);
    ReportEnd(" КОНЕЦ РЕШЕНИЯ СИСТЕМЫ УРАВНЕНИЙ ");
    ShowProgressMsg("");
}

void TSDIAppForm::DoShowParams()
{
    if (showCTRL_)
        ::DoShowParams(*showCTRL_, gridESET_, [this] { RepaintNow(); }, [this] {
            ShowMatrixSelect();
            ShowDisplayParams();
        });
}

void TSDIAppForm::DoClearReport() { InitReport(journal_.get()); }

void TSDIAppForm::DoSaveReport()
{
    const QString name = AskFileName(*saveDialog_, QStringLiteral("СОХРАНИТЬ ЖУРНАЛ КАК ..."), QtFilter(kReportFilter));
    if (name.isEmpty())
        return;
    ShowProgressMsg(" Сохранение журнала");
    RepaintNow();
    SaveReportToFile(name.toStdString());
    ShowProgressMsg("");
}

void TSDIAppForm::DoSaveVectors()
{
    const QString name =
        AskFileName(*saveDialog_, QStringLiteral("СОХРАНИТЬ ГРАФИК КОРНЕЙ КАК ..."), QtFilter(kVectorsFilter));
    if (name.isEmpty())
        return;
    // The picture is written under a name of its own; another file of that
    // name is replaced only when the user agrees.
    const std::string chosen = name.toStdString();
    const std::string target = ImageFileName(chosen, 'J');
    if (!target.empty() && target != chosen && platform::FileExists(target)
        && !platform::AskYesNo(platform::MsgKind::Warning, "ФАЙЛ: " + platform::ExtractFileName(target)
                                                               + "\r\nУЖЕ СУЩЕСТВУЕТ\r\nПЕРЕЗАПИСАТЬ ЭТОТ ФАЙЛ ?"))
        return;
    ShowProgressMsg(" Сохранение графика");
    RepaintNow();
    SaveVectorsGraph(chosen);
    ShowProgressMsg("");
}

void TSDIAppForm::DoClearVectors() { ClearVectorsGraph(); }

long double TSDIAppForm::SelectedFreeTermScale() const
{
    constexpr long double scales[] = {100, 10, 1, 0.1L, 0.01L};
    const int index = cBoxYScale_->currentIndex();
    return index >= 0 && index < int(std::size(scales)) ? scales[index] : 1;
}

void TSDIAppForm::DoShowVectors()
{
    switch (cBoxVectSelect_->currentIndex()) {
    case 0:
        ShowAllRootsVectors(ESet);
        break;
    case 1:
        ShowMarkedVectors(gridROOT_, ESet, SelectedFreeTermScale());
        break;
    default:
        break;
    }
}

void TSDIAppForm::DoAbout()
{
    if (about_)
        about_->exec();
}
