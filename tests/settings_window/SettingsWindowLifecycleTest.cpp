// The settings window's load and close: what each control is filled with, what loading leaves
// alone, what closing stores, and how showing, hiding and closing meet the forms engine. Also
// the window's keyboard design: the tab order and the names screen readers announce.
#include "DonationPicture.h"
#include "FormsEngine.h"
#include "LoadedSettingsWindow.h"
#include "StartedTimerWindow.h"
#include "TestProgram.h"
#include "WidgetTestMain.h"
#include "frmMain.h"
#include "frmSettings.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <map>
#include <optional>

namespace tavrio {

namespace {

using test::at;

const QString kLoadedCaption = QStringLiteral("Tavrio Settings v1.2.0");

// A time of day on day zero, as the time box reads one.
DateValue timeOfDay(int hour, int minute, int second = 0) {
    return at(1899, 12, 30, hour, minute, second);
}

QString text(const std::optional<std::string>& value) {
    return value ? QString::fromStdString(*value) : QString();
}

} // namespace

class SettingsWindowLifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void loadFillsTheTargetAndOpacity_data();
    void loadFillsTheTargetAndOpacity();
    void loadTakesTheTitleFromTheStore_data();
    void loadTakesTheTitleFromTheStore();
    void loadSelectsTheStoredBorderStyleWithoutActing_data();
    void loadSelectsTheStoredBorderStyleWithoutActing();
    void loadLeavesTheTimerWindowsLookAlone();
    void closingStoresOnlyWhatTheUserChanged_data();
    void closingStoresOnlyWhatTheUserChanged();
    void showingAgainKeepsTheWindowAndClosingMakesTheNextShowLoadAfresh();
    void theHiddenMenuHoldsSettingsThenExit();
    void tabFollowsTheDesignOrder();
    void everyControlHasAnAccessibleName_data();
    void everyControlHasAnAccessibleName();
};

void SettingsWindowLifecycleTest::loadFillsTheTargetAndOpacity_data() {
    QTest::addColumn<DateValue>("targetDate");
    QTest::addColumn<DateValue>("targetTime");
    QTest::addColumn<int>("opacity");
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QString>("timeText");
    QTest::addColumn<DateValue>("targetDateAfter");
    QTest::addColumn<DateValue>("targetTimeAfter");

    QTest::newRow("no target leaves both boxes empty, whatever the time")
        << 0.0 << timeOfDay(15, 45, 30) << 200 << ""
        << "" << 0.0 << timeOfDay(15, 45, 30);
    QTest::newRow("a target at midnight") << at(2007, 2, 10) << 0.0 << 255 << "02/10/2007"
                                          << "12:00 AM" << at(2007, 2, 10) << 0.0;
    QTest::newRow("the seconds of the time are dropped")
        << at(2007, 2, 10) << timeOfDay(15, 45, 30) << 128 << "02/10/2007"
        << "03:45 PM" << at(2007, 2, 10) << timeOfDay(15, 45);
    QTest::newRow("the time of day of the date is dropped")
        << at(2026, 12, 5, 18) << timeOfDay(7, 5) << 0 << "12/05/2026"
        << "07:05 AM" << at(2026, 12, 5) << timeOfDay(7, 5);
}

void SettingsWindowLifecycleTest::loadFillsTheTargetAndOpacity() {
    QFETCH(DateValue, targetDate);
    QFETCH(DateValue, targetTime);
    QFETCH(int, opacity);
    QFETCH(QString, dateText);
    QFETCH(QString, timeText);
    QFETCH(DateValue, targetDateAfter);
    QFETCH(DateValue, targetTimeAfter);

    test::TestProgram test;
    CountdownState& shared = test.countdown;
    shared.TargetDate = targetDate;
    shared.TargetTime = targetTime;
    shared.Opacity = static_cast<std::uint8_t>(opacity);

    test::LoadedSettingsWindow window(test);

    QCOMPARE(window.txtDate->text(), dateText);
    QCOMPARE(window.txtTime->text(), timeText);
    QCOMPARE(shared.TargetDate, targetDateAfter);
    QCOMPARE(shared.TargetTime, targetTimeAfter);
    QCOMPARE(window.sldTrans->value(), opacity);
    QCOMPARE(int{shared.Opacity}, opacity);
    if (targetDate == 0.0) {
        // With no target the calendar opens on the month in which one is most likely chosen.
        const QDate today = QDate::currentDate();
        QCOMPARE(window.Calendar1->yearShown(), today.year());
        QCOMPARE(window.Calendar1->monthShown(), today.month());
    } else {
        QCOMPARE(window.Calendar1->Value(), targetDateAfter);
    }
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
}

