#include "app/date_lists.h"

#include <QComboBox>
#include <QStringList>

namespace nuvelo::app {
namespace {

struct DateRange {
    int first;
    int last;
    int selected;  // index selected after filling
};

DateRange rangeOf(DatePart part) {
    switch (part) {
        case DatePart::Year:
            return {1970, 2030, 43};  // 1970 + 43 = 2013
        case DatePart::Month:
            return {1, 12, 0};
        case DatePart::Day:
            return {1, 31, 0};  // always 31 days, whatever the month
        case DatePart::Hour:
            return {0, 23, 0};
        case DatePart::Minute:
            return {0, 59, 0};
    }
    return {0, -1, -1};
}

}  // namespace

void fillDateList(QComboBox* list, DatePart part) {
    if (!list) return;
    const DateRange range = rangeOf(part);
    QStringList entries;
    for (int value = range.first; value <= range.last; ++value) entries << QString::number(value);
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(range.selected);
}

}  // namespace nuvelo::app
