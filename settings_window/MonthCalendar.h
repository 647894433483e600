// The month calendar: a selected date (Value) with AfterUpdate raised only when the user picks a
// day, never when the program sets the date, so that the calendar and the date box cannot set
// each other off in a loop. On a page that scrolls, the wheel over the days scrolls the page
// unless the calendar has the keyboard: a user scrolling down to the controls below meant the
// page, not the months.
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nameParts();
    // The calendar lies on a page that scrolls now, and the keyboard is elsewhere.
    bool wheelMeantForThePage() const;

    bool settingValue_ = false;
};

} // namespace tavrio
