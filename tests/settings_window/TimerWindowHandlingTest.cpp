// The timer window under the mouse, and how it and the settings window end the program: a press
// of each button on the label and on the empty client area, a double-click, closing the window
// and the pop-up menu's commands, with what each of them stores.
#include "FormsEngine.h"
#include "LoadedSettingsWindow.h"
#include "StartedTimerWindow.h"
#include "TestProgram.h"
#include "WidgetTestMain.h"
#include "frmMain.h"
#include "frmSettings.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <optional>

namespace tavrio {

namespace {

// Where a press lands: on the label's text, or on the client area beside it.
struct PressTarget {
    QWidget* widget;
    QPoint local;
};

PressTarget pressTarget(frmMain& window, bool onLabel) {
    if (onLabel) {
        return {test::labelOf(window), test::labelOf(window)->rect().center()};
    }
    const QPoint corner(3, 3);
    if (window.childAt(corner) != nullptr) {
        qFatal("the label covers the corner of the client area");
    }
    return {&window, corner};
}

void sendMouse(QWidget& target, QEvent::Type type, QPoint global, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    const QPoint local = target.mapFromGlobal(global);
    QMouseEvent event(type, local, target.window()->mapFromGlobal(global), global, button, buttons,
                      {});
    QApplication::sendEvent(&target, &event);
}

// A label small enough to leave some of the client area beside it: the stored font size's
// default of 100 points covers the whole window.
test::StartedTimerWindow startWithSmallLabel(test::TestProgram& test) {
    test.store.preset(Key::FontSize, "10");
    return test::startTimerWindow(test);
}

void addPressTargetRows() {
    QTest::addColumn<bool>("onLabel");
    QTest::newRow("on the label") << true;
    QTest::newRow("on the client area") << false;
}

} // namespace

class TimerWindowHandlingTest : public QObject {
    Q_OBJECT

private slots:
    void aRightPressOpensThePopupMenuAtThePointer_data();
    void aRightPressOpensThePopupMenuAtThePointer();
    void aDoubleClickOpensTheSettingsWindow_data();
    void aDoubleClickOpensTheSettingsWindow();
    void aMiddlePressDoesNothing_data();
    void aMiddlePressDoesNothing();
    void aLeftDragMovesTheWindowWithThePointer_data();
    void aLeftDragMovesTheWindowWithThePointer();
    void closingStoresThePlaceAndEndsUnlessUpdating_data();
    void closingStoresThePlaceAndEndsUnlessUpdating();
    void endingKeepsTheTargetOfAnOpenSettingsWindow_data();
    void endingKeepsTheTargetOfAnOpenSettingsWindow();
    void theSettingsWindowOpensBesideTheTimerWindowRatherThanUnderIt_data();
    void theSettingsWindowOpensBesideTheTimerWindowRatherThanUnderIt();
    void thePopupMenuLoadsTheSettingsWindowHiddenAndRunsTheChosenCommand_data();
    void thePopupMenuLoadsTheSettingsWindowHiddenAndRunsTheChosenCommand();
};

void TimerWindowHandlingTest::aRightPressOpensThePopupMenuAtThePointer_data() {
    addPressTargetRows();
}

void TimerWindowHandlingTest::aRightPressOpensThePopupMenuAtThePointer() {
    QFETCH(bool, onLabel);

    test::TestProgram test;
    const auto window = startWithSmallLabel(test);
    const PressTarget target = pressTarget(*window, onLabel);
    const QPoint place = window->pos();

    QTest::mousePress(target.widget, Qt::RightButton, {}, target.local);
    QTest::mouseRelease(target.widget, Qt::RightButton, {}, target.local);

    QCOMPARE(test.forms.popupMenuPositions,
             QList<QPoint>{target.widget->mapToGlobal(target.local)});
    QCOMPARE(test.forms.showSettingsWindowCalls, 0);
    QCOMPARE(window->pos(), place);
}

void TimerWindowHandlingTest::aDoubleClickOpensTheSettingsWindow_data() {
    addPressTargetRows();
}

void TimerWindowHandlingTest::aDoubleClickOpensTheSettingsWindow() {
    QFETCH(bool, onLabel);

    test::TestProgram test;
    const auto window = startWithSmallLabel(test);
    const PressTarget target = pressTarget(*window, onLabel);
    const QPoint place = window->pos();

    QTest::mouseDClick(target.widget, Qt::LeftButton, {}, target.local);

    QCOMPARE(test.forms.showSettingsWindowCalls, 1);
    QVERIFY(test.forms.popupMenuPositions.isEmpty());
    QCOMPARE(window->pos(), place);
}

void TimerWindowHandlingTest::aMiddlePressDoesNothing_data() {
    addPressTargetRows();
}

void TimerWindowHandlingTest::aMiddlePressDoesNothing() {
    QFETCH(bool, onLabel);

    test::TestProgram test;
    const auto window = startWithSmallLabel(test);
    const PressTarget target = pressTarget(*window, onLabel);
    const QPoint place = window->pos();
    const QPoint pressed = target.widget->mapToGlobal(target.local);
    test.store.forget();

    sendMouse(*target.widget, QEvent::MouseButtonPress, pressed, Qt::MiddleButton,
              Qt::MiddleButton);
    sendMouse(*target.widget, QEvent::MouseMove, pressed + QPoint(40, 30), Qt::NoButton,
              Qt::MiddleButton);
    sendMouse(*target.widget, QEvent::MouseButtonRelease, pressed + QPoint(40, 30),
              Qt::MiddleButton, Qt::NoButton);

    QCOMPARE(window->pos(), place);
    QVERIFY(test.forms.popupMenuPositions.isEmpty());
    QCOMPARE(test.forms.showSettingsWindowCalls, 0);
    QCOMPARE(test.forms.endProgramCalls, 0);
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
}

void TimerWindowHandlingTest::aLeftDragMovesTheWindowWithThePointer_data() {
    addPressTargetRows();
}

void TimerWindowHandlingTest::aLeftDragMovesTheWindowWithThePointer() {
    QFETCH(bool, onLabel);

    test::TestProgram test;
    const auto window = startWithSmallLabel(test);
    const PressTarget target = pressTarget(*window, onLabel);
    const QPoint start = window->pos();
    const QPoint pressed = target.widget->mapToGlobal(target.local);

    sendMouse(*target.widget, QEvent::MouseButtonPress, pressed, Qt::LeftButton, Qt::LeftButton);
    for (const QPoint offset : {QPoint(30, 20), QPoint(55, -10), QPoint(-25, 40)}) {
        sendMouse(*target.widget, QEvent::MouseMove, pressed + offset, Qt::NoButton,
                  Qt::LeftButton);
        QCOMPARE(window->pos(), start + offset);
    }
    sendMouse(*target.widget, QEvent::MouseButtonRelease, pressed + QPoint(-25, 40), Qt::LeftButton,
              Qt::NoButton);
    // After the release the pointer moves on alone.
    sendMouse(*target.widget, QEvent::MouseMove, pressed + QPoint(90, 90), Qt::NoButton,
              Qt::NoButton);

    QCOMPARE(window->pos(), start + QPoint(-25, 40));
    QVERIFY(test.forms.popupMenuPositions.isEmpty());
}

void TimerWindowHandlingTest::closingStoresThePlaceAndEndsUnlessUpdating_data() {
    QTest::addColumn<bool>("updating");
    QTest::addColumn<int>("ends");

    QTest::newRow("closed by the user ends the program") << false << 1;
    QTest::newRow("unloaded for a new border style goes on") << true << 0;
}

void TimerWindowHandlingTest::closingStoresThePlaceAndEndsUnlessUpdating() {
    QFETCH(bool, updating);
    QFETCH(int, ends);

    test::TestProgram test;
    const auto window = test::startTimerWindow(test);
    window->move(100, 80);
    test.store.forget();
    test.countdown.Updating = updating;

    QVERIFY(window->close());

    const QList<test::KeyText> place{{"Left", "1500"}, {"Top", "1200"}};
    QCOMPARE(test.store.writes(), place);
    QCOMPARE(test.forms.endProgramCalls, ends);
}

void TimerWindowHandlingTest::endingKeepsTheTargetOfAnOpenSettingsWindow_data() {
    QTest::addColumn<QString>("settingsWindow");
    QTest::addColumn<bool>("byExit");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QList<test::KeyText>>("writes");

    const QList<test::KeyText> target{
        {"tvDate", "2026-12-25"}, {"tvTime", "19:30:00"}, {"tvTrans", "205"}};
    const QList<test::KeyText> place{{"Left", "1500"}, {"Top", "1200"}};
    QTest::newRow("Exit keeps the place the window was moved to")
        << "changed" << true << true << target + place;
    QTest::newRow("Exit with the window where it was placed")
        << "changed" << true << false << target;
    QTest::newRow("closing the timer window") << "changed" << false << true << place + target;
    QTest::newRow("closing the timer window alone") << "" << false << true << place;
    QTest::newRow("closing it where it was placed")
        << "" << false << false << QList<test::KeyText>{};
    QTest::newRow("Exit with the settings window only loaded for the menu")
        << "loaded" << true << false << QList<test::KeyText>{};
    QTest::newRow("Exit with the settings window shown, nothing changed")
        << "shown" << true << false << QList<test::KeyText>{};
    QTest::newRow("Exit after changing only the time")
        << "time" << true << false << QList<test::KeyText>{{"tvTime", "19:30:00"}};
}

// Through the forms engine, which ends the program without running any window's closing steps.
// The stored target is one this locale cannot read (written under Finnish settings), and the
// opacity is no number: neither may be overwritten unless the user enters a new value.
void TimerWindowHandlingTest::endingKeepsTheTargetOfAnOpenSettingsWindow() {
    QFETCH(QString, settingsWindow);
    QFETCH(bool, byExit);
    QFETCH(bool, moved);
    QFETCH(QList<test::KeyText>, writes);

    test::TestProgram test;
    test.store.preset(Key::tvDate, "25.12.2026");
    test.store.preset(Key::tvTime, "9.05.00");
    test.store.preset(Key::tvTrans, "half");
    int ends = 0;
    FormsEngine forms(test.program, [&ends] { ++ends; });
    test.program.forms = &forms;
    forms.showTimerWindow(forms.firstCountdown());
    frmMain* const timer = forms.timerWindow(forms.firstCountdown());
    QVERIFY(QTest::qWaitForWindowExposed(timer));
    QTRY_VERIFY(timer->placementSettled());
    if (moved) {
        timer->move(100, 80);
    }
    if (settingsWindow == QLatin1String("loaded")) {
        (void)forms.settingsWindow(forms.firstCountdown());
    } else if (!settingsWindow.isEmpty()) {
        forms.showSettingsWindow(forms.firstCountdown());
    }
    if (settingsWindow == QLatin1String("changed")) {
        const test::SettingsControls settings(forms.settingsWindow(forms.firstCountdown()));
        settings.txtDate->setText(QStringLiteral("12/25/2026"));
        settings.txtTime->setText(QStringLiteral("7:30 PM"));
        QTest::keyClick(settings.sldTrans, Qt::Key_PageDown);
    } else if (settingsWindow == QLatin1String("time")) {
        test::SettingsControls(forms.settingsWindow(forms.firstCountdown()))
            .txtTime->setText(QStringLiteral("7:30 PM"));
    }
    test.store.forget();

    if (byExit) {
        test::SettingsControls(forms.settingsWindow(forms.firstCountdown())).mnuExit->trigger();
    } else {
        QVERIFY(timer->close());
    }

    QCOMPARE(test.store.writes(), writes);
    QCOMPARE(ends, 1);
    QVERIFY(!timer->isVisible());
    if (forms.settingsWindowLoaded(forms.firstCountdown())) {
        QVERIFY(!forms.settingsWindow(forms.firstCountdown()).isVisible());
    }
    if (writes.isEmpty()) {
        QCOMPARE(test.store.stored(Key::tvDate), std::optional<std::string>{"25.12.2026"});
        QCOMPARE(test.store.stored(Key::tvTime), std::optional<std::string>{"9.05.00"});
        QCOMPARE(test.store.stored(Key::tvTrans), std::optional<std::string>{"half"});
    }
}

void TimerWindowHandlingTest::theSettingsWindowOpensBesideTheTimerWindowRatherThanUnderIt_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<bool>("centred");

