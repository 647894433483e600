// The program in the user's language, set up as main sets it up, from the environment ctest runs
// this test in (see CMakeLists.txt): LANGUAGE, else LC_ALL, LC_MESSAGES or LANG, chooses the
// language, English when Tavrio has none of the user's; the regional forms of dates, times and
// numbers follow LC_ALL, LC_TIME or LANG, whatever the language. TAVRIO_EXPECTED_LANGUAGE names
// the column of the table that the texts must match, TAVRIO_EXPECTED_REGION the locale whose
// conventions the regional settings must be.
#include "CommandLine.h"
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

#include <memory>

namespace tavrio {

namespace {

struct Text {
    const char* what;
    const char* en;
    const char* de;
    const char* ja;
};

// What the user reads, in English exactly as the program has always said it.
const Text kTexts[] = {
    {"settings window caption", "Tavrio Settings v1.2.0", "Tavrio-Einstellungen v1.2.0",
     "Tavrio の設定 v1.2.0"},
    {"title label", "Tavrio To What:", "Ereignis:", "イベント:"},
    {"date label", "Tavrio To Date:", "Datum:", "日付:"},
    {"time label", "Tavrio To Time:", "Uhrzeit:", "時刻:"},
    {"opacity label", "Opacity:", "Deckkraft:", "不透明度:"},
    {"border style label", "Border Style:", "Rahmenstil:", "枠のスタイル:"},
    {"credit label", "Developed By:", "Entwickelt von:", "開発:"},
    {"credit line", "The Tavrio developers", "Die Tavrio-Entwickler", "Tavrio 開発者"},
    {"hide background box", "Hide Background", "Hintergrund ausblenden", "背景を隠す"},
    {"font button", "Change Font Name, Size && Color", "Schriftart, Größe und Farbe ändern",
     "フォント名、サイズ、色の変更"},
    {"border style 0", "0 None", "0 Ohne", "0 なし"},
    {"border style 1", "1 Fixed Single", "1 Fest, einfach", "1 固定 (実線)"},
    {"border style 2", "2 Sizable", "2 Veränderbar", "2 可変"},
    {"border style 3", "3 Fixed Dialog", "3 Fester Dialog", "3 固定ダイアログ"},
    {"border style 4", "4 Fixed Toolwindow", "4 Festes Werkzeugfenster", "4 固定ツール ウィンドウ"},
    {"border style 5", "5 Sizable Toolwindow", "5 Veränderbares Werkzeugfenster",
     "5 可変ツール ウィンドウ"},
    {"unreadable date", "Not a date: the target stays as it was",
     "Kein Datum: Das Ziel bleibt unverändert", "日付ではありません: 目標は変わりません"},
    {"pop-up menu: settings", "&Settings", "&Einstellungen", "設定(&S)"},
    {"pop-up menu: exit", "E&xit", "&Beenden", "終了(&X)"},
    {"tray menu: settings", "Settings", "Einstellungen", "設定"},
    {"tray menu: show", "Show Timer Window", "Timer-Fenster anzeigen", "タイマー ウィンドウを表示"},
    {"tray menu: notify", "Notify When Time Comes", "Benachrichtigen, wenn es so weit ist",
     "時間になったら通知"},
    {"tray menu: autostart", "Start With Session", "Mit der Sitzung starten", "ログイン時に起動"},
    {"tray menu: exit", "Exit", "Beenden", "終了"},
    {"timer window caption", "Tavrio To ??", "Tavrio bis ??", "Tavrio: ??まで"},
    {"timer window caption with a title", "Tavrio To Party", "Tavrio bis Party",
     "Tavrio: Partyまで"},
    {"timer window, no target", "Double Click Me", "Hier doppelklicken", "ここをダブルクリック"},
    {"timer window, target passed", "Congrats!!!", "Glückwunsch!!!", "おめでとう！！！"},
    {"timer window, running", "3:01:23:45", "3:01:23:45", "3:01:23:45"},
    {"font dialog caption", "Font", "Schriftart", "フォント"},
    // Qt's own translation, loaded beside the program's.
    {"font dialog's cancel button", "Cancel", "Abbrechen", "キャンセル"},
    {"help's description", "Counts down to a date and time on a translucent, always-on-top window.",
     "Zählt in einem durchscheinenden Fenster, das immer im Vordergrund bleibt, bis zu einem "
     "Datum und einer Uhrzeit herunter.",
     "半透明で常に最前面に表示されるウィンドウに、指定した日時までのカウントダウンを表示します"
     "。"},
};

QString expected(const Text& text, const QString& language) {
    if (language == u"de") {
        return QString::fromUtf8(text.de);
    }
    if (language == u"ja") {
        return QString::fromUtf8(text.ja);
    }
    return QString::fromUtf8(text.en);
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
        program.test.forms.settings = {};
        shown_[QStringLiteral("settings window caption")] = window->windowTitle();
        shown_[QStringLiteral("title label")] = window->Label4->text();
        shown_[QStringLiteral("date label")] = window->Label2->text();
        shown_[QStringLiteral("time label")] = window->Label3->text();
        shown_[QStringLiteral("opacity label")] = window->Label1->text();
        shown_[QStringLiteral("border style label")] = window->Label9->text();
        shown_[QStringLiteral("credit label")] = window->Label5->text();
        shown_[QStringLiteral("credit line")] = window->Label6->text();
        shown_[QStringLiteral("hide background box")] = window->chkHide->text();
        shown_[QStringLiteral("font button")] = window->cmdFont->text();
        for (int style = 0; style < window->Combo1->count(); ++style) {
            shown_[QStringLiteral("border style %1").arg(style)] = window->Combo1->itemText(style);
        }
        window->txtDate->setText(QStringLiteral("2/29/2027"));
        shown_[QStringLiteral("unreadable date")] = window->txtDate->accessibleDescription();
        shown_[QStringLiteral("pop-up menu: settings")] = window->mnuSettings->text();
        shown_[QStringLiteral("pop-up menu: exit")] = window->mnuExit->text();
    }
    shown_[QStringLiteral("tray menu: settings")] = program.tray.settingsAction->text();
    shown_[QStringLiteral("tray menu: show")] = program.tray.showTimerAction->text();
    shown_[QStringLiteral("tray menu: notify")] = program.tray.notifyAction->text();
    shown_[QStringLiteral("tray menu: autostart")] = program.tray.autostartAction->text();
    shown_[QStringLiteral("tray menu: exit")] = program.tray.exitAction->text();

