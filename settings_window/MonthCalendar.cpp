#include "MonthCalendar.h"

#include "QtDates.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QScrollBar>
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

    nameParts();
    if (auto* grid = findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"))) {
        grid->viewport()->installEventFilter(this);
    }

    connect(this, &QCalendarWidget::selectionChanged, this, [this] {
        if (!settingValue_) {
            emit AfterUpdate();
        }
    });
}

// The buttons to the months before and after show arrows, and the year box a number: without
// names a screen reader could only say "button" and "spin box". (The month and year buttons read
// as the month and year they show.)
void MonthCalendar::nameParts() {
    const auto name = [this](const char* objectName, const QString& text) {
        if (auto* part = findChild<QWidget*>(QLatin1String(objectName))) {
            part->setAccessibleName(text);
        }
    };
    name("qt_calendar_prevmonth", tr("Previous month"));
    name("qt_calendar_nextmonth", tr("Next month"));
    //: The calendar's box for typing the year to show
    name("qt_calendar_yearedit", tr("Year"));
}

bool MonthCalendar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && wheelMeantForThePage()) {
        // Left to the widgets below it, up to the page.
        event->ignore();
        return true;
    }
    return QCalendarWidget::eventFilter(watched, event);
}

bool MonthCalendar::wheelMeantForThePage() const {
    if (const QWidget* focus = QApplication::focusWidget();
        focus != nullptr && isAncestorOf(focus)) {
        return false;
    }
    for (const QWidget* above = parentWidget(); above != nullptr; above = above->parentWidget()) {
        if (const auto* page = qobject_cast<const QAbstractScrollArea*>(above)) {
            return page->verticalScrollBar()->maximum() > 0 ||
                   page->horizontalScrollBar()->maximum() > 0;
        }
    }
    return false;
}

void MonthCalendar::setDayGridName(const QString& name) {
    if (auto* grid = findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"))) {
        grid->setAccessibleName(name);
    }
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
