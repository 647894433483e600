// The calendar's grid of days as assistive technology reads it: a table named as the view is
// named, whose cells are the day names at the top and the days, each named by its full date
// ("Saturday, 10 February 2007", in the user's regional form) rather than by its number alone,
// so that a day of the month before or after reads as what it is. Qt's own table gives each cell
// the text it shows, and the calendar's model, which holds it, is Qt's own.
#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

class QAbstractItemView;
class QCalendarWidget;

namespace tavrio {

class CalendarGridAccessible : public QAccessibleWidget {
public:
    // `view` is the grid of `calendar`.
    CalendarGridAccessible(QAbstractItemView* view, QCalendarWidget* calendar);
    ~CalendarGridAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    QAbstractItemView* view() const;
    // The cells are numbered as the view numbers them when it tells which one has the focus: row
    // by row, with room for the headers it shows.
    struct Numbering {
        int top;
        int left;
        int width;
    };
    Numbering numbering() const;
    int indexOf(int row, int column) const;

    QPointer<QCalendarWidget> calendar_;
    mutable QHash<int, QAccessible::Id> cells_;
};

} // namespace tavrio
