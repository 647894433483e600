// The month calendar: a selected date (Value) with AfterUpdate raised only when the user picks a
// day, never when the program sets the date, so that the calendar and the date box cannot set
// each other off in a loop.
#pragma once

#include "DateValue.h"

#include <QCalendarWidget>

namespace tavrio {

class MonthCalendar : public QCalendarWidget {
    Q_OBJECT

public:
    explicit MonthCalendar(QWidget* parent);

    // The selected day, without a time of day.
    DateValue Value() const;
    // Selects the calendar day of the value. A date the calendar cannot show is ignored; with no
    // date (the value 0) the current month is shown, since a target usually lies ahead.
    void setValue(DateValue value);

    // The name assistive technology gives the grid of days, which has the focus in the calendar.
    void setDayGridName(const QString& name);

signals:
    void AfterUpdate();

private:
    void nameParts();

    bool settingValue_ = false;
};

} // namespace tavrio
