// The program in the user's language, set up as main sets it up, from the environment ctest runs
// this test in (see CMakeLists.txt): LANGUAGE, else LC_ALL, LC_MESSAGES or LANG, chooses the
// language, English when Tavrio has none of the user's; the regional forms of dates, times and
// numbers follow LC_ALL, LC_TIME or LANG, whatever the language. TAVRIO_EXPECTED_LANGUAGE names
// the language the texts must be in, TAVRIO_EXPECTED_REGION the locale whose conventions the
// regional settings must be. A translation is held to what a better one keeps too, never to its
// wording.
#include "CommandLine.h"
#include "Control.h"
#include "FontDialog.h"
#include "FormsEngine.h"
#include "LoadedSettingsWindow.h"
#include "ProgramLanguage.h"
#include "ProgramTexts.h"
#include "RegionalSettingsFromLocale.h"
#include "SessionAutostart.h"
#include "StartedTimerWindow.h"
#include "TestProgram.h"
#include "TimeComesNotifier.h"
#include "TrayIcon.h"
#include "WidgetTestMain.h"
#include "frmMain.h"
#include "frmSettings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <memory>

namespace tavrio {

namespace {

struct Text {
    const char* what;
    // The program's own words, which English shows exactly.
    const char* english;
    // What every language keeps of them, the part the program puts in itself: all of them for
    // a text that is the same in every language.
    const char* kept = "";
};

const Text kTexts[] = {
    {"settings window caption", "Tavrio Settings v1.2.0", " v1.2.0"},
    {"title label", "Tavrio To What:"},
    {"date label", "Tavrio To Date:"},
    {"time label", "Tavrio To Time:"},
    {"opacity label", "Opacity:"},
    {"border style label", "Border Style:"},
    {"credit label", "Developed By:"},
    {"credit line", "The Tavrio developers"},
    {"hide background box", "Hide Background"},
    {"font button", "Change Font Name, Size && Color"},
    {"border style 0", "0 None", "0 "},
    {"border style 1", "1 Fixed Single", "1 "},
    {"border style 2", "2 Sizable", "2 "},
    {"border style 3", "3 Fixed Dialog", "3 "},
    {"border style 4", "4 Fixed Toolwindow", "4 "},
    {"border style 5", "5 Sizable Toolwindow", "5 "},
    {"unreadable date", "Not a date: the target stays as it was"},
    {"pop-up menu: settings", "&Settings", "&"},
    {"pop-up menu: exit", "E&xit", "&"},
    {"tray menu: settings", "Settings"},
    {"tray menu: show", "Show Timer Window"},
    {"tray menu: notify", "Notify When Time Comes"},
    {"tray menu: autostart", "Start With Session"},
    {"tray menu: exit", "Exit"},
    {"timer window caption", "Tavrio To ??", "??"},
    {"timer window caption with a title", "Tavrio To Party", "Party"},
    {"timer window, no target", "Double Click Me"},
    {"timer window, target passed", "Congrats!!!"},
    {"timer window, running", "3:01:23:45", "3:01:23:45"},
    {"font dialog caption", "Font"},
    // Qt's own translation, loaded beside the program's.
    {"font dialog's cancel button", "Cancel"},
    {"help's description",
     "Counts down to a date and time on a translucent, always-on-top window."},
};

// Kana or kanji: a text from the Japanese catalogue, not a Latin-script one.
bool looksJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() >= 0x3040 && c.unicode() <= 0x30FF) ||
               (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF);
    });
}

// The program as main puts it together, on a recording store.
struct RunningProgram {
    test::TestProgram test;
    FormsEngine forms{test.program, [] {
                      }};
    TimeComesNotifier notifier{test.program, [](const QString&, const QString&) {
                               }};
    SessionAutostart autostart{QStringLiteral("org.tavrio.Tavrio"), QStringLiteral("tavrio")};
    TrayIcon tray{forms, notifier, autostart};

    RunningProgram() { test.program.forms = &forms; }
};

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void theLanguageIsTheUsersFirstThatTavrioHas();
    void everyTextIsInTheLanguage_data();
    void everyTextIsInTheLanguage();
    void datesAndNumbersFollowTheRegionAlone();

private:
    QString language_;
    std::unique_ptr<ProgramLanguage> programLanguage_;
    QMap<QString, QString> shown_;
};

