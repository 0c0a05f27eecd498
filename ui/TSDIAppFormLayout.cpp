// The layout of the main window: menu, tool bar, indicator panel, display
// texts and the three pages with their grids, diagram panel and journal.
#include "ui/TSDIAppForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "commands/CellCommands.h"
#include "journal/Reports.h"
#include "ui/DialogCommands.h"
#include "ui/StringGridView.h"

namespace {

QFont ArialPixels(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

QLabel* SunkenText(QWidget* parent, const char* name, int width, int height)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setFont(ArialPixels(12));
    label->setFixedSize(width, height);
    return label;
}

// A hint "short|long": the short part is the tool tip, the long part (or the
// whole hint when it has no bar) shows in the status bar.
template <class Target>
void SetHint(Target* target, const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    target->setToolTip(bar < 0 ? hint : hint.left(bar));
    target->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

QIcon Icon(const char* name)
{
    return name ? QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name))) : QIcon();
}

// The pop-up menu of a grid view, opened where the view is right-clicked.
QMenu* AttachPopup(QAbstractItemView* view, const char* name)
{
    auto* popup = new QMenu(view);
    popup->setObjectName(name);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, popup,
                     [view, popup](const QPoint& at) { popup->popup(view->viewport()->mapToGlobal(at)); });
    return popup;
}

// A pop-up item shown but never available.
void AddDisabledItem(QMenu* popup, const char* name, const QString& caption)
{
    QAction* item = popup->addAction(caption);
    item->setObjectName(name);
    item->setEnabled(false);
}

}  // namespace

void TSDIAppForm::BuildLayout()
{
    setObjectName(QStringLiteral("SDIAppForm"));
    setWindowIcon(Icon("linsys"));
    QFont windowFont = font();
    windowFont.setPixelSize(13);
    setFont(windowFont);

    BuildMenu();
    BuildToolBar();

    auto* central = new QWidget(this);
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(1);
    centralLayout->addWidget(BuildDisplayTexts());
    pageControl_ = new QTabWidget(central);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->setFont(ArialPixels(12));
    pageControl_->addTab(BuildESetPage(), Icon("page-eset"), QStringLiteral("Система уравнений"));
    pageControl_->addTab(BuildRootsPage(), Icon("page-roots"), QStringLiteral("Корни системы"));
    pageControl_->addTab(BuildReportPage(), Icon("page-report"), QStringLiteral("Журнал операций"));
    centralLayout->addWidget(pageControl_, 1);
    setCentralWidget(central);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar"));
    setStatusBar(status);

    openDialog_ = new QFileDialog(this);
    openDialog_->setObjectName(QStringLiteral("OpenDialog"));
    openDialog_->setOption(QFileDialog::DontUseNativeDialog);
    openDialog_->setAcceptMode(QFileDialog::AcceptOpen);
    openDialog_->setFileMode(QFileDialog::AnyFile);
    saveDialog_ = new QFileDialog(this);
    saveDialog_->setObjectName(QStringLiteral("SaveDialog"));
    saveDialog_->setOption(QFileDialog::DontUseNativeDialog);
    // The program asks its own overwrite question.
    saveDialog_->setOption(QFileDialog::DontConfirmOverwrite);
    saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
    saveDialog_->setFileMode(QFileDialog::AnyFile);

    // The design size of the window: 800 by 600 outside, the menu within.
    resize(792, 554 + menuBar()->sizeHint().height());
}

QAction* TSDIAppForm::MakeAction(const char* name, const QString& caption, const QString& hint, const char* icon,
                                 void (TSDIAppForm::*command)())
{
    auto* action = new QAction(Icon(icon), caption, this);
    action->setObjectName(name);
    SetHint(action, hint);
    if (command)
        connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    return action;
}

QToolButton* TSDIAppForm::MakeButton(QWidget* parent, const char* name, const QString& hint, const char* icon,
                                     void (TSDIAppForm::*command)())
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(Icon(icon));
    button->setAutoRaise(true);
    SetHint(button, hint);
    if (command)
        connect(button, &QToolButton::clicked, this, [this, command] { Run(command); });
    return button;
}