void SettingsWindowLifecycleTest::loadTakesTheTitleFromTheStore_data() {
    QTest::addColumn<std::optional<std::string>>("stored");
    QTest::addColumn<QString>("caption");

    // The timer window started from the same store shows "??" for a missing title.
    QTest::newRow("no title stored") << std::optional<std::string>{} << "Tavrio To ??";
    QTest::newRow("the empty title") << std::optional<std::string>{""} << "Tavrio To ";
    QTest::newRow("a title") << std::optional<std::string>{"Party"} << "Tavrio To Party";
    QTest::newRow("blanks are kept")
        << std::optional<std::string>{" New Year "} << "Tavrio To  New Year ";
}

// The title is shown, and not written back: that would rewrite the settings file for a value the
// user did not change.
void SettingsWindowLifecycleTest::loadTakesTheTitleFromTheStore() {
    QFETCH(std::optional<std::string>, stored);
    QFETCH(QString, caption);

    test::TestProgram test;
    if (stored) {
        test.store.preset(Key::What, *stored);
    }
    const auto timer = test::startTimerWindow(test);
    test.store.forget();

    test::LoadedSettingsWindow window(test);

    QCOMPARE(window.txtWhat->text(), text(stored));
    QCOMPARE(timer->windowTitle(), caption);
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
}

void SettingsWindowLifecycleTest::loadSelectsTheStoredBorderStyleWithoutActing_data() {
    QTest::addColumn<std::optional<std::string>>("stored");
    QTest::addColumn<int>("selected");

    QTest::newRow("none stored selects the last") << std::optional<std::string>{} << 5;
    QTest::newRow("0") << std::optional<std::string>{"0"} << 0;
    QTest::newRow("2") << std::optional<std::string>{"2"} << 2;
    QTest::newRow("past the list selects nothing") << std::optional<std::string>{"6"} << -1;
    QTest::newRow("negative selects nothing") << std::optional<std::string>{"-1"} << -1;
    QTest::newRow("not a number selects nothing") << std::optional<std::string>{"wide"} << -1;
}

// The stored style and the hiding are what the timer window already shows: putting them into
// the controls must neither re-create that window nor store anything.
void SettingsWindowLifecycleTest::loadSelectsTheStoredBorderStyleWithoutActing() {
    QFETCH(std::optional<std::string>, stored);
    QFETCH(int, selected);

    test::TestProgram test;
    if (stored) {
        test.store.preset(Key::BS, *stored);
    }
    test.countdown.HideBackground = true;
    test.countdown.SettingsLoaded = true;

    test::LoadedSettingsWindow window(test);

    QCOMPARE(window.Combo1->currentIndex(), selected);
    QVERIFY(window.chkHide->isChecked());
    QVERIFY(test.forms.borderStyleChanges.isEmpty());
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
    QVERIFY(test.countdown.SettingsLoaded);
    QVERIFY(!test.countdown.Updating);
}

void SettingsWindowLifecycleTest::loadLeavesTheTimerWindowsLookAlone() {
    test::TestProgram test;
    const auto timer = test::startTimerWindow(test);
    const QColor background = timer->palette().color(QPalette::Window);
    const qreal opacity = timer->windowOpacity();
    // Values the timer window does not show yet: ticking the box must not apply them.
    test.countdown.HideBackground = true;
    test.countdown.Opacity = 40;

    test::LoadedSettingsWindow window(test);

    QVERIFY(window.chkHide->isChecked());
    QCOMPARE(window.sldTrans->value(), 40);
    QCOMPARE(timer->palette().color(QPalette::Window), background);
    QCOMPARE(timer->windowOpacity(), opacity);
    QVERIFY(test.countdown.HideBackground);
}

