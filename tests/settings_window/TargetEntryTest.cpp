// Entering the target and the title: every keystroke in the date, time and title boxes takes
// effect at once when its text reads, a text that does not read brings back the target from
// before it was begun and marks the box, a pick in the calendar fills the boxes, and the calendar
// and the date box follow each other without setting each other off.
#include "LoadedSettingsWindow.h"
#include "QtDates.h"
#include "StartedTimerWindow.h"
#include "TestProgram.h"
#include "WidgetTestMain.h"
#include "frmMain.h"
#include "frmSettings.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <optional>

namespace tavrio {

namespace {

using test::at;

DateValue timeOfDay(int hour, int minute, int second = 0) {
    return at(1899, 12, 30, hour, minute, second);
}

// The calendar's day grid, which takes the user's picks with the mouse and the keyboard.
QAbstractItemView& dayGrid(MonthCalendar& calendar) {
    auto* grid = calendar.findChild<QAbstractItemView*>();
    if (grid == nullptr) {
        qFatal("the calendar has no day grid");
    }
    return *grid;
}

QString captionFor(const QString& title) {
    return QStringLiteral("Tavrio To ") + title;
}

// What a screen reader is told about the box beyond its name.
QString accessibleDescription(QWidget* box) {
    return QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
}

// How many of the three signs of a text that does not read the box shows: a tint and a warning
// sign at its end for the eye, a description for a screen reader.
int unreadableMarks(QLineEdit* box) {
    const QList<QAction*> actions = box->actions();
    const bool tinted =
        box->palette().color(QPalette::Base) != QApplication::palette(box).color(QPalette::Base);
    const bool warned = std::any_of(actions.begin(), actions.end(),
                                    [](const QAction* action) { return action->isVisible(); });
    return int{tinted} + int{warned} + int{!accessibleDescription(box).isEmpty()};
}

} // namespace

class TargetEntryTest : public QObject {
    Q_OBJECT

private slots:
    void eachKeystrokeTakesEffectAtOnce();
    void aTextThatDoesNotReadIsMarkedUntilOneDoes_data();
    void aTextThatDoesNotReadIsMarkedUntilOneDoes();
    void aTextBegunAfterLeavingTheBoxFallsBackToWhatItLeft();
    void textSetByTheProgramRunsTheHandlerAtOnce_data();
    void textSetByTheProgramRunsTheHandlerAtOnce();
    void theTitleReachesCaptionAndStoreOnEveryKeystroke_data();
    void theTitleReachesCaptionAndStoreOnEveryKeystroke();
    void aPickInTheCalendar_data();
    void aPickInTheCalendar();
    void aClickOnADayPicksIt();
    void theFirstPickWithNoTargetFillsBothBoxes();
    void aDateSetByTheProgramRaisesNoPick();
    void theZeroDateShowsTheCurrentMonth();
    void aPhraseInTheDateBoxSetsTheTimeToo_data();
    void aPhraseInTheDateBoxSetsTheTimeToo();
};

// The clock reads 7 February 2007, 18:00:00. Which texts read and what a text that does not read
// brings back is TypedEntry's; here each keystroke reaches the target, the calendar and the box's
// mark at once, and nothing is stored while typing.
void TargetEntryTest::eachKeystrokeTakesEffectAtOnce() {
    test::TestProgram test;
    test.store.preset(Key::tvDate, "2/10/2007");
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    window.txtTime->setText(QStringLiteral("7:23:45 PM"));
    window.txtDate->clear();
    test.store.forget();

    QTest::keyClicks(window.txtDate, QStringLiteral("12/25/2007"));
    QCOMPARE(test.countdown.TargetDate, at(2007, 12, 25));
    QCOMPARE(window.Calendar1->selectedDate(), QDate(2007, 12, 25));
    QVERIFY(!window.txtDate->unreadable());
    timer->refreshNow();
    QCOMPARE(timer.Label1->text(), QStringLiteral("321:01:23:45"));

    QTest::keyClick(window.txtDate, 'x');
    QCOMPARE(test.countdown.TargetDate, at(2007, 2, 10));
    QCOMPARE(window.Calendar1->selectedDate(), QDate(2007, 2, 10));
    QVERIFY(window.txtDate->unreadable());

    window.txtTime->clear();
    QTest::keyClicks(window.txtTime, QStringLiteral("7:05 PM"));
    QCOMPARE(test.countdown.TargetTime, timeOfDay(19, 5));
    // The time box leaves the day and the calendar alone.
    QCOMPARE(test.countdown.TargetDate, at(2007, 2, 10));
    QCOMPARE(window.Calendar1->selectedDate(), QDate(2007, 2, 10));
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
}

void TargetEntryTest::aTextThatDoesNotReadIsMarkedUntilOneDoes_data() {
    QTest::addColumn<bool>("dateBox");
    QTest::addColumn<QString>("unreadable");
    QTest::addColumn<QString>("readable");
    QTest::addColumn<QString>("described");

    QTest::newRow("date box") << true << "2/29/2027"
                              << "2/28/2027"
                              << "Not a date";
    QTest::newRow("time box") << false << "9:05 XM"
                              << "9:05 AM"
                              << "Not a time";
}

void TargetEntryTest::aTextThatDoesNotReadIsMarkedUntilOneDoes() {
    QFETCH(bool, dateBox);
    QFETCH(QString, unreadable);
    QFETCH(QString, readable);
    QFETCH(QString, described);

    test::TestProgram test;
    test.countdown.TargetDate = at(2007, 2, 10);
    test.countdown.TargetTime = timeOfDay(19, 23);
    test::LoadedSettingsWindow window(test);
    window.show();
    QLineEdit* const box = dateBox ? window.txtDate : window.txtTime;
    QCOMPARE(unreadableMarks(box), 0);

    box->setText(unreadable);
    QCOMPARE(unreadableMarks(box), 3);
    QVERIFY2(accessibleDescription(box).startsWith(described),
             qPrintable(accessibleDescription(box)));
    QCOMPARE(box->toolTip(), accessibleDescription(box));
    QCOMPARE(test.countdown.TargetDate, at(2007, 2, 10));
    QCOMPARE(test.countdown.TargetTime, timeOfDay(19, 23));

    box->setText(readable);
    QCOMPARE(unreadableMarks(box), 0);
    QVERIFY(box->toolTip().isEmpty());

    // An empty box is where every new text starts, no mistake to point out.
    box->setText(unreadable);
    box->clear();
    QCOMPARE(unreadableMarks(box), 0);
}

// Leaving the box, or pressing Return, settles what it reads: a text begun after that falls back
// to it rather than to what was in force before the first text.
void TargetEntryTest::aTextBegunAfterLeavingTheBoxFallsBackToWhatItLeft() {
    test::TestProgram test;
    test.countdown.TargetDate = at(2007, 2, 10);
    test::LoadedSettingsWindow window(test);
    window.show();
    const auto typeInto = [](QLineEdit* box, const char* text) {
        box->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, QString::fromLatin1(text));
    };

