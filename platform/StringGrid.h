#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {

// Produces the texts of a rectangular block of cells when they are read, so
// that a large grid need not hold a formatted text for every cell.
class GridBlock {
public:
    virtual ~GridBlock() = default;
    virtual std::string Text(int row, int col) const = 0;  // relative to the block's corner
};

// What a view of the grid is told; every call comes after the change.
class GridView {
public:
    virtual ~GridView() = default;
    virtual void LayoutChanged() = 0;  // counts, fixed rows and columns or widths
    virtual void CellsChanged(int firstRow, int firstCol, int lastRow, int lastCol) = 0;
    virtual void CurrentCellChanged() = 0;
};

// The string grid: row and column counts, fixed rows and columns, column
// widths, cell texts and a current cell, as the toolkit's string grid has
// them. Cells are addressed (column, row) like the toolkit's Cells.
// A cell's text is the last one written there, by SetCell or by a block.
class StringGrid {
public:
    StringGrid();  // the design state: 3 by 3, one fixed row and column, widths 64

    int RowCount() const { return rowCount_; }
    int ColCount() const { return colCount_; }
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetRowCount(int rows);
    void SetColCount(int cols);
    void SetFixedRows(int rows);
    void SetFixedCols(int cols);

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);

    std::string Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);
    // The block supplies the texts of rows firstRow.. and columns firstCol..
    // within the given size; it replaces whatever those cells held.
    void SetBlock(int firstCol, int firstRow, int cols, int rows, std::shared_ptr<const GridBlock> block);

    // The current cell stays within the non-fixed cells, like the toolkit's.
    int Row() const { return row_; }
    int Col() const { return col_; }
    void SetRow(int row);
    void SetCol(int col);

    // Changes between BeginUpdate and the matching EndUpdate reach the view
    // as one notification of each kind, at EndUpdate; the select-cell handler
    // still runs at once.
    void BeginUpdate() { ++updateDepth_; }
    void EndUpdate();

    // Runs whenever the current cell changes (a click, a key or a move from
    // code) and when the current cell is clicked again.
    void SetOnSelectCell(std::function<void()> handler) { onSelectCell_ = std::move(handler); }
    void ClickCurrentCell()
    {
        if (onSelectCell_)
            onSelectCell_();
    }
    void SetView(GridView* view) { view_ = view; }

private:
    struct Block {
        int firstCol, firstRow, cols, rows;
        std::shared_ptr<const GridBlock> source;
        bool Contains(int col, int row) const
        {
            return col >= firstCol && col < firstCol + cols && row >= firstRow && row < firstRow + rows;
        }
    };

    static std::uint64_t Key(int col, int row)
    {
        return (std::uint64_t(std::uint32_t(row)) << 32) | std::uint32_t(col);
    }
    bool Inside(int col, int row) const { return col >= 0 && col < colCount_ && row >= 0 && row < rowCount_; }
    void DropCellsOutside();
    void KeepCurrentCellInside();
    void NotifyLayout();
    void NotifyCells(int firstRow, int firstCol, int lastRow, int lastCol);
    void NotifyCurrentCell();

    struct PendingChanges {
        bool layout = false;
        bool currentCell = false;
        bool cells = false;
        int firstRow = 0, firstCol = 0, lastRow = 0, lastCol = 0;
    };

    int updateDepth_ = 0;
    PendingChanges pending_;
    int rowCount_ = 3;
    int colCount_ = 3;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int row_ = 1;
    int col_ = 1;
    int defaultColWidth_ = 64;
    std::vector<int> colWidths_;
    std::unordered_map<std::uint64_t, std::string> cells_;  // texts written one by one
    std::vector<Block> blocks_;                            // later blocks cover earlier ones
    std::function<void()> onSelectCell_;
    GridView* view_ = nullptr;
};

// Holds a grid in BeginUpdate for the lifetime of the object.
class GridUpdate {
public:
    explicit GridUpdate(StringGrid& grid) : grid_(grid) { grid_.BeginUpdate(); }
    ~GridUpdate() { grid_.EndUpdate(); }
    GridUpdate(const GridUpdate&) = delete;
    GridUpdate& operator=(const GridUpdate&) = delete;

private:
    StringGrid& grid_;
};

}  // namespace platform
