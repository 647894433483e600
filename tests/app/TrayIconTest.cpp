// The tray icon's menu, item by item, on the real forms engine: the way back to a timer window
// that cannot be reached, and the two extras it switches.
#include "TrayIcon.h"

#include "FormsEngine.h"
#include "LoadedSettingsWindow.h"
#include "SessionAutostart.h"
#include "TestProgram.h"
#include "TimeComesNotifier.h"
#include "WidgetTestMain.h"
#include "frmMain.h"
#include "frmSettings.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTest>

#include <memory>

namespace tavrio {

namespace {

const QString kAppId = QStringLiteral("org.tavrio.Tavrio");
const QString kProgram = QStringLiteral("/opt/Tavrio Apps/bin/tavrio");

// The program as main puts it together, on a recording store.
struct RunningProgram {
    test::TestProgram test;
    int ended = 0;
    FormsEngine forms{test.program, [this] {
                          ++ended;
                      }};
    TimeComesNotifier notifier{test.program, [](const QString&, const QString&) {
                               }};
    SessionAutostart autostart{kAppId, kProgram};
    TrayIcon tray{forms, notifier, autostart};

    RunningProgram() { test.program.forms = &forms; }
};

QStringList itemTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

} // namespace

class TrayIconTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(!SessionAutostart(kAppId, kProgram).setEnabled(false)); }

    void theMenuListsItsItemsInOrder() {
        RunningProgram program;
        QCOMPARE(itemTexts(*program.tray.menu()),
                 QStringList({"Settings", "Show Timer Window", "New Countdown", "-",
                              "Notify When Time Comes", "Start With Session", "-", "Exit"}));
    }

    void settingsOpensTheSettingsWindow() {
        RunningProgram program;
        program.forms.showTimerWindow(program.forms.firstCountdown());
        QVERIFY(!program.forms.settingsWindowLoaded(program.forms.firstCountdown()));
        program.tray.settingsAction->trigger();
        QVERIFY(program.forms.settingsWindowLoaded(program.forms.firstCountdown()));
        QVERIFY(program.forms.settingsWindow(program.forms.firstCountdown()).isVisible());
    }

    // A window made invisible and click-through by the user comes back opaque, on screen and in
    // front, while the stored opacity stays what the user chose.
    void showTimerWindowBringsBackAnInvisibleWindowWithoutStoring() {
        RunningProgram program;
        program.test.store.preset(Key::tvTrans, "0");
        program.test.store.preset(Key::Left, "-150000");
        program.forms.showTimerWindow(program.forms.firstCountdown());
        frmMain* window = program.forms.timerWindow(program.forms.firstCountdown());
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowOpacity(), 0.0);
        window->move(-5000, -5000);
        program.test.store.forget();

        program.tray.showTimerAction->trigger();

        QCOMPARE(int{program.forms.firstCountdown().Opacity}, 255);
        QCOMPARE(window->windowOpacity(), 1.0);
        QVERIFY(window->isVisible());
        QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
        QCOMPARE(program.test.store.writesText(), QString());
        QCOMPARE(program.test.store.stored(Key::tvTrans), std::optional<std::string>{"0"});
    }

    // Minimised (where the window manager's frame offers a button for it), the window has no
    // taskbar entry to come back from: Show Timer Window restores it (so does a click on the
    // icon, checked end to end with a real tray).
    void showTimerWindowBringsBackAMinimisedWindow() {
        RunningProgram program;
        program.forms.showTimerWindow(program.forms.firstCountdown());
        frmMain* window = program.forms.timerWindow(program.forms.firstCountdown());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());

        program.tray.showTimerAction->trigger();

        QTRY_VERIFY(!window->isMinimized());
        QVERIFY(window->isVisible());
    }

    void notifyWhenTimeComesIsStoredAndReadBack() {
        RunningProgram program;
        QVERIFY(program.tray.notifyAction->isChecked());
        program.tray.notifyAction->trigger();
        QCOMPARE(program.test.store.stored(Key::tvNotify), std::optional<std::string>{"False"});
        program.test.store.preset(Key::tvNotify, "True");
        emit program.tray.menu()->aboutToShow();
        QVERIFY(program.tray.notifyAction->isChecked());
    }