    QTest::newRow("where the settings window would open") << "1500"
                                                          << "1200" << false;
    QTest::newRow("out of its way") << "60"
                                    << "60" << true;
}

// The timer window is kept above the settings window, which could not be brought in front of it:
// it opens beside it (here to its right) when it would open under it, and centred otherwise.
void TimerWindowHandlingTest::theSettingsWindowOpensBesideTheTimerWindowRatherThanUnderIt() {
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(bool, centred);
    test::TestProgram test;
    test.store.preset(Key::Left, left.toStdString());
    test.store.preset(Key::Top, top.toStdString());
    test.store.preset(Key::Width, "4800");
    test.store.preset(Key::Height, "1500");
    FormsEngine forms(test.program, [] {});
    test.program.forms = &forms;
    forms.showTimerWindow(forms.firstCountdown());
    frmMain* const timer = forms.timerWindow(forms.firstCountdown());
    QVERIFY(QTest::qWaitForWindowExposed(timer));
    QTRY_VERIFY(timer->placementSettled());
    const QRect keptClear = timer->outerGeometry();
    const QPoint centredCorner = forms.settingsWindow(forms.firstCountdown()).pos();

    forms.showSettingsWindow(forms.firstCountdown());

    frmSettings& settings = forms.settingsWindow(forms.firstCountdown());
    QVERIFY(QTest::qWaitForWindowExposed(&settings));
    const QRect opened = settings.frameGeometry();
    QCOMPARE(opened.intersects(keptClear), false);
    QVERIFY(settings.screen()->availableGeometry().contains(opened));
    if (centred) {
        QCOMPARE(opened.topLeft(), centredCorner);
    } else {
        QCOMPARE(opened.topLeft(), QPoint(keptClear.right() + 1 + 8, keptClear.top()));
    }
}

