#include "ui/StringGridView.h"

#include <QHeaderView>
#include <map>

StringGridModel::StringGridModel(platform::StringGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid)
{
    grid_.SetView(this);
}

StringGridModel::~StringGridModel() { grid_.SetView(nullptr); }

int StringGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(grid_.RowCount() - grid_.FixedRows(), 0);
}

int StringGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(grid_.ColCount() - grid_.FixedCols(), 0);
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return QString::fromStdString(grid_.Cell(index.column() + grid_.FixedCols(), index.row() + grid_.FixedRows()));
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return grid_.FixedRows() > 0 ? QString::fromStdString(grid_.Cell(section + grid_.FixedCols(), 0)) : QVariant();
    return grid_.FixedCols() > 0 ? QString::fromStdString(grid_.Cell(0, section + grid_.FixedRows())) : QVariant();
}

void StringGridModel::LayoutChanged()
{
    beginResetModel();
    endResetModel();
    emit layoutApplied();
}

void StringGridModel::CellsChanged(int firstRow, int firstCol, int lastRow, int lastCol)
{
    const int fixedRows = grid_.FixedRows();
    const int fixedCols = grid_.FixedCols();
    if (firstRow < fixedRows)
        emit headerDataChanged(Qt::Horizontal, std::max(firstCol - fixedCols, 0), std::max(lastCol - fixedCols, 0));
    if (firstCol < fixedCols)
        emit headerDataChanged(Qt::Vertical, std::max(firstRow - fixedRows, 0), std::max(lastRow - fixedRows, 0));
    const int top = std::max(firstRow - fixedRows, 0);
    const int left = std::max(firstCol - fixedCols, 0);
    const int bottom = std::min(lastRow - fixedRows, rowCount() - 1);
    const int right = std::min(lastCol - fixedCols, columnCount() - 1);
    if (top <= bottom && left <= right)
        emit dataChanged(index(top, left), index(bottom, right), {Qt::DisplayRole});
}

void StringGridModel::CurrentCellChanged() { emit currentCellMoved(); }

StringGridView::StringGridView(platform::StringGrid& grid, QWidget* parent)
    : QTableView(parent), model_(new StringGridModel(grid, this)), corner_(new QLabel(this))
{
    corner_->setObjectName(QStringLiteral("CornerCell"));
    corner_->setAttribute(Qt::WA_TransparentForMouseEvents);
    corner_->setIndent(3);
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setHighlightSections(false);
    connect(model_, &StringGridModel::layoutApplied, this, &StringGridView::ApplyLayout);
    connect(model_, &StringGridModel::currentCellMoved, this, &StringGridView::ShowGridCurrentCell);
    connect(model_, &QAbstractItemModel::headerDataChanged, this, &StringGridView::ShowCornerText);
    // A click on the cell that is already current changes nothing, yet it is a click.
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index == currentIndex())
            this->grid().ClickCurrentCell();
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { TakeViewCurrentCell(current); });
    ApplyLayout();
}

void StringGridView::ApplyLayout()
{
    const platform::StringGrid& g = grid();
    // The commonest width becomes the default, so a grid of a thousand equal
    // columns costs one call; only the others are sized one by one.
    std::map<int, int> widthCounts;
    for (int c = g.FixedCols(); c < g.ColCount(); ++c)
        ++widthCounts[g.ColWidth(c)];
    int commonWidth = 64;
    int mostColumns = 0;
    for (const auto& [width, count] : widthCounts)
        if (count > mostColumns) {
            commonWidth = width;
            mostColumns = count;
        }
    QHeaderView* header = horizontalHeader();
    header->setMinimumSectionSize(std::min(commonWidth, 20));
    header->setDefaultSectionSize(commonWidth);
    for (int c = g.FixedCols(); c < g.ColCount(); ++c)
        if (g.ColWidth(c) != commonWidth)
            header->resizeSection(c - g.FixedCols(), g.ColWidth(c));
    verticalHeader()->setFixedWidth(g.FixedCols() > 0 ? g.ColWidth(0) : 0);
    ShowCornerText();
    verticalHeader()->setVisible(g.FixedCols() > 0);
    horizontalHeader()->setVisible(g.FixedRows() > 0);
    ShowGridCurrentCell();
}

void StringGridView::ShowCornerText()
{
    const platform::StringGrid& g = grid();
    corner_->setText(g.FixedRows() > 0 && g.FixedCols() > 0 ? QString::fromStdString(g.Cell(0, 0)) : QString());
}

void StringGridView::updateGeometries()
{
    QTableView::updateGeometries();
    const QRect frame = contentsRect();
    corner_->setGeometry(frame.left(), frame.top(), verticalHeader()->width(), horizontalHeader()->height());
    corner_->raise();
}

void StringGridView::ShowGridCurrentCell()
{
    const platform::StringGrid& g = grid();
    const QModelIndex target = model_->index(g.Row() - g.FixedRows(), g.Col() - g.FixedCols());
    if (syncing_ || !target.isValid() || target == currentIndex())
        return;
    syncing_ = true;
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    scrollTo(target);
    syncing_ = false;
}

void StringGridView::TakeViewCurrentCell(const QModelIndex& current)
{
    if (syncing_ || !current.isValid())
        return;
    // The grid passes through a cell of the new row and the old column; the
    // view already shows the new cell and must not follow it there.
    platform::StringGrid& g = grid();
    syncing_ = true;
    g.SetRow(current.row() + g.FixedRows());
    g.SetCol(current.column() + g.FixedCols());
    syncing_ = false;
}
