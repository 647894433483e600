// A place of the calendar's grid as assistive technology reads it, numbered as Qt's table view
// numbers its places when it tells which one has the focus: with a row and a column for the
// headers it hides. A day reads as its full date ("Saturday, 10 February 2007", in the user's
// regional form) rather than as its number alone, so that a day of the month before or after reads
// as what it is; a day name heads its column; the hidden headers' places are invisible and empty.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QAbstractItemView;
class QCalendarWidget;

namespace tavrio {

class CalendarCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    // `row` and `column` are the model's; -1 is the view's hidden header.
    CalendarCellAccessible(QAbstractItemView* view, QCalendarWidget* calendar, int row, int column);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QString text(QAccessible::Text kind) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // As a cell of the table of weeks and days.
    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // The model's first row of days (after the day names) and first column of days (after the
    // week numbers, where it shows them).
    static int firstWeekRow(const QAbstractItemView& view);
    static int firstDayColumn(const QAbstractItemView& view);

private:
    bool isHiddenHeader() const { return row_ < 0 || column_ < 0; }
    bool isDayName() const { return !isHiddenHeader() && row_ < firstWeekRow(*view_); }
    QModelIndex index() const;
    QDate date() const;

    QPointer<QAbstractItemView> view_;
    QPointer<QCalendarWidget> calendar_;
    int row_;
    int column_;
};

} // namespace tavrio
