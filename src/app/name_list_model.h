// NameListModel: the rows of one result list (names, records, English names,
// poets, poems).
//
// Cells are kept as the core hands them over, GBK byte strings, and are
// decoded only when the view asks for a visible cell, so a batch of 100,000
// rows goes in with one insert notification and no per-cell conversion.
// Column 0 is the row number 1..n; the model keeps it in step after every
// removal and sort. Each row carries an integer sort key (the score) that is
// not shown. Window-thread only.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QString>
#include <string>
#include <vector>

namespace nuvelo::app {

struct ListColumn {
    QString title;
    int width = 0;
};

// "编号","姓名","简体笔划","繁体笔划","五行","五格","三才","评分".
const QList<ListColumn>& nameListColumns();
// "编号","英文名","中文读音","相关含义".
const QList<ListColumn>& englishListColumns();

struct NameListRow {
    std::vector<std::string> cells;  // GBK; missing cells read as empty
    int sortKey = 0;
};

class NameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit NameListModel(QList<ListColumn> columns, QObject* parent = nullptr);

    const QList<ListColumn>& columns() const { return columns_; }
    void setRowIcon(const QIcon& icon) { rowIcon_ = icon; }

    void clear();
    // Appends the rows in one insertion; column 0 of each is set to its number.
    void appendRows(std::vector<NameListRow> rows);
    void appendRow(NameListRow row);
    // False when `row` does not exist. The rows after it are renumbered.
    bool removeListRow(int row);
    // Stable sort by sort key, highest first, then renumbered from 1.
    void sortByKeyDescending();
    // First row whose 姓名 cell (column 1) equals `name` (GBK), -1 when none.
    int findByName(const std::string& name) const;

    int count() const { return static_cast<int>(rows_.size()); }
    // GBK text of a cell, "" outside the list.
    std::string cellText(int row, int column) const;
    int sortKey(int row) const;
    void setCellText(int row, int column, const std::string& gbk);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void renumberFrom(int first);

    QList<ListColumn> columns_;
    std::vector<NameListRow> rows_;
    QIcon rowIcon_;
};

}  // namespace nuvelo::app
