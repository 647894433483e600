// The settings window for keyboard and screen-reader users: Escape closes it as its close button
// does, the activation and the focus come back to where the user was after a border-style change
// and the font dialog, and assistive technology finds the window, the calendar and the donation
// picture named and usable.
#include "DonationAddress.h"
#include "DonationPicture.h"
#include "FormsEngine.h"
#include "LoadedSettingsWindow.h"
#include "TestProgram.h"
#include "WidgetTestMain.h"
#include "frmMain.h"
#include "frmSettings.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace tavrio {

namespace {

using test::at;

QAccessibleInterface* accessibleChild(const QWidget& parent, const char* objectName) {
    auto* widget = parent.findChild<QWidget*>(QLatin1String(objectName));
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

// A window of the program other than the settings window takes the activation, as a re-created
// timer window or a closing dialog can make the window manager do.
void activateOther(QWidget& other) {
    other.show();
    other.activateWindow();
    if (!QTest::qWaitForWindowActive(&other)) {
        qWarning("the other window was not activated");
    }
}

} // namespace

class KeyboardAndAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void escapeClosesTheWindowAsItsCloseButtonDoes();
    void escapeInAnOpenListClosesOnlyTheList();
    void aBorderStyleChangeGivesTheActivationBackToTheList();
    void theFontDialogGivesTheActivationBackToItsButton_data();
    void theFontDialogGivesTheActivationBackToItsButton();
    void aDialogNamedByItsCaption();
    void theCalendarsPartsAreNamed();
    void theDaysReadAsFullDates();
    void theFocusedDayIsTheSelectedOne();
    void theDonationPictureIsALinkThatCanBePressed();
};

void KeyboardAndAccessibilityTest::escapeClosesTheWindowAsItsCloseButtonDoes() {
    test::TestProgram test;
    test.countdown.Opacity = 255;
    test::LoadedSettingsWindow window(test);
    window.show();
    QTest::keyClick(window.sldTrans, Qt::Key_PageDown);
    test.store.forget();

    QTest::keyClick(window.sldTrans, Qt::Key_Escape);

    QVERIFY(QTest::qWaitFor([&] { return window.get() == nullptr; }));
    const QList<test::KeyText> stored{{QStringLiteral("tvTrans"), QStringLiteral("205")}};
    QCOMPARE(test.store.writes(), stored);
}

void KeyboardAndAccessibilityTest::escapeInAnOpenListClosesOnlyTheList() {
    test::TestProgram test;
    test::LoadedSettingsWindow window(test);
    window.show();
    window.Combo1->showPopup();
    QAbstractItemView* list = window.Combo1->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));

    QTest::keyClick(list, Qt::Key_Escape);

    QVERIFY(QTest::qWaitFor([list] { return !list->isVisible(); }));
    test::processPendingEvents();
    QVERIFY(window.get() != nullptr);
    QVERIFY(window->isVisible());
}

// Through the forms engine, which really replaces the timer window.
void KeyboardAndAccessibilityTest::aBorderStyleChangeGivesTheActivationBackToTheList() {
    test::TestProgram test;
    test.store.preset(Key::FontSize, "24");
    FormsEngine forms(test.program, [] {});
    test.program.forms = &forms;
    forms.showTimerWindow(forms.firstCountdown());
    QVERIFY(QTest::qWaitForWindowExposed(forms.timerWindow(forms.firstCountdown())));
    forms.showSettingsWindow(forms.firstCountdown());
    frmSettings& settings = forms.settingsWindow(forms.firstCountdown());
    QVERIFY(QTest::qWaitForWindowActive(&settings));
    QComboBox* const list = test::SettingsControls(settings).Combo1;
    list->setFocus();
    const QPointer<frmMain> old = forms.timerWindow(forms.firstCountdown());

    QTest::keyClick(list, Qt::Key_Up);

    QCOMPARE(test.store.stored(Key::BS), std::optional<std::string>("4"));
    QVERIFY(old.isNull());
    QVERIFY(QTest::qWaitForWindowExposed(forms.timerWindow(forms.firstCountdown())));
    // Whatever the new window's showing did to the activation.
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == &settings; }));
    QCOMPARE(QApplication::focusWidget(), list);
}

void KeyboardAndAccessibilityTest::theFontDialogGivesTheActivationBackToItsButton_data() {
    QTest::addColumn<bool>("chosen");
    QTest::newRow("OK") << true;
    QTest::newRow("Escape") << false;
}

void KeyboardAndAccessibilityTest::theFontDialogGivesTheActivationBackToItsButton() {
    QFETCH(bool, chosen);
    test::TestProgram test;
    test::LoadedSettingsWindow window(test);
    window.show();
    window.cmdFont->setFocus();
    QWidget other;
    test.onFontDialog = [&] {
        activateOther(other);
    };
    if (chosen) {
        test.fontDialogAnswer = FontSpec{"Liberation Sans", 20, 0, false, false};
    }

    QTest::keyClick(window.cmdFont, Qt::Key_Space);

    QCOMPARE(test.fontDialogOffers.size(), std::size_t{1});
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    QCOMPARE(QApplication::focusWidget(), window.cmdFont);
}

