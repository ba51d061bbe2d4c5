#include "app/name_list_view.h"

#include <QContextMenuEvent>
#include <QHeaderView>

#include "app/app_icons.h"

namespace nuvelo::app {

NameListView::NameListView(const QString& name, const QList<ListColumn>& columns, QWidget* parent)
    : QTreeView(parent), model_(new NameListModel(columns, this)) {
    setObjectName(name);
    model_->setRowIcon(rowIcon());
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);  // keeps long lists cheap: no per-row sizing
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    setIconSize(QSize(16, 16));
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    for (int i = 0; i < columns.size(); ++i) setColumnWidth(i, columns[i].width);
    // A removed row leaves nothing selected, whatever row takes its place.
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { clearSelection(); });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit rowDoubleClicked(index.row()); });
}

int NameListView::selectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void NameListView::selectRow(int row) {
    if (row < 0 || row >= model_->count()) {
        clearSelection();
        return;
    }
    setCurrentIndex(model_->index(row, 0));
}

void NameListView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    emit rowContextMenuRequested(index.isValid() ? index.row() : -1, event->globalPos());
    event->accept();
}

}  // namespace nuvelo::app