    test::TestProgram timer;
    {
        const std::unique_ptr<frmMain> window = test::startTimerWindow(timer);
        shown_[QStringLiteral("timer window caption")] = window->windowTitle();
        shown_[QStringLiteral("timer window, no target")] = window->Label1->text();
        timer.program.shared.TargetDate = test::at(2007, 2, 10);
        timer.program.shared.TargetTime = test::at(1899, 12, 30, 19, 23, 45);
        window->Timer1_Timer();
        shown_[QStringLiteral("timer window, running")] = window->Label1->text();
        timer.clock = test::at(2007, 2, 10, 19, 23, 46);
        window->Timer1_Timer();
        shown_[QStringLiteral("timer window, target passed")] = window->Label1->text();
    }
    timer.store.preset(Key::What, "Party");
    timer.program.shared.SettingsLoaded = false;
    {
        const std::unique_ptr<frmMain> window = test::startTimerWindow(timer);
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
    QTest::addColumn<QString>("text");
    for (const Text& text : kTexts) {
        QTest::newRow(text.what) << QString::fromLatin1(text.what) << expected(text, language_);
    }
}

void LanguageTest::everyTextIsInTheLanguage() {
    QFETCH(QString, what);
    QFETCH(QString, text);
    QVERIFY2(shown_.contains(what), "the test reads no such text");
    QCOMPARE(shown_.value(what), text);
}

// A user may read German with the dates of the C locale, or English with German dates.
void LanguageTest::datesAndNumbersFollowTheRegionAlone() {
    const QString region = qEnvironmentVariable("TAVRIO_EXPECTED_REGION");
    QVERIFY2(!region.isEmpty(), "run by ctest, which names the region expected");
    QVERIFY(regionalSettingsFrom(QLocale::system()) == regionalSettingsFrom(QLocale(region)));
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::LanguageTest)
#include "LanguageTest.moc"