    typeInto(window.txtDate, "\b\b\b\b2008");
    QCOMPARE(test.countdown.TargetDate, at(2008, 2, 10));
    typeInto(window.txtTime, "x");
    typeInto(window.txtDate, "x");
    QCOMPARE(test.countdown.TargetDate, at(2008, 2, 10));
    QCOMPARE(window.Calendar1->selectedDate(), QDate(2008, 2, 10));

    QTest::keyClicks(window.txtDate, QStringLiteral("\b\b\b\b\b2009"));
    QCOMPARE(test.countdown.TargetDate, at(2009, 2, 10));
    QTest::keyClick(window.txtDate, Qt::Key_Return);
    QTest::keyClicks(window.txtDate, QStringLiteral(" 25:00"));
    QCOMPARE(test.countdown.TargetDate, at(2009, 2, 10));
    QVERIFY(window.txtDate->unreadable());
}

void TargetEntryTest::textSetByTheProgramRunsTheHandlerAtOnce_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");

    QTest::newRow("date") << "txtDate"
                          << "12/25/2008";
    QTest::newRow("time") << "txtTime"
                          << "4:15 PM";
    QTest::newRow("title") << "txtWhat"
                           << "Launch";
}

// Without returning to the event loop in between: the handlers the settings window's own steps
// rely on have run by the time the assignment returns.
void TargetEntryTest::textSetByTheProgramRunsTheHandlerAtOnce() {
    QFETCH(QString, box);
    QFETCH(QString, text);

    test::TestProgram test;
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    test.store.forget();

    if (box == QLatin1String("txtDate")) {
        window.txtDate->setText(text);
        QCOMPARE(test.countdown.TargetDate, at(2008, 12, 25));
        QCOMPARE(window.Calendar1->selectedDate(), QDate(2008, 12, 25));
    } else if (box == QLatin1String("txtTime")) {
        window.txtTime->setText(text);
        QCOMPARE(test.countdown.TargetTime, timeOfDay(16, 15));
    } else {
        window.txtWhat->setText(text);
        QCOMPARE(timer->windowTitle(), captionFor(text));
        QCOMPARE(test.store.writes(), (QList<test::KeyText>{{"What", text}}));
    }
}

void TargetEntryTest::theTitleReachesCaptionAndStoreOnEveryKeystroke_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("a word") << "Party";
    QTest::newRow("blanks are not trimmed") << " Go ";
}

