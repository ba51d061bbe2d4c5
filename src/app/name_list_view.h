// NameListView: the report-style list view of every result list.
//
// One row selected at a time, whole rows, fixed column widths from the
// model's column set, icon 0 in the first column. Double-clicking a row and
// right-clicking the list are reported with the row (−1 when on no row).
#pragma once

#include <QTreeView>

#include "app/name_list_model.h"

namespace nuvelo::app {

class NameListView : public QTreeView {
    Q_OBJECT
public:
    // Creates its own model with `columns`; the list's objectName is `name`.
    NameListView(const QString& name, const QList<ListColumn>& columns, QWidget* parent = nullptr);

    NameListModel* listModel() const { return model_; }
    // The selected row, -1 when none.
    int selectedRow() const;
    void selectRow(int row);

signals:
    void rowDoubleClicked(int row);
    void rowContextMenuRequested(int row, const QPoint& globalPos);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    NameListModel* model_;
};

}  // namespace nuvelo::app