void KeyboardAndAccessibilityTest::aDialogNamedByItsCaption() {
    test::TestProgram test;
    test::LoadedSettingsWindow window(test);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window.get());
    QCOMPARE(accessible->role(), QAccessible::Dialog);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Tavrio Settings v1.2.0"));
}

void KeyboardAndAccessibilityTest::theCalendarsPartsAreNamed() {
    test::TestProgram test;
    test::LoadedSettingsWindow window(test);
    const QWidget& calendar = *window.Calendar1;
    const std::pair<const char*, const char*> parts[] = {
        {"qt_calendar_calendarview", "Target date"},
        {"qt_calendar_prevmonth", "Previous month"},
        {"qt_calendar_nextmonth", "Next month"},
        {"qt_calendar_yearedit", "Year"},
    };
    for (const auto& [objectName, name] : parts) {
        QAccessibleInterface* part = accessibleChild(calendar, objectName);
        QVERIFY2(part != nullptr, objectName);
        QCOMPARE(part->text(QAccessible::Name), QString::fromLatin1(name));
    }
    QCOMPARE(accessibleChild(calendar, "qt_calendar_calendarview")->role(), QAccessible::Table);
}

// A table of six weeks headed by the day names; every day reads as its date, those of the months
// before and after too: the days follow one another, and the month shown starts in the first week.
void KeyboardAndAccessibilityTest::theDaysReadAsFullDates() {
    test::TestProgram test;
    test.countdown.TargetDate = at(2007, 2, 10);
    test::LoadedSettingsWindow window(test);
    QAccessibleInterface* grid = accessibleChild(*window.Calendar1, "qt_calendar_calendarview");
    QVERIFY(grid != nullptr);

    const QLocale locale;
    QAccessibleTableInterface* table = grid->tableInterface();
    QVERIFY(table != nullptr);
    QCOMPARE(std::pair(table->rowCount(), table->columnCount()), std::pair(6, 7));
    QCOMPARE(table->columnDescription(0), locale.dayName(locale.firstDayOfWeek()));
    QList<QDate> days;
    for (int index = 0; index < grid->childCount(); ++index) {
        QAccessibleInterface* cell = grid->child(index);
        QVERIFY(cell != nullptr);
        // The day names, and the places the view keeps for its hidden headers.
        if (cell->role() == QAccessible::ColumnHeader || cell->state().invisible) {
            continue;
        }
        QCOMPARE(cell->role(), QAccessible::Cell);
        const QString name = cell->text(QAccessible::Name);
        const QDate day = locale.toDate(name, QLocale::LongFormat);
        QVERIFY2(day.isValid(), qPrintable(name));
        days << day;
        QCOMPARE(grid->indexOfChild(cell), index);
    }
    QCOMPARE(days.size(), 42);
    for (int i = 1; i < days.size(); ++i) {
        QCOMPARE(days[i], days[i - 1].addDays(1));
    }
    QVERIFY(days.first() < QDate(2007, 2, 1));
    QVERIFY(days.indexOf(QDate(2007, 2, 1)) < 7);
    QVERIFY(days.last() > QDate(2007, 2, 28));
}

void KeyboardAndAccessibilityTest::theFocusedDayIsTheSelectedOne() {
    test::TestProgram test;
    test.countdown.TargetDate = at(2007, 2, 10);
    test::LoadedSettingsWindow window(test);
    window.show();
    window.Calendar1->setFocus();
    QAccessibleInterface* grid = accessibleChild(*window.Calendar1, "qt_calendar_calendarview");
    QVERIFY(QTest::qWaitFor([grid] { return grid->focusChild() != nullptr; }));

    QAccessibleInterface* focused = grid->focusChild();
    QCOMPARE(focused->text(QAccessible::Name),
             QLocale().toString(QDate(2007, 2, 10), QLocale::LongFormat));
    QVERIFY(focused->state().focused);
    QVERIFY(focused->state().selected);
}

void KeyboardAndAccessibilityTest::theDonationPictureIsALinkThatCanBePressed() {
    test::TestProgram test;
    test::LoadedSettingsWindow window(test);
    QAccessibleInterface* picture =
        QAccessible::queryAccessibleInterface(static_cast<QWidget*>(window.Picture1));
    QCOMPARE(picture->role(), QAccessible::Link);
    QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Donate"));
    QAccessibleActionInterface* actions = picture->actionInterface();
    QVERIFY(actions != nullptr);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));

    actions->doAction(QAccessibleActionInterface::pressAction());

    QCOMPARE(test.openedAddresses, std::vector<std::string>{donationAddress()});
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::KeyboardAndAccessibilityTest)
#include "KeyboardAndAccessibilityTest.moc"