void LanguageTest::initTestCase() {
    language_ = qEnvironmentVariable("TAVRIO_EXPECTED_LANGUAGE");
    QVERIFY2(!language_.isEmpty(), "run by ctest, which names the language expected");
    programLanguage_ = std::make_unique<ProgramLanguage>();

    RunningProgram program;
    {
        test::LoadedSettingsWindow window(program.test);
        shown_[QStringLiteral("settings window caption")] = window->windowTitle();
        for (const auto& [shown, label] : {std::pair{"title label", "Label4"},
                                           {"date label", "Label2"},
                                           {"time label", "Label3"},
                                           {"opacity label", "Label1"},
                                           {"border style label", "Label9"},
                                           {"credit label", "Label5"},
                                           {"credit line", "Label6"}}) {
            shown_[QString::fromLatin1(shown)] = test::control<QLabel>(*window, label)->text();
        }
        shown_[QStringLiteral("hide background box")] = window.chkHide->text();
        shown_[QStringLiteral("font button")] = window.cmdFont->text();
        for (int style = 0; style < window.Combo1->count(); ++style) {
            shown_[QStringLiteral("border style %1").arg(style)] = window.Combo1->itemText(style);
        }
        window.txtDate->setText(QStringLiteral("2/29/2027"));
        shown_[QStringLiteral("unreadable date")] = window.txtDate->accessibleDescription();
        shown_[QStringLiteral("pop-up menu: settings")] = window.mnuSettings->text();
        shown_[QStringLiteral("pop-up menu: exit")] = window.mnuExit->text();
    }
    shown_[QStringLiteral("tray menu: settings")] = program.tray.settingsAction->text();
    shown_[QStringLiteral("tray menu: show")] = program.tray.showTimerAction->text();
    shown_[QStringLiteral("tray menu: notify")] = program.tray.notifyAction->text();
    shown_[QStringLiteral("tray menu: autostart")] = program.tray.autostartAction->text();
    shown_[QStringLiteral("tray menu: exit")] = program.tray.exitAction->text();

    test::TestProgram timer;
    {
        const auto window = test::startTimerWindow(timer);
        shown_[QStringLiteral("timer window caption")] = window->windowTitle();
        shown_[QStringLiteral("timer window, no target")] = window.Label1->text();
        timer.countdown.TargetDate = test::at(2007, 2, 10);
        timer.countdown.TargetTime = test::at(1899, 12, 30, 19, 23, 45);
        window->refreshNow();
        shown_[QStringLiteral("timer window, running")] = window.Label1->text();
        timer.clock = test::at(2007, 2, 10, 19, 23, 46);
        window->refreshNow();
        shown_[QStringLiteral("timer window, target passed")] = window.Label1->text();
    }
    timer.store.preset(Key::What, "Party");
    timer.countdown.SettingsLoaded = false;
    {
        const auto window = test::startTimerWindow(timer);
        shown_[QStringLiteral("timer window caption with a title")] = window->windowTitle();
    }

    FontDialog dialog(FontSpec{}, nullptr);
    shown_[QStringLiteral("font dialog caption")] = dialog.windowTitle();
    shown_[QStringLiteral("font dialog's cancel button")] =
        dialog.buttons->button(QDialogButtonBox::Cancel)->text();

    const CommandLine help = parseCommandLine({QStringLiteral("tavrio"), QStringLiteral("--help")});
    shown_[QStringLiteral("help's description")] = help.output.section(u'\n', 1, 1);
}

void LanguageTest::cleanupTestCase() {
    programLanguage_.reset();
}

void LanguageTest::theLanguageIsTheUsersFirstThatTavrioHas() {
    QCOMPARE(programLanguage_->name(), language_);
}

void LanguageTest::everyTextIsInTheLanguage_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("kept");
    for (const Text& text : kTexts) {
        QTest::newRow(text.what) << QString::fromLatin1(text.what)
                                 << QString::fromUtf8(text.english) << QString::fromUtf8(text.kept);
    }
}

// In English the program's own words; in another language a translation from that language's
// catalogue, whatever its wording, keeping what the program puts in itself.
void LanguageTest::everyTextIsInTheLanguage() {
    QFETCH(QString, what);
    QFETCH(QString, english);
    QFETCH(QString, kept);
    QVERIFY2(shown_.contains(what), "the test reads no such text");
    const QString shown = shown_.value(what);
    if (language_ == u"en" || kept == english) {
        QCOMPARE(shown, english);
        return;
    }
    QVERIFY2(shown != english, qPrintable(shown));
    QVERIFY2(shown.contains(kept), qPrintable(shown));
    QVERIFY2(looksJapanese(shown) == (language_ == u"ja"), qPrintable(shown));
}

// A user may read German with the dates of the C locale, or English with German dates.
void LanguageTest::datesAndNumbersFollowTheRegionAlone() {
#ifdef Q_OS_WIN
    QSKIP("Windows keeps the user's own regional formats, not a locale's published ones");
#endif
    const QString region = qEnvironmentVariable("TAVRIO_EXPECTED_REGION");
    QVERIFY2(!region.isEmpty(), "run by ctest, which names the region expected");
    QVERIFY(regionalSettingsFrom(QLocale::system()) == regionalSettingsFrom(QLocale(region)));
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::LanguageTest)
#include "LanguageTest.moc"