void TSDIAppForm::BuildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* files = bar->addMenu(QStringLiteral("Файлы"));
    files->setObjectName(QStringLiteral("File1"));
    files->menuAction()->setStatusTip(QStringLiteral("File related commands"));
    QAction* newESet = MakeAction("MMNewESet", QStringLiteral("Новая система"), QStringLiteral("New|Create a new file"),
                                  "new", &TSDIAppForm::DoNewESet);
    newESet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* open = MakeAction("MMOpenFile", QStringLiteral("Открыть"), QStringLiteral("Open|Open a file"), "open",
                               &TSDIAppForm::DoOpenESet);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* save = MakeAction("MMFileSaveFile", QStringLiteral("Сохранить"), QStringLiteral("Save|Save current file"),
                               "save", &TSDIAppForm::DoSaveESet);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* saveAs = MakeAction("MMSaveAs", QStringLiteral("Сохранить как ..."),
                                 QStringLiteral("Save As|Save current file with different name"), "save-as",
                                 &TSDIAppForm::DoSaveESetAs);
    QAction* exit = MakeAction("MMExit", QStringLiteral("Выход"), QStringLiteral("Exit|Exit application"), "exit", nullptr);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    files->addActions({newESet, open, save, saveAs});
    files->addSeparator()->setObjectName(QStringLiteral("N1"));
    files->addAction(exit);

    QMenu* journal = bar->addMenu(QStringLiteral("Журнал"));
    journal->setObjectName(QStringLiteral("MMView1"));
    journal->addAction(MakeAction("MMReportClear", QStringLiteral("Очистить"), QStringLiteral("Очистить журнал"),
                                  "report-clear", &TSDIAppForm::DoClearReport));
    journal->addAction(MakeAction("MMReportSaveAs", QStringLiteral("Сохранить как ..."),
                                  QStringLiteral("Сохранить журнал в текстовый файл"), "report-save",
                                  &TSDIAppForm::DoSaveReport));

    QAction* solve = MakeAction("MMRunSolve1", QStringLiteral("Решить систему"),
                                QStringLiteral("Выполнить решение системы уравнений"), nullptr, &TSDIAppForm::DoSolveESet);
    solve->setShortcut(QKeySequence(Qt::Key_F9));
    bar->addAction(solve);

    QMenu* help = bar->addMenu(QStringLiteral("Помощь"));
    help->setObjectName(QStringLiteral("MMHelp1"));
    help->menuAction()->setStatusTip(QStringLiteral("Help topics"));
    help->addAction(MakeAction("MMHelpAbout", QStringLiteral("О программе"),
                               QStringLiteral("About|Displays program information, version number, and copyright"),
                               "about", &TSDIAppForm::DoAbout));
}

void TSDIAppForm::BuildToolBar()
{
    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->setFixedHeight(33);
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, toolBar);
    toolBar->addWidget(MakeButton(toolBar, "ToolButtNewESet", QStringLiteral("Создать новую систему уравнений"), "new",
                                  &TSDIAppForm::DoNewESet));
    toolBar->addWidget(MakeButton(toolBar, "ToolButtLoadSet",
                                  QStringLiteral("Загрузить новую систему уравнений из файла"), "open",
                                  &TSDIAppForm::DoOpenESet));
    toolBar->addSeparator();
    toolBar->addWidget(MakeButton(toolBar, "ToolButtSavESet",
                                  QStringLiteral("Сохранить текущую систему уравнений в файл"), "save",
                                  &TSDIAppForm::DoSaveESet));
    toolBar->addSeparator();
    toolBar->addWidget(MakeButton(toolBar, "ToolButtRunSolve", QStringLiteral("Выполнить решение системы уравнений"),
                                  "solve", &TSDIAppForm::DoSolveESet));
    toolBar->addSeparator();

    auto* indicators = new QFrame(toolBar);
    indicators->setObjectName(QStringLiteral("PanIndicators"));
    indicators->setMinimumSize(582, 22);
    indicators->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(indicators);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    chBoxDebugOn_ = new QCheckBox(indicators);
    chBoxDebugOn_->setObjectName(QStringLiteral("ChBoxDebugOn"));
    SetHint(chBoxDebugOn_, QStringLiteral("Режим отладки"));
    connect(chBoxDebugOn_, &QCheckBox::toggled, this, [](bool on) { SetDebugMode(on); });
    sTxtPrMsg_ = SunkenText(indicators, "STxtPrMsg", 150, 16);
    prBarRun_ = new QProgressBar(indicators);
    prBarRun_->setObjectName(QStringLiteral("PrBarRun"));
    prBarRun_->setMinimumWidth(400);
    prBarRun_->setFixedHeight(16);
    layout->addWidget(chBoxDebugOn_);
    layout->addWidget(sTxtPrMsg_);
    layout->addWidget(prBarRun_, 1);
    toolBar->addWidget(indicators);
}