void TimerWindowHandlingTest::
    thePopupMenuLoadsTheSettingsWindowHiddenAndRunsTheChosenCommand_data() {
    QTest::addColumn<int>("mnemonic");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("ends");

    QTest::newRow("Settings") << int{Qt::Key_S} << true << 0;
    QTest::newRow("Exit") << int{Qt::Key_X} << false << 1;
}

void TimerWindowHandlingTest::thePopupMenuLoadsTheSettingsWindowHiddenAndRunsTheChosenCommand() {
    QFETCH(int, mnemonic);
    QFETCH(bool, shown);
    QFETCH(int, ends);

    test::TestProgram test;
    int ended = 0;
    FormsEngine forms(test.program, [&ended] { ++ended; });
    test.program.forms = &forms;
    forms.showTimerWindow(forms.firstCountdown());
    frmMain* const timer = forms.timerWindow(forms.firstCountdown());
    QVERIFY(QTest::qWaitForWindowExposed(timer));
    DisplayLabel* const label = test::labelOf(*timer);
    const QPoint pointer = label->mapToGlobal(label->rect().center());

    QPointer<frmSettings> loadedByMenu;
    bool hiddenWhileOpen = false;
    QPoint menuPlace;
    // Runs inside the menu's own event loop, as the user's choice would.
    QTimer::singleShot(0, timer, [&] {
        auto* const menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        loadedByMenu = &forms.settingsWindow(forms.firstCountdown());
        hiddenWhileOpen = !loadedByMenu->isVisible();
        menuPlace = menu->pos();
        QTest::keyClick(menu, static_cast<Qt::Key>(mnemonic));
    });
    QTest::mousePress(label, Qt::RightButton, {}, label->rect().center());

    QVERIFY2(!loadedByMenu.isNull(), "the pop-up menu did not open");
    QVERIFY(hiddenWhileOpen);
    QCOMPARE(menuPlace, pointer);
    QCOMPARE(&forms.settingsWindow(forms.firstCountdown()), loadedByMenu.data());
    QCOMPARE(loadedByMenu->isVisible(), shown);
    QCOMPARE(ended, ends);
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::TimerWindowHandlingTest)

#include "TimerWindowHandlingTest.moc"