void SettingsWindowLifecycleTest::closingStoresOnlyWhatTheUserChanged_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QList<test::KeyText>>("writes");

    QTest::newRow("nothing: what the load dropped is not written back")
        << "" << QList<test::KeyText>{};
    QTest::newRow("a typed date") << "date" << QList<test::KeyText>{{"tvDate", "2027-03-04"}};
    QTest::newRow("a typed time") << "time" << QList<test::KeyText>{{"tvTime", "09:05:00"}};
    QTest::newRow("a pick in the calendar")
        << "pick" << QList<test::KeyText>{{"tvDate", "2007-02-11"}};
    QTest::newRow("a move of the slider") << "slider" << QList<test::KeyText>{{"tvTrans", "138"}};
    QTest::newRow("a text that does not read") << "unreadable" << QList<test::KeyText>{};
    QTest::newRow("everything") << "date time slider"
                                << QList<test::KeyText>{{"tvDate", "2027-03-04"},
                                                        {"tvTime", "09:05:00"},
                                                        {"tvTrans", "138"}};
}

// The store holds the target in the form earlier versions wrote, with seconds the time box drops.
void SettingsWindowLifecycleTest::closingStoresOnlyWhatTheUserChanged() {
    QFETCH(QString, change);
    QFETCH(QList<test::KeyText>, writes);

    test::TestProgram test;
    test.store.preset(Key::tvDate, "2/10/2007");
    test.store.preset(Key::tvTime, "7:23:45 PM");
    test.store.preset(Key::tvTrans, "128");
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    window.show();
    test.store.forget();

    const auto typeInto = [](QLineEdit* box, const QString& text) {
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    };
    if (change.contains(QStringLiteral("date"))) {
        typeInto(window.txtDate, QStringLiteral("3/4/2027"));
    }
    if (change.contains(QStringLiteral("time"))) {
        typeInto(window.txtTime, QStringLiteral("9:05 AM"));
    }
    if (change.contains(QStringLiteral("pick"))) {
        window.Calendar1->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(window.Calendar1->focusWidget(), Qt::Key_Right);
    }
    if (change.contains(QStringLiteral("slider"))) {
        QTest::keyClick(window.sldTrans, Qt::Key_Right);
    }
    if (change.contains(QStringLiteral("unreadable"))) {
        typeInto(window.txtDate, QStringLiteral("2/29/2027"));
        typeInto(window.txtTime, QStringLiteral("9:05 XM"));
    }
    QVERIFY(window->close());
    test::processPendingEvents();

    QCOMPARE(test.store.writes(), writes);
    QVERIFY2(window.get() == nullptr, "closing must destroy the window");
    if (writes.isEmpty()) {
        QCOMPARE(test.store.stored(Key::tvDate), std::optional<std::string>{"2/10/2007"});
        QCOMPARE(test.store.stored(Key::tvTime), std::optional<std::string>{"7:23:45 PM"});
        QCOMPARE(test.store.stored(Key::tvTrans), std::optional<std::string>{"128"});
    }
}

// Through the forms engine, as the timer window's double-click and the menu open the window.
void SettingsWindowLifecycleTest::showingAgainKeepsTheWindowAndClosingMakesTheNextShowLoadAfresh() {
    test::TestProgram test;
    int ends = 0;
    FormsEngine forms(test.program, [&ends] { ++ends; });
    test.program.forms = &forms;
    forms.firstCountdown().TargetDate = at(2007, 2, 10);

    forms.showSettingsWindow(forms.firstCountdown());
    QPointer<frmSettings> first = &forms.settingsWindow(forms.firstCountdown());
    QVERIFY(QTest::qWaitForWindowExposed(first.data()));
    QCOMPARE(first->windowTitle(), kLoadedCaption);
    // Typed in the calendar-pick form, which a load never writes: a reload would show 03/01/2008.
    QLineEdit* const dateBox = test::SettingsControls(*first).txtDate;
    dateBox->setText(QStringLiteral("3/1/2008"));

    first->hide();
    forms.showSettingsWindow(forms.firstCountdown());
    QCOMPARE(&forms.settingsWindow(forms.firstCountdown()), first.data());
    QVERIFY(first->isVisible());
    QCOMPARE(first->windowTitle(), kLoadedCaption);
    QCOMPARE(dateBox->text(), QStringLiteral("3/1/2008"));

    QVERIFY(first->close());
    test::processPendingEvents();
    QVERIFY2(first.isNull(), "closing must destroy the window");
    QVERIFY(!forms.settingsWindowLoaded(forms.firstCountdown()));

    forms.showSettingsWindow(forms.firstCountdown());
    frmSettings& second = forms.settingsWindow(forms.firstCountdown());
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QCOMPARE(second.windowTitle(), kLoadedCaption);
    QCOMPARE(test::SettingsControls(second).txtDate->text(), QStringLiteral("03/01/2008"));
    QCOMPARE(ends, 0);
}