void TargetEntryTest::theTitleReachesCaptionAndStoreOnEveryKeystroke() {
    QFETCH(QString, typed);

    test::TestProgram test;
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    test.store.forget();

    QList<test::KeyText> expected;
    QString sofar;
    for (const QChar c : typed) {
        QTest::keyClick(window.txtWhat, c.toLatin1());
        sofar += c;
        expected.append({QStringLiteral("What"), sofar});
        QCOMPARE(timer->windowTitle(), captionFor(sofar));
    }
    while (!sofar.isEmpty()) {
        QTest::keyClick(window.txtWhat, Qt::Key_Backspace);
        sofar.chop(1);
        expected.append({QStringLiteral("What"), sofar});
        QCOMPARE(timer->windowTitle(), captionFor(sofar));
    }

    QCOMPARE(test.store.writes(), expected);
    QCOMPARE(test.store.stored(Key::What), std::optional<std::string>{""});
    QCOMPARE(timer->windowTitle(), QStringLiteral("Tavrio To "));
}

void TargetEntryTest::aPickInTheCalendar_data() {
    QTest::addColumn<QString>("timeBox");
    QTest::addColumn<DateValue>("targetTime");
    QTest::addColumn<QString>("timeBoxAfter");
    QTest::addColumn<DateValue>("targetTimeAfter");

    QTest::newRow("an empty time box shows midnight") << "" << 0.0 << "12:00 AM" << 0.0;
    QTest::newRow("an empty time box shows the time, to the minute")
        << "" << timeOfDay(19, 23, 45) << "07:23 PM" << timeOfDay(19, 23);
    QTest::newRow("a time in the box is left alone")
        << "07:23 PM" << timeOfDay(19, 23) << "07:23 PM" << timeOfDay(19, 23);
    QTest::newRow("any text in the box is left alone")
        << "soon" << timeOfDay(6, 30, 15) << "soon" << timeOfDay(6, 30, 15);
}

// The user moves the selection from 9 to 10 February 2007 with the arrow key.
void TargetEntryTest::aPickInTheCalendar() {
    QFETCH(QString, timeBox);
    QFETCH(DateValue, targetTime);
    QFETCH(QString, timeBoxAfter);
    QFETCH(DateValue, targetTimeAfter);

    test::TestProgram test;
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    window.txtTime->setText(timeBox);
    test.countdown.TargetTime = targetTime;
    window.Calendar1->setValue(at(2007, 2, 9));
    test.store.forget();
    QSignalSpy picks(window.Calendar1, &MonthCalendar::AfterUpdate);

    QTest::keyClick(&dayGrid(*window.Calendar1), Qt::Key_Right);

    QCOMPARE(picks.count(), 1);
    QCOMPARE(window.txtDate->text(), QStringLiteral("2/10/2007"));
    QCOMPARE(test.countdown.TargetDate, at(2007, 2, 10));
    QCOMPARE(window.Calendar1->selectedDate(), QDate(2007, 2, 10));
    QCOMPARE(window.txtTime->text(), timeBoxAfter);
    QCOMPARE(test.countdown.TargetTime, targetTimeAfter);
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
    if (targetTimeAfter == 0.0) {
        timer->refreshNow();
        QCOMPARE(timer.Label1->text(), QStringLiteral("2:06:00:00"));
    }
}

void TargetEntryTest::aClickOnADayPicksIt() {
    test::TestProgram test;
    test.countdown.TargetDate = at(2007, 2, 9);
    test::LoadedSettingsWindow window(test);
    window.show();
    QAbstractItemView& grid = dayGrid(*window.Calendar1);

    std::optional<QModelIndex> tenth;
    const QAbstractItemModel* const days = grid.model();
    for (int row = 0; row < days->rowCount() && !tenth; ++row) {
        for (int column = 0; column < days->columnCount(); ++column) {
            const QModelIndex cell = days->index(row, column);
            // From the top the first 10 is the month's own: the month before ends in the 20s.
            if (cell.data().toInt() == 10) {
                tenth = cell;
                break;
            }
        }
    }
    QVERIFY(tenth.has_value());
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(*tenth).center());

    QCOMPARE(window.txtDate->text(), QStringLiteral("2/10/2007"));
    QCOMPARE(test.countdown.TargetDate, at(2007, 2, 10));
}

