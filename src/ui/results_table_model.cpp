#include "ui/results_table_model.h"

#include "ui/qt_text.h"

namespace velmora::ui {

int ResultsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : workflow::row::count;
}

int ResultsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.gridColumnCount() - 1;
}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return qs(table_.cell(index.column() + 1, index.row()));
    // The whole text where a narrow column cuts it short.
    if (role == Qt::ToolTipRole) {
        const std::string& text = table_.cell(index.column() + 1, index.row());
        return text.empty() ? QVariant() : QVariant(qs(text));
    }
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant ResultsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return qs(table_.cell(0, section));
    return section + 1 <= table_.elementCount() ? QVariant(section + 1) : QVariant(QString());
}

Qt::ItemFlags ResultsTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    // The pipe designation of an element column can be edited in place.
    if (index.row() == workflow::row::designation && index.column() + 1 <= table_.elementCount())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ResultsTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    table_.setCell(index.column() + 1, index.row(), value.toString().toStdString());
    Q_EMIT dataChanged(index, index);
    Q_EMIT designationEdited();
    return true;
}

void ResultsTableModel::reload() {
    beginResetModel();
    endResetModel();
}

}  // namespace velmora::ui
