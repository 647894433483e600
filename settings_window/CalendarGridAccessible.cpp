#include "CalendarGridAccessible.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QHeaderView>
#include <QLocale>
#include <QTableView>

namespace tavrio {

namespace {

// The grid shows six weeks, the shown month's first day never in its first column: the days of
// the month before fill the first row's start and are 22 or more, those of the month after fill
// the last two rows' end and are 14 or fewer.
constexpr int kWeeks = 6;

class DayCell : public QAccessibleInterface {
public:
    DayCell(QAbstractItemView* view, QCalendarWidget* calendar, int row, int column)
        : view_(view)
        , calendar_(calendar)
        , row_(row)
        , column_(column) {}

    bool isValid() const override { return !view_.isNull() && !calendar_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return isValid() ? view_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override {
        if (!isValid() || kind != QAccessible::Name) {
            return {};
        }
        if (isDayName()) {
            const int day = (calendar_->firstDayOfWeek() - 1 + column_ - firstColumn()) % 7 + 1;
            return QLocale().dayName(day, QLocale::LongFormat);
        }
        return QLocale().toString(date(), QLocale::LongFormat);
    }

    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect cell = view_->visualRect(index());
        return {view_->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
    }

    QAccessible::Role role() const override {
        return isDayName() ? QAccessible::ColumnHeader : QAccessible::Cell;
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid() || isDayName()) {
            return state;
        }
        const QDate day = date();
        state.disabled = day < calendar_->minimumDate() || day > calendar_->maximumDate();
        state.focusable = true;
        state.selectable = true;
        state.selected = day == calendar_->selectedDate();
        state.focused = view_->hasFocus() && view_->currentIndex() == index();
        return state;
    }

private:
    QModelIndex index() const { return view_->model()->index(row_, column_); }
    // The model puts the day names in a row of their own, and week numbers in a column.
    int firstRow() const { return view_->model()->rowCount() > kWeeks ? 1 : 0; }
    int firstColumn() const { return view_->model()->columnCount() > 7 ? 1 : 0; }
    bool isDayName() const { return row_ < firstRow(); }

    QDate date() const {
        const int day = index().data(Qt::DisplayRole).toInt();
        const int week = row_ - firstRow();
        QDate month(calendar_->yearShown(), calendar_->monthShown(), 1);
        if (week == 0 && day >= 22) {
            month = month.addMonths(-1);
        } else if (week >= kWeeks - 2 && day <= 14) {
            month = month.addMonths(1);
        }
        return {month.year(), month.month(), day};
    }

    QPointer<QAbstractItemView> view_;
    QPointer<QCalendarWidget> calendar_;
    int row_;
    int column_;
};

bool hidden(const QHeaderView* header) {
    return header == nullptr || header->isHidden();
}

} // namespace

CalendarGridAccessible::CalendarGridAccessible(QAbstractItemView* view, QCalendarWidget* calendar)
    : QAccessibleWidget(view, QAccessible::Table)
    , calendar_(calendar) {}

CalendarGridAccessible::~CalendarGridAccessible() {
    for (const QAccessible::Id id : std::as_const(cells_)) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

QAbstractItemView* CalendarGridAccessible::view() const {
    return static_cast<QAbstractItemView*>(widget());
}

CalendarGridAccessible::Numbering CalendarGridAccessible::numbering() const {
    // As QTableView numbers its cells, with room for the headers it shows.
    const auto* table = qobject_cast<const QTableView*>(view());
    const int top = table && !hidden(table->horizontalHeader()) ? 1 : 0;
    const int left = table && !hidden(table->verticalHeader()) ? 1 : 0;
    return {top, left, view()->model()->columnCount() + left};
}

int CalendarGridAccessible::indexOf(int row, int column) const {
    const Numbering n = numbering();
    return (row + n.top) * n.width + column + n.left;
}

int CalendarGridAccessible::childCount() const {
    const QAbstractItemModel* model = view()->model();
    return model ? indexOf(model->rowCount() - 1, model->columnCount() - 1) + 1 : 0;
}

QAccessibleInterface* CalendarGridAccessible::child(int index) const {
    const QAbstractItemModel* model = view()->model();
    if (model == nullptr || calendar_.isNull() || index < 0 || index >= childCount()) {
        return nullptr;
    }
    if (const auto known = cells_.constFind(index); known != cells_.constEnd()) {
        return QAccessible::accessibleInterface(*known);
    }
    const Numbering n = numbering();
    const int row = index / n.width - n.top;
    const int column = index % n.width - n.left;
    if (row < 0 || column < 0 || row >= model->rowCount() || column >= model->columnCount()) {
        return nullptr;
    }
    auto* cell = new DayCell(view(), calendar_, row, column);
    cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int CalendarGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (auto cell = cells_.constBegin(); cell != cells_.constEnd(); ++cell) {
        if (QAccessible::accessibleInterface(cell.value()) == child) {
            return cell.key();
        }
    }
    return -1;
}

QAccessibleInterface* CalendarGridAccessible::childAt(int x, int y) const {
    const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(indexOf(index.row(), index.column())) : nullptr;
}

QAccessibleInterface* CalendarGridAccessible::focusChild() const {
    const QModelIndex current = view()->currentIndex();
    if (!view()->hasFocus() || !current.isValid()) {
        return nullptr;
    }
    return child(indexOf(current.row(), current.column()));
}

} // namespace tavrio