QWidget* TSDIAppForm::BuildDisplayTexts()
{
    auto* strip = new QWidget(this);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    sTextShowVPCrd_ = SunkenText(strip, "STextShowVPCrd", 130, 19);
    sTextShowVPMod_ = SunkenText(strip, "STextShowVPMod", 130, 19);
    sTextShowVPPrc_ = SunkenText(strip, "STextShowVPPrc", 101, 19);
    sTextShowVPPG_ = SunkenText(strip, "STextShowVPPG", 101, 19);
    for (QLabel* text : {sTextShowVPCrd_, sTextShowVPMod_, sTextShowVPPrc_, sTextShowVPPG_})
        layout->addWidget(text);
    layout->addStretch(1);
    return strip;
}

QWidget* TSDIAppForm::BuildESetPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TSheetESet"));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);

    auto* strip = new QWidget(page);
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setFixedHeight(55);
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(4, 2, 4, 2);
    QToolButton* params = MakeButton(strip, "SButtShowParm", QStringLiteral("Параметры просмотра данных"), "params",
                                     &TSDIAppForm::DoShowParams);
    params->setFixedSize(22, 22);
    sTextShowMSel_ = SunkenText(strip, "STextShowMSel", 130, 19);
    auto* texts = new QGridLayout;
    texts->setHorizontalSpacing(4);
    texts->setVerticalSpacing(2);
    auto* labelRe = new QLabel(QStringLiteral("Re"), strip);
    labelRe->setObjectName(QStringLiteral("LabelReMd"));
    auto* labelIm = new QLabel(QStringLiteral("Im"), strip);
    labelIm->setObjectName(QStringLiteral("LabelImPh"));
    sTextShowRM_ = SunkenText(strip, "STextShowRM", 240, 19);
    sTextShowIP_ = SunkenText(strip, "STextShowIP", 242, 19);
    texts->addWidget(labelRe, 0, 0);
    texts->addWidget(sTextShowRM_, 0, 1);
    texts->addWidget(labelIm, 1, 0);
    texts->addWidget(sTextShowIP_, 1, 1);

    auto* cross = new QGridLayout;
    cross->setSpacing(0);
    struct Jump {
        const char* name;
        const char* hint;
        const char* icon;
        GridJump target;
        int row, col;
    };
    const Jump jumps[] = {
        {"SButtToBegRow", "На первую строку", "go-first-row", GridJump::FirstRow, 0, 1},
        {"SButtToBegCol", "На первый столбец", "go-first-col", GridJump::FirstCol, 1, 0},
        {"SpeedButton1", "На последнюю отредактированную ячейку", "go-edited", GridJump::LastEditedCell, 1, 1},
        {"SButtToEndCol", "На последний столбец", "go-last-col", GridJump::LastCol, 1, 2},
        {"SButtToEndRow", "На последнюю строку", "go-last-row", GridJump::LastRow, 2, 1},
    };
    for (const Jump& jump : jumps) {
        QToolButton* button = MakeButton(strip, jump.name, QString::fromUtf8(jump.hint), jump.icon, nullptr);
        button->setFixedSize(17, 17);
        button->setIconSize(QSize(11, 11));
        const GridJump target = jump.target;
        connect(button, &QToolButton::clicked, this, [this, target] { Run([this, target] { JumpInESetGrid(gridESET_, target); }); });
        cross->addWidget(button, jump.row, jump.col);
    }
    stripLayout->addWidget(params, 0, Qt::AlignVCenter);
    stripLayout->addWidget(sTextShowMSel_, 0, Qt::AlignVCenter);
    stripLayout->addSpacing(8);
    stripLayout->addLayout(texts);
    stripLayout->addSpacing(8);
    stripLayout->addLayout(cross);
    stripLayout->addStretch(1);
    pageLayout->addWidget(strip);

    auto* gridPanel = new QWidget(page);
    gridPanel->setObjectName(QStringLiteral("Panel2"));
    auto* gridLayout = new QVBoxLayout(gridPanel);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridESETView_ = new StringGridView(gridESET_, gridPanel);
    gridESETView_->setObjectName(QStringLiteral("GridESET"));
    gridESETView_->setFont(ArialPixels(12));
    gridLayout->addWidget(gridESETView_);
    pageLayout->addWidget(gridPanel, 1);

    QMenu* popup = AttachPopup(gridESETView_, "PopupMenuGridESET");
    QAction* edit = popup->addAction(Icon("cell-edit"), QStringLiteral("Редактировать"));
    edit->setObjectName(QStringLiteral("PMESetCellEdit"));
    connect(edit, &QAction::triggered, this, [this] {
        Run([this] {
            if (cellEdit_)
                PMESetCellEditClick(*cellEdit_, gridESET_);
        });
    });
    QAction* clear = popup->addAction(Icon("cell-clear"), QStringLiteral("Очистить"));
    clear->setObjectName(QStringLiteral("PMESetCellClear"));
    connect(clear, &QAction::triggered, this, [this] { Run([this] { ClearESetCell(gridESET_); }); });
    AddDisabledItem(popup, "PMESetCellToCalc", QStringLiteral("Вставить в регистр калькулятора"));
    AddDisabledItem(popup, "PMESetCellFromCalc", QStringLiteral("Взять из регистра калькулятора"));
    return page;
}

