#include "CalendarGridAccessible.h"

#include "CalendarCellAccessible.h"

#include <QAbstractItemView>
#include <QCalendarWidget>

namespace tavrio {

CalendarGridAccessible::CalendarGridAccessible(QAbstractItemView* view, QCalendarWidget* calendar)
    : QAccessibleWidget(view, QAccessible::Table)
    , calendar_(calendar) {}

CalendarGridAccessible::~CalendarGridAccessible() {
    forgetCells();
}

QAbstractItemView* CalendarGridAccessible::view() const {
    return static_cast<QAbstractItemView*>(widget());
}

void* CalendarGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

int CalendarGridAccessible::width() const {
    return view()->model()->columnCount() + 1;
}

int CalendarGridAccessible::childCount() const {
    const QAbstractItemModel* model = view()->model();
    return model ? (model->rowCount() + 1) * width() : 0;
}

QAccessibleInterface* CalendarGridAccessible::child(int index) const {
    if (calendar_.isNull() || index < 0 || index >= childCount()) {
        return nullptr;
    }
    if (const auto known = cells_.constFind(index); known != cells_.constEnd()) {
        return QAccessible::accessibleInterface(*known);
    }
    auto* cell =
        new CalendarCellAccessible(view(), calendar_, index / width() - 1, index % width() - 1);
    cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface* CalendarGridAccessible::modelCell(int row, int column) const {
    return child((row + 1) * width() + column + 1);
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
    return index.isValid() ? modelCell(index.row(), index.column()) : nullptr;
}

QAccessibleInterface* CalendarGridAccessible::focusChild() const {
    const QModelIndex current = view()->currentIndex();
    if (!view()->hasFocus() || !current.isValid()) {
        return nullptr;
    }
    return modelCell(current.row(), current.column());
}

QAccessibleInterface* CalendarGridAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return nullptr;
    }
    return modelCell(row + CalendarCellAccessible::firstWeekRow(*view()),
                     column + CalendarCellAccessible::firstDayColumn(*view()));
}

QList<QAccessibleInterface*> CalendarGridAccessible::selectedCells() const {
    QList<QAccessibleInterface*> selected;
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            QAccessibleInterface* cell = cellAt(row, column);
            if (cell != nullptr && cell->tableCellInterface()->isSelected()) {
                selected << cell;
            }
        }
    }
    return selected;
}

QString CalendarGridAccessible::columnDescription(int column) const {
    QAccessibleInterface* cell = cellAt(0, column);
    const QList<QAccessibleInterface*> header =
        cell ? cell->tableCellInterface()->columnHeaderCells() : QList<QAccessibleInterface*>{};
    return header.isEmpty() ? QString() : header.first()->text(QAccessible::Name);
}

int CalendarGridAccessible::columnCount() const {
    return view()->model()->columnCount() - CalendarCellAccessible::firstDayColumn(*view());
}

int CalendarGridAccessible::rowCount() const {
    return view()->model()->rowCount() - CalendarCellAccessible::firstWeekRow(*view());
}

// The grid turned to another month (or changed its look): the places hold other days now.
void CalendarGridAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
    forgetCells();
}

void CalendarGridAccessible::forgetCells() {
    for (const QAccessible::Id id : std::as_const(cells_)) {
        QAccessible::deleteAccessibleInterface(id);
    }
    cells_.clear();
}

} // namespace tavrio
