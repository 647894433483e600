// The timer window for keyboard and screen-reader users: the keys that open its menu and the
// settings window and move it, the countdown in words with its pace, and the role and name
// assistive technology reads.
#include "SpokenCountdownText.h"
#include "StartedTimerWindow.h"
#include "TestProgram.h"
#include "WidgetTestMain.h"
#include "frmMain.h"

#include <QAccessible>
#include <QTest>

namespace tavrio {

namespace {

using test::at;

constexpr std::int64_t kDay = 86400;

QString spokenName(const frmMain& window) {
    return QAccessible::queryAccessibleInterface(test::labelOf(window))->text(QAccessible::Name);
}

} // namespace

class TimerWindowKeyboardAndSpeechTest : public QObject {
    Q_OBJECT

private slots:
    void theCountdownInWords_data();
    void theCountdownInWords();
    void keysOpenTheMenuAndTheSettingsWindow_data();
    void keysOpenTheMenuAndTheSettingsWindow();
    void arrowKeysMoveTheWindowAsADragDoes_data();
    void arrowKeysMoveTheWindowAsADragDoes();
    void theWindowTakesTheFocus();
    void theSpokenNameFollowsTheCountdown();
    void aWindowNamedByItsCaption();
};

// The words of each part in both numbers; which parts are said is partsToSay's.
void TimerWindowKeyboardAndSpeechTest::theCountdownInWords_data() {
    QTest::addColumn<qint64>("remaining");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("all plural") << qint64{3 * kDay + 2 * 3600 + 23 * 60 + 45}
                                << "3 days, 2 hours, 23 minutes, 45 seconds left";
    QTest::newRow("all singular") << qint64{kDay + 3600 + 60 + 1}
                                  << "1 day, 1 hour, 1 minute, 1 second left";
}

void TimerWindowKeyboardAndSpeechTest::theCountdownInWords() {
    QFETCH(qint64, remaining);
    QFETCH(QString, spoken);
    QCOMPARE(spokenTimeLeft(remaining), spoken);
}

void TimerWindowKeyboardAndSpeechTest::keysOpenTheMenuAndTheSettingsWindow_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("menus");
    QTest::addColumn<int>("settings");

    QTest::newRow("Menu") << int{Qt::Key_Menu} << int{Qt::NoModifier} << 1 << 0;
    QTest::newRow("Shift+F10") << int{Qt::Key_F10} << int{Qt::ShiftModifier} << 1 << 0;
    QTest::newRow("F10 alone") << int{Qt::Key_F10} << int{Qt::NoModifier} << 0 << 0;
    QTest::newRow("Return") << int{Qt::Key_Return} << int{Qt::NoModifier} << 0 << 1;
    QTest::newRow("Enter") << int{Qt::Key_Enter} << int{Qt::KeypadModifier} << 0 << 1;
    QTest::newRow("Space") << int{Qt::Key_Space} << int{Qt::NoModifier} << 0 << 0;
}

void TimerWindowKeyboardAndSpeechTest::keysOpenTheMenuAndTheSettingsWindow() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, menus);
    QFETCH(int, settings);
    test::TestProgram test;
    const auto window = test::startTimerWindow(test);
    const QPoint before = window->pos();

    QTest::keyClick(window.get(), static_cast<Qt::Key>(key),
                    static_cast<Qt::KeyboardModifiers>(modifiers));

    QCOMPARE(test.forms.popupMenuPositions.size(), menus);
    if (menus > 0) {
        // At the window, not wherever the pointer happens to be.
        QCOMPARE(test.forms.popupMenuPositions.first(),
                 window->mapToGlobal(window->rect().center()));
    }
    QCOMPARE(test.forms.showSettingsWindowCalls, settings);
    QCOMPARE(window->pos(), before);
}

void TimerWindowKeyboardAndSpeechTest::arrowKeysMoveTheWindowAsADragDoes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QPoint>("by");

    QTest::newRow("Left") << int{Qt::Key_Left} << false << QPoint(-1, 0);
    QTest::newRow("Right") << int{Qt::Key_Right} << false << QPoint(1, 0);
    QTest::newRow("Up") << int{Qt::Key_Up} << false << QPoint(0, -1);
    QTest::newRow("Down") << int{Qt::Key_Down} << false << QPoint(0, 1);
    QTest::newRow("Shift+Left") << int{Qt::Key_Left} << true << QPoint(-10, 0);
    QTest::newRow("Shift+Down") << int{Qt::Key_Down} << true << QPoint(0, 10);
}

void TimerWindowKeyboardAndSpeechTest::arrowKeysMoveTheWindowAsADragDoes() {
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(QPoint, by);
    test::TestProgram test;
    for (const auto& [key, text] : {std::pair{Key::Left, "1500"},
                                    {Key::Top, "1200"},
                                    {Key::Width, "6000"},
                                    {Key::Height, "2400"},
                                    {Key::FontSize, "24"}}) {
        test.store.preset(key, text);
    }
    const auto window = test::startTimerWindow(test);
    const QPoint before = window->pos();
    test.store.forget();

    QTest::keyClick(window.get(), static_cast<Qt::Key>(key),
                    shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(window->pos(), before + by);
    QVERIFY(test.store.writes().empty());

    // Stored on the way out, as a dragged place is, in twips.
    window->storePlaceIfMoved();
    const QList<test::KeyText> expected{
        {QStringLiteral("Left"), QString::number(1500 + 15 * by.x())},
        {QStringLiteral("Top"), QString::number(1200 + 15 * by.y())}};
    QCOMPARE(test.store.writes(), expected);
}

void TimerWindowKeyboardAndSpeechTest::theWindowTakesTheFocus() {
    test::TestProgram test;
    const auto window = test::startTimerWindow(test);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), window.get());
}

void TimerWindowKeyboardAndSpeechTest::theSpokenNameFollowsTheCountdown() {
    test::TestProgram test;
    const auto window = test::startTimerWindow(test);
    QCOMPARE(spokenName(*window), QStringLiteral("Double Click Me"));

    // 2007-02-10 19:23:45, from 2007-02-07 18:00:00.
    test.countdown.TargetDate = at(2007, 2, 10);
    test.countdown.TargetTime = at(1899, 12, 30, 19, 23, 45);
    window->refreshNow();
    QCOMPARE(spokenName(*window), QStringLiteral("3 days, 1 hour, 23 minutes, 45 seconds left"));
    QCOMPARE(window.Label1->text(), QStringLiteral("3:01:23:45"));

    // When the words change is spokenTextDue's: not with every second.
    test.clock += 1.0 / 86400;
    window->refreshNow();
    QCOMPARE(window.Label1->text(), QStringLiteral("3:01:23:44"));
    QCOMPARE(spokenName(*window), QStringLiteral("3 days, 1 hour, 23 minutes, 45 seconds left"));

    test.clock = at(2007, 2, 10, 19, 23, 46);
    window->refreshNow();
    QCOMPARE(spokenName(*window), QStringLiteral("Congrats!!!"));
}

void TimerWindowKeyboardAndSpeechTest::aWindowNamedByItsCaption() {
    test::TestProgram test;
    test.store.preset(Key::What, "Launch");
    const auto window = test::startTimerWindow(test);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window.get());
    QCOMPARE(accessible->role(), QAccessible::Window);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Tavrio To Launch"));
    QCOMPARE(QAccessible::queryAccessibleInterface(window.Label1)->role(), QAccessible::StaticText);
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::TimerWindowKeyboardAndSpeechTest)
#include "TimerWindowKeyboardAndSpeechTest.moc"
