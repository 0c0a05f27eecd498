#include "platform/StringGrid.h"

#include <algorithm>
#include <utility>

namespace platform {

StringGrid::StringGrid() : colWidths_(std::size_t(colCount_), defaultColWidth_) {}

void StringGrid::SetRowCount(int rows)
{
    rowCount_ = std::max(rows, 0);
    DropCellsOutside();
    NotifyLayout();
    KeepCurrentCellInside();
}

void StringGrid::SetColCount(int cols)
{
    colCount_ = std::max(cols, 0);
    colWidths_.resize(std::size_t(colCount_), defaultColWidth_);
    DropCellsOutside();
    NotifyLayout();
    KeepCurrentCellInside();
}

void StringGrid::SetFixedRows(int rows)
{
    fixedRows_ = std::clamp(rows, 0, std::max(rowCount_ - 1, 0));
    NotifyLayout();
    KeepCurrentCellInside();
}

void StringGrid::SetFixedCols(int cols)
{
    fixedCols_ = std::clamp(cols, 0, std::max(colCount_ - 1, 0));
    NotifyLayout();
    KeepCurrentCellInside();
}

int StringGrid::ColWidth(int col) const
{
    return col >= 0 && col < colCount_ ? colWidths_[std::size_t(col)] : defaultColWidth_;
}

void StringGrid::SetColWidth(int col, int width)
{
    if (col < 0 || col >= colCount_ || colWidths_[std::size_t(col)] == width)
        return;
    colWidths_[std::size_t(col)] = width;
    NotifyLayout();
}

std::string StringGrid::Cell(int col, int row) const
{
    if (!Inside(col, row))
        return {};
    if (const auto it = cells_.find(Key(col, row)); it != cells_.end())
        return it->second;
    for (auto block = blocks_.rbegin(); block != blocks_.rend(); ++block)
        if (block->Contains(col, row))
            return block->source->Text(row - block->firstRow, col - block->firstCol);
    return {};
}

void StringGrid::SetCell(int col, int row, const std::string& text)
{
    if (!Inside(col, row))
        return;
    const bool underBlock = std::any_of(blocks_.begin(), blocks_.end(),
                                        [&](const Block& b) { return b.Contains(col, row); });
    if (text.empty() && !underBlock)
        cells_.erase(Key(col, row));
    else
        cells_[Key(col, row)] = text;
    NotifyCells(row, col, row, col);
}

void StringGrid::SetBlock(int firstCol, int firstRow, int cols, int rows, std::shared_ptr<const GridBlock> block)
{
    const Block added{firstCol, firstRow, cols, rows, std::move(block)};
    std::erase_if(cells_, [&](const auto& entry) {
        return added.Contains(int(entry.first & 0xFFFFFFFFu), int(entry.first >> 32));
    });
    // A block that the new one covers wholly can never be read again.
    std::erase_if(blocks_, [&](const Block& old) {
        return old.firstCol >= firstCol && old.firstRow >= firstRow && old.firstCol + old.cols <= firstCol + cols
            && old.firstRow + old.rows <= firstRow + rows;
    });
    blocks_.push_back(added);
    NotifyCells(firstRow, firstCol, firstRow + rows - 1, firstCol + cols - 1);
}

void StringGrid::SetRow(int row)
{
    if (row < fixedRows_ || row >= rowCount_ || row == row_)
        return;
    row_ = row;
    NotifyCurrentCell();
}

void StringGrid::SetCol(int col)
{
    if (col < fixedCols_ || col >= colCount_ || col == col_)
        return;
    col_ = col;
    NotifyCurrentCell();
}

void StringGrid::DropCellsOutside()
{
    std::erase_if(cells_, [&](const auto& entry) {
        return !Inside(int(entry.first & 0xFFFFFFFFu), int(entry.first >> 32));
    });
    std::erase_if(blocks_, [&](const Block& b) { return b.firstCol >= colCount_ || b.firstRow >= rowCount_; });
}

void StringGrid::KeepCurrentCellInside()
{
    const int row = std::clamp(row_, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
    const int col = std::clamp(col_, fixedCols_, std::max(fixedCols_, colCount_ - 1));
    if (row == row_ && col == col_)
        return;
    row_ = row;
    col_ = col;
    NotifyCurrentCell();
}

void StringGrid::EndUpdate()
{
    if (updateDepth_ == 0 || --updateDepth_ > 0)
        return;
    const PendingChanges changes = std::exchange(pending_, PendingChanges{});
    if (!view_)
        return;
    // A new layout repaints everything, so the cells need no word of their own.
    if (changes.layout)
        view_->LayoutChanged();
    else if (changes.cells)
        view_->CellsChanged(changes.firstRow, changes.firstCol, changes.lastRow, changes.lastCol);
    if (changes.currentCell)
        view_->CurrentCellChanged();
}

void StringGrid::NotifyLayout()
{
    if (updateDepth_ > 0)
        pending_.layout = true;
    else if (view_)
        view_->LayoutChanged();
}

void StringGrid::NotifyCells(int firstRow, int firstCol, int lastRow, int lastCol)
{
    if (updateDepth_ == 0) {
        if (view_)
            view_->CellsChanged(firstRow, firstCol, lastRow, lastCol);
        return;
    }
    if (!pending_.cells) {
        pending_.cells = true;
        pending_.firstRow = firstRow;
        pending_.firstCol = firstCol;
        pending_.lastRow = lastRow;
        pending_.lastCol = lastCol;
        return;
    }
    pending_.firstRow = std::min(pending_.firstRow, firstRow);
    pending_.firstCol = std::min(pending_.firstCol, firstCol);
    pending_.lastRow = std::max(pending_.lastRow, lastRow);
    pending_.lastCol = std::max(pending_.lastCol, lastCol);
}

void StringGrid::NotifyCurrentCell()
{
    if (updateDepth_ > 0)
        pending_.currentCell = true;
    else if (view_)
        view_->CurrentCellChanged();
    if (onSelectCell_)
        onSelectCell_();
}

}  // namespace platform