void TargetEntryTest::theFirstPickWithNoTargetFillsBothBoxes() {
    test::TestProgram test;
    test::LoadedSettingsWindow window(test);
    QCOMPARE(window.txtDate->text(), QString());
    QCOMPARE(window.txtTime->text(), QString());

    window.Calendar1->setValue(at(2007, 2, 9));
    QTest::keyClick(&dayGrid(*window.Calendar1), Qt::Key_Right);

    QCOMPARE(window.txtDate->text(), QStringLiteral("2/10/2007"));
    QCOMPARE(window.txtTime->text(), QStringLiteral("12:00 AM"));
    QCOMPARE(test.countdown.TargetDate, at(2007, 2, 10));
    QCOMPARE(test.countdown.TargetTime, 0.0);
    // The pick is the user's; the time the program filled in beside it is not.
    QVERIFY(window->close());
    QCOMPARE(test.store.writes(), (QList<test::KeyText>{{"tvDate", "2007-02-10"}}));
}

void TargetEntryTest::aDateSetByTheProgramRaisesNoPick() {
    test::TestProgram test;
    test.countdown.TargetDate = at(2007, 2, 10);
    test::LoadedSettingsWindow window(test);
    QSignalSpy picks(window.Calendar1, &MonthCalendar::AfterUpdate);

    window.Calendar1->setValue(at(2008, 3, 1));

    QCOMPARE(picks.count(), 0);
    QCOMPARE(window.Calendar1->selectedDate(), QDate(2008, 3, 1));
    QCOMPARE(window.txtDate->text(), QStringLiteral("02/10/2007"));
    QCOMPARE(test.countdown.TargetDate, at(2007, 2, 10));
}

void TargetEntryTest::theZeroDateShowsTheCurrentMonth() {
    test::TestProgram test;
    test.countdown.TargetDate = at(2007, 2, 10);
    test::LoadedSettingsWindow window(test);
    window.txtDate->clear();
    QSignalSpy picks(window.Calendar1, &MonthCalendar::AfterUpdate);

    window.Calendar1->setValue(0.0);

    const QDate today = QDate::currentDate();
    QCOMPARE(window.Calendar1->yearShown(), today.year());
    QCOMPARE(window.Calendar1->monthShown(), today.month());
    QCOMPARE(picks.count(), 0);
    QCOMPARE(window.txtDate->text(), QString());
    QCOMPARE(test.countdown.TargetDate, at(2007, 2, 10));
}

void TargetEntryTest::aPhraseInTheDateBoxSetsTheTimeToo_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<DateValue>("date");
    QTest::addColumn<DateValue>("time");
    QTest::addColumn<QString>("timeBox");
    QTest::addColumn<QList<test::KeyText>>("stored");

    const QList<test::KeyText> nothing;
    QTest::newRow("a weekday and a time")
        << "friday 5pm" << at(2007, 2, 9) << timeOfDay(17, 0) << "05:00 PM"
        << QList<test::KeyText>{{"tvDate", "2007-02-09"}, {"tvTime", "17:00:00"}};
    QTest::newRow("a duration, to the second")
        << "in 25 min" << at(2007, 2, 7) << timeOfDay(18, 25, 30) << "06:25:30 PM"
        << QList<test::KeyText>{{"tvDate", "2007-02-07"}, {"tvTime", "18:25:30"}};
    QTest::newRow("spoilt after it read: the time box comes back too")
        << "friday 5pmx" << at(2007, 2, 10) << timeOfDay(19, 23) << "07:23 PM" << nothing;
    QTest::newRow("a partial phrase")
        << "in 2" << at(2007, 2, 10) << timeOfDay(19, 23) << "07:23 PM" << nothing;
}

// The clock reads Wednesday 7 February 2007, 18:00:30; the target is 10 February, 19:23. The
// phrase is typed key by key, through every reading on the way.
void TargetEntryTest::aPhraseInTheDateBoxSetsTheTimeToo() {
    QFETCH(QString, typed);
    QFETCH(DateValue, date);
    QFETCH(DateValue, time);
    QFETCH(QString, timeBox);
    QFETCH(QList<test::KeyText>, stored);

    test::TestProgram test;
    test.clock = at(2007, 2, 7, 18, 0, 30);
    test.countdown.TargetDate = at(2007, 2, 10);
    test.countdown.TargetTime = timeOfDay(19, 23);
    test::LoadedSettingsWindow window(test);
    window.txtDate->clear();

    QTest::keyClicks(window.txtDate, typed);

    QCOMPARE(test.countdown.TargetDate, date);
    QCOMPARE(test.countdown.TargetTime, time);
    QCOMPARE(window.Calendar1->selectedDate(), qDateOf(date));
    QCOMPARE(window.txtTime->text(), timeBox);
    QCOMPARE(window.txtDate->unreadable(), stored.isEmpty());
    QVERIFY(window->close());
    QCOMPARE(test.store.writes(), stored);
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::TargetEntryTest)

#include "TargetEntryTest.moc"