QWidget* TSDIAppForm::BuildRootsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TSheetESetRoots"));
    auto* pageLayout = new QHBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(2);

    auto* left = new QWidget(page);
    left->setFixedWidth(305);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    gridROOTView_ = new StringGridView(gridROOT_, left);
    gridROOTView_->setObjectName(QStringLiteral("GridROOT"));
    leftLayout->addWidget(gridROOTView_, 1);

    auto* controls = new QWidget(left);
    controls->setObjectName(QStringLiteral("PanVectorsControl"));
    auto* controlsLayout = new QHBoxLayout(controls);
    controlsLayout->setContentsMargins(0, 0, 0, 0);
    auto* vectorsBar = new QToolBar(controls);
    vectorsBar->setObjectName(QStringLiteral("ToolBarVectors"));
    vectorsBar->setIconSize(QSize(16, 16));
    vectorsBar->addWidget(MakeButton(vectorsBar, "TBVectorsSave", QStringLiteral("Сохранить график корней в файл"),
                                     "save", &TSDIAppForm::DoSaveVectors));
    vectorsBar->addSeparator();
    vectorsBar->addWidget(MakeButton(vectorsBar, "TBVectorsClear", QStringLiteral("Очистить график"), "clear",
                                     &TSDIAppForm::DoClearVectors));
    vectorsBar->addSeparator();
    vectorsBar->addWidget(MakeButton(vectorsBar, "TBVectorsShow", QStringLiteral("Показать векторы"), "show",
                                     &TSDIAppForm::DoShowVectors));
    vectorsBar->addSeparator();
    cBoxVectSelect_ = new QComboBox(vectorsBar);
    cBoxVectSelect_->setObjectName(QStringLiteral("CBoxVectSelect"));
    cBoxVectSelect_->setFixedWidth(101);
    SetHint(cBoxVectSelect_, QStringLiteral("Выбор отображения в форме векторов"));
    cBoxVectSelect_->addItems({QStringLiteral("Все корни"), QStringLiteral("Отмеченное")});
    cBoxVectSelect_->setCurrentIndex(0);
    vectorsBar->addWidget(cBoxVectSelect_);
    vectorsBar->addWidget(new QLabel(QStringLiteral("   b[k] *  "), vectorsBar));
    cBoxYScale_ = new QComboBox(vectorsBar);
    cBoxYScale_->setObjectName(QStringLiteral("CBoxYScale"));
    cBoxYScale_->setFixedWidth(50);
    SetHint(cBoxYScale_, QStringLiteral("Выбор масштаба для отображения свободных членов уравнений"));
    cBoxYScale_->addItems({QStringLiteral("100"), QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("0,1"),
                           QStringLiteral("0,01")});
    cBoxYScale_->setCurrentIndex(2);
    vectorsBar->addWidget(cBoxYScale_);
    controlsLayout->addWidget(vectorsBar);
    leftLayout->addWidget(controls);
    pageLayout->addWidget(left);

    panVectors_ = new QFrame(page);
    panVectors_->setObjectName(QStringLiteral("PanVectors"));
    // The diagram is built on the panel before the window is laid out, at
    // the panel's design size.
    panVectors_->resize(446, 430);
    pageLayout->addWidget(panVectors_, 1);

    QMenu* popup = AttachPopup(gridROOTView_, "PopupMenuGridRoot");
    struct Mark {
        const char* name;
        const char* caption;
        RootMark column;
        bool marked;
    };
    const Mark marks[] = {
        {"PM2SelectX", "Отметить корень X [ i ]", RootMark::Root, true},
        {"PM2DeSelectX", "Снять отметку корня", RootMark::Root, false},
        {"PM2SelectB", "Отметить св. член b [ k ]", RootMark::FreeTerm, true},
        {"PM2DeSelectB", "Снять отметку св. члена", RootMark::FreeTerm, false},
    };
    for (const Mark& mark : marks) {
        QAction* action = popup->addAction(QString::fromUtf8(mark.caption));
        action->setObjectName(mark.name);
        const RootMark column = mark.column;
        const bool marked = mark.marked;
        connect(action, &QAction::triggered, this,
                [this, column, marked] { Run([this, column, marked] { SetRootMark(gridROOT_, column, marked); }); });
    }
    AddDisabledItem(popup, "PM2CopyRootToCalc", QStringLiteral("Копировать корень в калькулятор"));
    return page;
}

QWidget* TSDIAppForm::BuildReportPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TSheetReport"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* controls = new QWidget(page);
    controls->setObjectName(QStringLiteral("PanReportControls"));
    controls->setFixedWidth(41);
    auto* controlsLayout = new QVBoxLayout(controls);
    controlsLayout->setContentsMargins(9, 6, 9, 6);
    QToolButton* clear = MakeButton(controls, "SButtNewReport", QStringLiteral("Очистить журнал"), "report-clear",
                                    &TSDIAppForm::DoClearReport);
    QToolButton* save = MakeButton(controls, "SButtSaveReport", QStringLiteral("Сохранить журнал в текстовый файл"),
                                   "report-save", &TSDIAppForm::DoSaveReport);
    for (QToolButton* button : {clear, save}) {
        button->setFixedSize(22, 22);
        controlsLayout->addWidget(button);
    }
    controlsLayout->addStretch(1);
    memoReport_ = new QPlainTextEdit(page);
    memoReport_->setObjectName(QStringLiteral("MemoReport"));
    memoReport_->setReadOnly(true);
    memoReport_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memoReport_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoReport_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(controls);
    layout->addWidget(memoReport_, 1);
    return page;
}