#ifdef Q_OS_WIN
    // The user's Run key holds the program's quoted path while the item is checked.
    void startWithSessionWritesAndRemovesTheAutostartEntry() {
        RunningProgram program;
        const auto entry = [] {
            return QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\"
                                            "CurrentVersion\\Run"),
                             QSettings::NativeFormat)
                .value(QStringLiteral("Tavrio"));
        };
        QVERIFY(!program.tray.autostartAction->isChecked());

        program.tray.autostartAction->trigger();
        QVERIFY(program.tray.autostartAction->isChecked());
        QCOMPARE(entry().toString(), QStringLiteral("\"\\opt\\Tavrio Apps\\bin\\tavrio\""));

        program.tray.autostartAction->trigger();
        QVERIFY(!program.tray.autostartAction->isChecked());
        QVERIFY(!entry().isValid());
    }
#else
    void startWithSessionWritesAndRemovesTheAutostartEntry() {
        RunningProgram program;
        const QString entry = program.autostart.entryPath();
        QVERIFY(entry.endsWith(QStringLiteral("/autostart/org.tavrio.Tavrio.desktop")));
        QVERIFY(!program.tray.autostartAction->isChecked());

        program.tray.autostartAction->trigger();
        QVERIFY(program.tray.autostartAction->isChecked());
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        file.close();
        QVERIFY2(text.contains(QStringLiteral("Exec=\"/opt/Tavrio Apps/bin/tavrio\"\n")),
                 qPrintable(text));
        QVERIFY(text.startsWith(QStringLiteral("[Desktop Entry]\n")));

        program.tray.autostartAction->trigger();
        QVERIFY(!program.tray.autostartAction->isChecked());
        QVERIFY(!QFile::exists(entry));
    }

    // The desktop's own way to turn an autostart entry off is Hidden=true in it.
    void anEntryHiddenByTheDesktopCountsAsOff() {
        RunningProgram program;
        QVERIFY(!program.autostart.setEnabled(true));
        QFile file(program.autostart.entryPath());
        QVERIFY(file.open(QIODevice::Append));
        file.write("Hidden=true\n");
        file.close();
        emit program.tray.menu()->aboutToShow();
        QVERIFY(!program.tray.autostartAction->isChecked());
    }
#endif

    void exitEndsTheProgramKeepingWhatTheSettingsWindowHolds() {
        RunningProgram program;
        program.forms.showTimerWindow(program.forms.firstCountdown());
        program.forms.showSettingsWindow(program.forms.firstCountdown());
        test::SettingsControls(program.forms.settingsWindow(program.forms.firstCountdown()))
            .txtDate->setText(QStringLiteral("1/2/2030"));
        program.test.store.forget();

        program.tray.exitAction->trigger();

        QCOMPARE(program.ended, 1);
        // As the pop-up menu's Exit: what the user changed; the window was not moved, so no place.
        QCOMPARE(program.test.store.writesText(), QStringLiteral("tvDate=2030-01-02"));
    }

    // Recovering the window is no change of the user's to the opacity, and with the settings
    // window loaded (the slider follows) nothing of it is stored on the way out either.
    void showTimerWindowThenExitStoresNothing() {
        RunningProgram program;
        program.test.store.preset(Key::tvTrans, "0");
        program.forms.showTimerWindow(program.forms.firstCountdown());
        (void)program.forms.settingsWindow(program.forms.firstCountdown());
        program.test.store.forget();

        program.tray.showTimerAction->trigger();
        program.tray.exitAction->trigger();

        QCOMPARE(program.ended, 1);
        QCOMPARE(program.test.store.writesText(), QString());
        QCOMPARE(program.test.store.stored(Key::tvTrans), std::optional<std::string>{"0"});
    }

    // As closing does, and as every way out does.
    void exitKeepsThePlaceTheWindowWasMovedTo() {
        RunningProgram program;
        program.forms.showTimerWindow(program.forms.firstCountdown());
        frmMain* window = program.forms.timerWindow(program.forms.firstCountdown());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_VERIFY(window->placementSettled());
        window->move(100, 80);
        program.test.store.forget();

        program.tray.exitAction->trigger();

        QCOMPARE(program.ended, 1);
        QCOMPARE(program.test.store.writesText(), QStringLiteral("Left=1500, Top=1200"));
    }

    void theToolTipShowsEachCountdownsTitleAndTimeLeft() {
        RunningProgram program;
        program.tray.setDisplay({{"Tavrio To Launch", "3:01:23:45"}});
        QCOMPARE(program.tray.toolTip(), QStringLiteral("Tavrio To Launch\n3:01:23:45"));
        program.tray.setDisplay(
            {{"Tavrio To Launch", "3:01:23:45"}, {"Tavrio To Exam", "Congrats!!!"}});
        QCOMPARE(program.tray.toolTip(),
                 QStringLiteral("Tavrio To Launch\t3:01:23:45\nTavrio To Exam\tCongrats!!!"));
    }
};

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::TrayIconTest)

#include "TrayIconTest.moc"
