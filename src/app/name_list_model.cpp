#include "app/name_list_model.h"

#include <algorithm>

#include "platform/gbk_qstring.h"

namespace nuvelo::app {

const QList<ListColumn>& nameListColumns() {
    static const QList<ListColumn> columns = {{QStringLiteral("编号"), 60},     {QStringLiteral("姓名"), 70},
                                              {QStringLiteral("简体笔划"), 80}, {QStringLiteral("繁体笔划"), 80},
                                              {QStringLiteral("五行"), 70},     {QStringLiteral("五格"), 120},
                                              {QStringLiteral("三才"), 50},     {QStringLiteral("评分"), 70}};
    return columns;
}

const QList<ListColumn>& englishListColumns() {
    static const QList<ListColumn> columns = {{QStringLiteral("编号"), 60},
                                              {QStringLiteral("英文名"), 100},
                                              {QStringLiteral("中文读音"), 200},
                                              {QStringLiteral("相关含义"), 280}};
    return columns;
}

NameListModel::NameListModel(QList<ListColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

void NameListModel::clear() {
    if (rows_.empty()) return;
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void NameListModel::appendRows(std::vector<NameListRow> rows) {
    if (rows.empty()) return;
    const int first = count();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
    rows_.reserve(rows_.size() + rows.size());
    for (NameListRow& row : rows) {
        if (row.cells.empty()) row.cells.resize(1);
        rows_.push_back(std::move(row));
    }
    renumberFrom(first);
    endInsertRows();
}

void NameListModel::appendRow(NameListRow row) {
    std::vector<NameListRow> batch;
    batch.push_back(std::move(row));
    appendRows(std::move(batch));
}

bool NameListModel::removeListRow(int row) {
    if (row < 0 || row >= count()) return false;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
    if (row < count()) {
        renumberFrom(row);
        emit dataChanged(index(row, 0), index(count() - 1, 0));
    }
    return true;
}

void NameListModel::sortByKeyDescending() {
    beginResetModel();
    std::stable_sort(rows_.begin(), rows_.end(),
                     [](const NameListRow& a, const NameListRow& b) { return a.sortKey > b.sortKey; });
    renumberFrom(0);
    endResetModel();
}

int NameListModel::findByName(const std::string& name) const {
    for (int i = 0; i < count(); ++i)
        if (cellText(i, 1) == name) return i;
    return -1;
}

std::string NameListModel::cellText(int row, int column) const {
    if (row < 0 || row >= count() || column < 0) return {};
    const auto& cells = rows_[static_cast<std::size_t>(row)].cells;
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : std::string();
}

int NameListModel::sortKey(int row) const {
    return row >= 0 && row < count() ? rows_[static_cast<std::size_t>(row)].sortKey : 0;
}

void NameListModel::setCellText(int row, int column, const std::string& gbk) {
    if (row < 0 || row >= count() || column < 0 || column >= columns_.size()) return;
    auto& cells = rows_[static_cast<std::size_t>(row)].cells;
    if (cells.size() <= static_cast<std::size_t>(column)) cells.resize(static_cast<std::size_t>(column) + 1);
    cells[static_cast<std::size_t>(column)] = gbk;
    emit dataChanged(index(row, column), index(row, column));
}

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int NameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) return {};
    if (role == Qt::DisplayRole) {
        QString text = platform::fromGbk(cellText(index.row(), index.column()));
        // A record's 姓名 holds surname and given name on two lines; the list
        // shows them on one.
        text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        return text;
    }
    if (role == Qt::DecorationRole && index.column() == 0) return rowIcon_;
    return {};
}

QVariant NameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size()) return {};
    if (role == Qt::DisplayRole) return columns_[section].title;
    return {};
}

void NameListModel::renumberFrom(int first) {
    for (int i = std::max(first, 0); i < count(); ++i)
        rows_[static_cast<std::size_t>(i)].cells[0] = std::to_string(i + 1);
}

}  // namespace nuvelo::app
