// The calendar's grid of days as assistive technology reads it: a table named as the view is
// named, of six weeks by seven days, its columns headed by the day names, its cells the days
// (CalendarCellAccessible). Its places are numbered as Qt's table view numbers them when it tells
// which day took the focus or the selection, so that those events name the right day; and after
// the grid turns to another month every day is a new object, so that a screen reader tells a move
// to the same place of another month as the move it is.
#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

class QAbstractItemView;
class QCalendarWidget;

namespace tavrio {

class CalendarGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    // `view` is the grid of `calendar`.
    CalendarGridAccessible(QAbstractItemView* view, QCalendarWidget* calendar);
    ~CalendarGridAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The place of the model's row and column.
    QAccessibleInterface* modelCell(int row, int column) const;

    // As a table of weeks and days.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    QAbstractItemView* view() const;
    // Qt's table view leaves a row and a column for its headers, shown or not.
    int width() const;
    void forgetCells();

    QPointer<QCalendarWidget> calendar_;
    mutable QHash<int, QAccessible::Id> cells_;
};

} // namespace tavrio
