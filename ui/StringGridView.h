#pragma once

#include <QAbstractTableModel>
#include <QLabel>
#include <QTableView>

#include "platform/StringGrid.h"

// The Qt model over a string grid: the non-fixed cells are the table's cells,
// the fixed first row and column are its headers. Texts are read from the
// grid when the view paints them.
class StringGridModel : public QAbstractTableModel, public platform::GridView {
    Q_OBJECT

public:
    explicit StringGridModel(platform::StringGrid& grid, QObject* parent = nullptr);
    ~StringGridModel() override;

    platform::StringGrid& grid() const { return grid_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void LayoutChanged() override;
    void CellsChanged(int firstRow, int firstCol, int lastRow, int lastCol) override;
    void CurrentCellChanged() override;

signals:
    void layoutApplied();
    void currentCellMoved();

private:
    platform::StringGrid& grid_;
};

// A read-only table view of a string grid with fixed header sections: the
// column widths are the grid's, rows are 18 pixels high, and nothing is ever
// sized to its contents. The view's current cell and the grid's move together.
class StringGridView : public QTableView {
    Q_OBJECT

public:
    explicit StringGridView(platform::StringGrid& grid, QWidget* parent = nullptr);

    platform::StringGrid& grid() const { return model_->grid(); }
    StringGridModel* gridModel() const { return model_; }

protected:
    void updateGeometries() override;

private:
    void ApplyLayout();
    void ShowCornerText();
    void ShowGridCurrentCell();
    void TakeViewCurrentCell(const QModelIndex& current);

    StringGridModel* model_;
    QLabel* corner_;  // the text of the fixed corner cell
    bool syncing_ = false;
};
