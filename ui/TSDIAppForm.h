#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "platform/StringGrid.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QTabWidget;
class QToolButton;
class QWidget;
class StringGridView;
class TAboutBox;
class TESetEditForm;
class TFormShowCTRL;
class TNewESetForm;
class QtMemo;
class QtProgressBar;
class QtStaticText;

// The program's main window: the equation-set grid, the roots grid with the
// vector diagram, the journal and the indicator panel, and every command.
class TSDIAppForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TSDIAppForm(QWidget* parent = nullptr);
    ~TSDIAppForm() override;

    // The dialogs are created after the window and kept for the run.
    void SetDialogs(TAboutBox* about, TESetEditForm* cellEdit, TNewESetForm* newESet, TFormShowCTRL* showCTRL);

    // Window operations of the commands.
    void UpdateCaption();
    void ShowMatrixSelect();
    void ShowDisplayParams();
    void ShowViewState();
    void RepaintNow();

    // The commands.
    void DoNewESet();
    void DoOpenESet();
    void DoSaveESet();
    void DoSaveESetAs();
    void DoSolveESet();
    void DoShowParams();
    void DoClearReport();
    void DoSaveReport();
    void DoSaveVectors();
    void DoClearVectors();
    void DoShowVectors();
    void DoAbout();

    platform::StringGrid& EquationGrid() { return gridESET_; }
    platform::StringGrid& RootGrid() { return gridROOT_; }

private:
    void BuildLayout();
    void BuildMenu();
    void BuildToolBar();
    QWidget* BuildDisplayTexts();
    QWidget* BuildESetPage();
    QWidget* BuildRootsPage();
    QWidget* BuildReportPage();
    QAction* MakeAction(const char* name, const QString& caption, const QString& hint, const char* icon,
                        void (TSDIAppForm::*command)());
    QToolButton* MakeButton(QWidget* parent, const char* name, const QString& hint, const char* icon,
                            void (TSDIAppForm::*command)());
    // Runs a command; anything that escapes it is shown in an error box, so
    // no failure ends the program.
    void Run(void (TSDIAppForm::*command)());
    void Run(const std::function<void()>& command);
    // The name chosen in a file dialog, or empty when it was cancelled.
    QString AskFileName(QFileDialog& dialog, const QString& title, const QString& filter);

    void GridESETClick();
    long double SelectedFreeTermScale() const;

    platform::StringGrid gridESET_;
    platform::StringGrid gridROOT_;

    QTabWidget* pageControl_ = nullptr;
    StringGridView* gridESETView_ = nullptr;
    StringGridView* gridROOTView_ = nullptr;
    QWidget* panVectors_ = nullptr;
    QPlainTextEdit* memoReport_ = nullptr;
    QCheckBox* chBoxDebugOn_ = nullptr;
    QLabel* sTxtPrMsg_ = nullptr;
    QProgressBar* prBarRun_ = nullptr;
    QLabel* sTextShowVPCrd_ = nullptr;
    QLabel* sTextShowVPMod_ = nullptr;
    QLabel* sTextShowVPPrc_ = nullptr;
    QLabel* sTextShowVPPG_ = nullptr;
    QLabel* sTextShowMSel_ = nullptr;
    QLabel* sTextShowRM_ = nullptr;
    QLabel* sTextShowIP_ = nullptr;
    QComboBox* cBoxVectSelect_ = nullptr;
    QComboBox* cBoxYScale_ = nullptr;
    QFileDialog* openDialog_ = nullptr;
    QFileDialog* saveDialog_ = nullptr;

    std::unique_ptr<QtMemo> journal_;
    std::unique_ptr<QtStaticText> statusText_;
    std::unique_ptr<QtProgressBar> progress_;
    std::unique_ptr<QtStaticText> cellReText_;
    std::unique_ptr<QtStaticText> cellImText_;

    TAboutBox* about_ = nullptr;
    TESetEditForm* cellEdit_ = nullptr;
    TNewESetForm* newESet_ = nullptr;
    TFormShowCTRL* showCTRL_ = nullptr;
};
