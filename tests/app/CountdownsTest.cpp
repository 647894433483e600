// Several countdowns on the real forms engine: each its own windows and group, made beside the one
// it came from, recorded before its group holds anything, removed with its group.
#include "FormsEngine.h"
#include "LoadedSettingsWindow.h"
#include "StartedTimerWindow.h"
#include "TestProgram.h"
#include "WidgetTestMain.h"
#include "frmMain.h"
#include "frmSettings.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <optional>
#include <string>

namespace tavrio {

namespace {

using test::at;

void presetThreeCountdowns(test::RecordingSettingsStore& store) {
    store.preset(Key::What, "Holiday");
    store.preset(Key::Countdowns, "Countdown2 Countdown1 Countdown3 Countdown2 Exam");
    store.preset("Countdown2", Key::What, "Exam");
    store.preset("Countdown2", Key::tvDate, "2007-02-10");
    store.preset("Countdown3", Key::What, "Release");
    store.preset("Countdown1", Key::What, "not a countdown's group");
}

// The program's windows on a store as an earlier run left it, shown as at start.
struct RunningCountdowns {
    test::TestProgram test;
    std::optional<FormsEngine> forms;

    explicit RunningCountdowns(void (*preset)(test::RecordingSettingsStore&) = nullptr) {
        if (preset != nullptr) {
            preset(test.store);
        }
        forms.emplace(test.program, [] {});
        test.program.forms = &*forms;
        forms->showAtStart(false);
        test.store.forget();
    }

    CountdownState& countdown(std::size_t index) { return *forms->countdowns().at(index); }
    frmMain& timer(std::size_t index) { return *forms->timerWindow(countdown(index)); }
};

} // namespace

class CountdownsTest : public QObject {
    Q_OBJECT

private slots:
    void everyListedCountdownStartsWithItsOwnValues() {
        RunningCountdowns program(presetThreeCountdowns);

        QStringList captions;
        for (std::size_t index = 0; index < program.forms->countdowns().size(); ++index) {
            captions << program.timer(index).windowTitle();
        }
        QCOMPARE(captions,
                 QStringList({"Tavrio To Holiday", "Tavrio To Exam", "Tavrio To Release"}));
        QCOMPARE(program.countdown(1).TargetDate, at(2007, 2, 10));
        QCOMPARE(program.countdown(2).TargetDate, 0.0);
        QVERIFY2(program.test.store.changes().isEmpty(),
                 qPrintable(program.test.store.changes().join(u' ')));
    }

    // The list first: a crash before the group holds anything brings the countdown back empty,
    // never loses it; a group that still holds values of another is not taken. The new one looks
    // like the one it came from.
    void aNewCountdownIsListedBeforeItsGroupHoldsAnything() {
        RunningCountdowns program([](test::RecordingSettingsStore& store) {
            store.preset(Key::FontSize, "24");
            // Left by a countdown removed, in a key beyond the fifteen the windows read.
            store.preset("Countdown2", Key::tvChosenSize, "14");
        });
        QVERIFY(QTest::qWaitForWindowExposed(&program.timer(0)));

        program.forms->newCountdown(program.countdown(0));

        QCOMPARE(program.countdown(1).group, std::string("Countdown3"));
        const QStringList changes = program.test.store.changes();
        const QStringList group = changes.mid(1);
        QVERIFY2(changes.size() == 4 && changes[0] == "Settings/Countdowns=Countdown3" &&
                     group.contains("Countdown3/FontSize=24") &&
                     !group.filter("Countdown3/Left=").isEmpty() &&
                     !group.filter("Countdown3/Top=").isEmpty(),
                 qPrintable(changes.join(u' ')));
        QVERIFY(!program.timer(1).outerGeometry().intersects(program.timer(0).outerGeometry()));
        frmSettings& settings = program.forms->settingsWindow(program.countdown(1));
        QVERIFY(QTest::qWaitForWindowActive(&settings));
        QCOMPARE(QApplication::focusWidget(), test::SettingsControls(settings).txtWhat);
        QVERIFY(settings.windowTitle().endsWith(QString::fromUtf8(" \u2014 ??")));
    }

    // The list first, then the group: a crash between the two leaves values no countdown shows.
    // The first countdown is the program's own and stays.
    void aRemovedCountdownLeavesTheListThenTakesItsGroup() {
        RunningCountdowns program(presetThreeCountdowns);
        const QPointer<frmMain> examWindow = &program.timer(1);

        program.forms->removeCountdown(program.countdown(0));
        program.forms->removeCountdown(program.countdown(1));
        test::processPendingEvents();

        QCOMPARE(program.test.store.changes(),
                 QStringList({"Settings/Countdowns=Countdown3", "-Countdown2"}));
        QCOMPARE(program.forms->countdowns().size(), std::size_t{2});
        QVERIFY(examWindow.isNull());
    }
};

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::CountdownsTest)

#include "CountdownsTest.moc"
