#include "MonthCalendar.h"

#include "QtDates.h"

#include <QTextCharFormat>

namespace tavrio {

MonthCalendar::MonthCalendar(QWidget* parent)
    : QCalendarWidget(parent) {
    setDateRange(QDate(static_cast<int>(kFirstYear), 1, 1),
                 QDate(static_cast<int>(kLastYear), 12, 31));
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(false);

    QFont days(QStringLiteral("Arial"));
    days.setPointSizeF(8.25);
    setFont(days);
    QTextCharFormat dayNames = headerTextFormat();
    dayNames.setFontWeight(QFont::Bold);
    setHeaderTextFormat(dayNames);
    if (auto* title = findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"))) {
        QFont titleFont(QStringLiteral("Arial"));
        titleFont.setPointSizeF(12);
        titleFont.setBold(true);
        title->setFont(titleFont);
    }

    connect(this, &QCalendarWidget::selectionChanged, this, [this] {
        if (!settingValue_) {
            emit AfterUpdate();
        }
    });
}

DateValue MonthCalendar::Value() const {
    return dateValueOf(selectedDate()).value_or(0.0);
}

void MonthCalendar::setValue(DateValue value) {
    const QDate date = qDateOf(value);
    if (!date.isValid()) {
        return;
    }
    settingValue_ = true;
    setSelectedDate(date);
    settingValue_ = false;
    if (value == 0.0) {
        const QDate today = QDate::currentDate();
        setCurrentPage(today.year(), today.month());
    }
}

} // namespace tavrio