void SettingsWindowLifecycleTest::theHiddenMenuHoldsSettingsThenExit() {
    test::TestProgram test;
    test::LoadedSettingsWindow window(test);
    window.show();

    QStringList shown;
    for (const QAction* item : window.mnuFile->actions()) {
        if (item->isVisible()) {
            shown << item->text();
        }
    }
    // The first countdown is the program's own: it cannot be removed.
    QCOMPARE(shown, QStringList({"&Settings", "&New Countdown", "E&xit"}));
    QVERIFY(!window.mnuFile->isVisible());

    window.mnuSettings->trigger();
    QCOMPARE(test.forms.showSettingsWindowCalls, 1);
    window.mnuNew->trigger();
    QCOMPARE(test.forms.newCountdownCalls, 1);
    QCOMPARE(test.forms.endProgramCalls, 0);
    window.mnuExit->trigger();
    QCOMPARE(test.forms.endProgramCalls, 1);
}

void SettingsWindowLifecycleTest::tabFollowsTheDesignOrder() {
    test::TestProgram test;
    test::LoadedSettingsWindow window(test);
    window.show();
    const QList<QWidget*> order{window.txtWhat,   window.txtDate,  window.txtTime,
                                window.Calendar1, window.sldTrans, window.Combo1,
                                window.chkHide,   window.cmdFont,  window.Picture1};
    window.txtWhat->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(window.txtWhat->hasFocus());

    // Twice round, so that Tab leaves the last control for the first.
    for (qsizetype step = 1; step <= 2 * order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* const expected = order[step % order.size()];
        QWidget* const focused = QApplication::focusWidget();
        QVERIFY2(focused == expected || expected->isAncestorOf(focused),
                 qPrintable(QStringLiteral("step %1: focus on %2, expected %3")
                                .arg(step)
                                .arg(focused ? focused->metaObject()->className() : "nothing")
                                .arg(expected->metaObject()->className())));
    }
}

void SettingsWindowLifecycleTest::everyControlHasAnAccessibleName_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"txtWhat", "txtDate", "txtTime", "Calendar1", "sldTrans", "Combo1",
                             "chkHide", "cmdFont", "Picture1"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void SettingsWindowLifecycleTest::everyControlHasAnAccessibleName() {
    QFETCH(QString, control);

    test::TestProgram test;
    test::LoadedSettingsWindow window(test);
    const std::map<QString, QWidget*> controls{
        {"txtWhat", window.txtWhat},   {"txtDate", window.txtDate},
        {"txtTime", window.txtTime},   {"Calendar1", window.Calendar1},
        {"sldTrans", window.sldTrans}, {"Combo1", window.Combo1},
        {"chkHide", window.chkHide},   {"cmdFont", window.cmdFont},
        {"Picture1", window.Picture1}};
    window.show();

    QAccessibleInterface* const accessible =
        QAccessible::queryAccessibleInterface(controls.at(control));
    QVERIFY(accessible != nullptr);
    const QString name = accessible->text(QAccessible::Name);
    QVERIFY2(!name.trimmed().isEmpty(), qPrintable(control + " has no accessible name"));
    // A screen reader reads the name aloud: an ampersand doubled for the caption is no word.
    QVERIFY2(!name.contains(QStringLiteral("&&")), qPrintable(name));
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::SettingsWindowLifecycleTest)

#include "SettingsWindowLifecycleTest.moc"
