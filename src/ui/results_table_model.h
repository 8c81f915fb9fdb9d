#pragma once

#include <QAbstractTableModel>

#include "workflow/results_table.h"

namespace velmora::ui {

// The results table as a Qt model: rows are the 26 table rows, columns the grid columns after the
// caption column (elements and the empty last column); the captions are the vertical header.
class ResultsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultsTableModel(workflow::ResultsTable& table, QObject* parent = nullptr)
        : QAbstractTableModel(parent), table_(table) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The table changed behind the model's back (a calculation, a removal, a project).
    void reload();

Q_SIGNALS:
    void designationEdited();

private:
    workflow::ResultsTable& table_;
};

}  // namespace velmora::ui
