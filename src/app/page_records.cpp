// Page 8 "起名记录": the saved name records.
#include <QVBoxLayout>

#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "app/widget_helpers.h"

namespace nuvelo::app {

QWidget* NuveloMain::buildRecordsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    recordList_ = new NameListView(QStringLiteral("超级列表框_记录列表"), nameListColumns());
    connect(recordList_, &NameListView::rowDoubleClicked, this, &NuveloMain::onRecordRowActivated);
    connect(recordList_, &NameListView::rowContextMenuRequested, this, &NuveloMain::onRecordContextMenu);
    layout->addWidget(listGroup(QStringLiteral("分组框10"), recordList_,
                                QStringLiteral("姓名列表(双击姓名可查看详细解释,右键点击姓名可以删除不要的记录)")));
    return page;
}

}  // namespace nuvelo::app
