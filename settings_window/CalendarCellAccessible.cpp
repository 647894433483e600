#include "CalendarCellAccessible.h"

#include "CalendarGridAccessible.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLocale>

namespace tavrio {

namespace {

// The grid shows six weeks, the shown month's first day never in its first column: the days of
// the month before fill the first row's start and are 22 or more, those of the month after fill
// the last two rows' end and are 14 or fewer.
constexpr int kWeeks = 6;
constexpr int kDays = 7;

} // namespace

CalendarCellAccessible::CalendarCellAccessible(QAbstractItemView* view, QCalendarWidget* calendar,
                                               int row, int column)
    : view_(view)
    , calendar_(calendar)
    , row_(row)
    , column_(column) {}

int CalendarCellAccessible::firstWeekRow(const QAbstractItemView& view) {
    return view.model()->rowCount() > kWeeks ? 1 : 0;
}

int CalendarCellAccessible::firstDayColumn(const QAbstractItemView& view) {
    return view.model()->columnCount() > kDays ? 1 : 0;
}

bool CalendarCellAccessible::isValid() const {
    return !view_.isNull() && !calendar_.isNull();
}

QWindow* CalendarCellAccessible::window() const {
    return isValid() ? view_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CalendarCellAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(view_.data());
}

QString CalendarCellAccessible::text(QAccessible::Text kind) const {
    if (!isValid() || kind != QAccessible::Name || isHiddenHeader()) {
        return {};
    }
    if (isDayName()) {
        const int day = (calendar_->firstDayOfWeek() - 1 + columnIndex()) % kDays + 1;
        return QLocale().dayName(day, QLocale::LongFormat);
    }
    return QLocale().toString(date(), QLocale::LongFormat);
}

QRect CalendarCellAccessible::rect() const {
    if (!isValid() || isHiddenHeader()) {
        return {};
    }
    const QRect cell = view_->visualRect(index());
    return {view_->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
}

QAccessible::Role CalendarCellAccessible::role() const {
    if (row_ < 0 || isDayName()) {
        return QAccessible::ColumnHeader;
    }
    return column_ < 0 ? QAccessible::RowHeader : QAccessible::Cell;
}

QAccessible::State CalendarCellAccessible::state() const {
    QAccessible::State state;
    if (!isValid() || isHiddenHeader()) {
        state.invisible = true;
        return state;
    }
    if (isDayName()) {
        return state;
    }
    const QDate day = date();
    state.disabled = day < calendar_->minimumDate() || day > calendar_->maximumDate();
    state.focusable = true;
    state.selectable = true;
    state.selected = isSelected();
    state.focused = view_->hasFocus() && view_->currentIndex() == index();
    return state;
}

void* CalendarCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
}

bool CalendarCellAccessible::isSelected() const {
    return isValid() && !isHiddenHeader() && !isDayName() && date() == calendar_->selectedDate();
}

QList<QAccessibleInterface*> CalendarCellAccessible::columnHeaderCells() const {
    const auto* grid = dynamic_cast<const CalendarGridAccessible*>(parent());
    if (grid == nullptr || isHiddenHeader() || isDayName() || firstWeekRow(*view_) == 0) {
        return {};
    }
    return {grid->modelCell(0, column_)};
}

int CalendarCellAccessible::columnIndex() const {
    return column_ - firstDayColumn(*view_);
}

int CalendarCellAccessible::rowIndex() const {
    return row_ - firstWeekRow(*view_);
}

QModelIndex CalendarCellAccessible::index() const {
    return view_->model()->index(row_, column_);
}

QDate CalendarCellAccessible::date() const {
    const int day = index().data(Qt::DisplayRole).toInt();
    const int week = rowIndex();
    QDate month(calendar_->yearShown(), calendar_->monthShown(), 1);
    if (week == 0 && day >= 22) {
        month = month.addMonths(-1);
    } else if (week >= kWeeks - 2 && day <= 14) {
        month = month.addMonths(1);
    }
    return {month.year(), month.month(), day};
}

} // namespace tavrio
