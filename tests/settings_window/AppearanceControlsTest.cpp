// The border-style list, the "Hide Background" box and the opacity slider: what each does to the
// timer window and to the store, the guard that keeps the program's own changes from acting, and
// which of the user's and the program's changes raise the handlers at all.
#include "ApplyWindowAlpha.h"
#include "FormsEngine.h"
#include "LoadedSettingsWindow.h"
#include "StartedTimerWindow.h"
#include "TestProgram.h"
#include "WidgetTestMain.h"
#include "frmMain.h"
#include "frmSettings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <optional>

namespace tavrio {

namespace {

using test::at;

int shownOpacity(const frmMain& timer) {
    return qRound(timer.windowOpacity() * 255);
}

bool backgroundHidden(const frmMain& timer) {
    return timer.palette().color(QPalette::Window) == kBackgroundKeyColor;
}

QPoint sliderHandleCentre(const QSlider& slider) {
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.sliderPosition = slider.sliderPosition();
    option.sliderValue = slider.value();
    option.singleStep = slider.singleStep();
    option.pageStep = slider.pageStep();
    option.tickPosition = slider.tickPosition();
    option.tickInterval = slider.tickInterval();
    option.subControls = QStyle::SC_All;
    return slider.style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider)
        .center();
}

// Picks an entry of the list as the user does: opens it and clicks the entry.
bool pick(QComboBox& list, int index) {
    list.showPopup();
    QAbstractItemView* view = list.view();
    if (!QTest::qWaitForWindowExposed(view->window())) {
        return false;
    }
    const QPoint entry = view->visualRect(view->model()->index(index, 0)).center();
    QTest::mouseMove(view->viewport(), entry);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry);
    return QTest::qWaitFor([view] { return !view->isVisible(); });
}

void sendMouse(QWidget& target, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
    const QPoint global = target.mapToGlobal(local);
    QMouseEvent event(type, local, target.window()->mapFromGlobal(global), global,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, {});
    QApplication::sendEvent(&target, &event);
}

} // namespace

class AppearanceControlsTest : public QObject {
    Q_OBJECT

private slots:
    void aBorderStyleChoiceRecreatesTheTimerWindow_data();
    void aBorderStyleChoiceRecreatesTheTimerWindow();
    void aBorderStyleChoiceStoresOnlyWhatTheUserChanged();
    void onlyAPickOfTheUsersActsOnTheBorderStyle_data();
    void onlyAPickOfTheUsersActsOnTheBorderStyle();
    void theProgramsOwnChangesAreIgnoredWhileUpdating_data();
    void theProgramsOwnChangesAreIgnoredWhileUpdating();
    void theHideBackgroundBox_data();
    void theHideBackgroundBox();
    void theSliderByKeyboard_data();
    void theSliderByKeyboard();
    void draggingTheSliderChangesTheOpacityContinuously();
    void theSliderKeepsTheHidingTheBoxShows();
    void theSliderSetByTheProgramRaisesNoScroll();
};

void AppearanceControlsTest::aBorderStyleChoiceRecreatesTheTimerWindow_data() {
    QTest::addColumn<int>("style");
    for (int style = 0; style <= 4; ++style) {
        QTest::addRow("%d", style) << style;
    }
}

// Through the forms engine, which really destroys the timer window and builds a new one that
// reads the store as at start-up.
void AppearanceControlsTest::aBorderStyleChoiceRecreatesTheTimerWindow() {
    QFETCH(int, style);

    test::TestProgram test;
    test.store.preset(Key::tvDate, "2/10/2007");
    // At the design size (a first start would size the window to its text).
    test.store.preset(Key::FontSize, "100");
    int ends = 0;
    FormsEngine forms(test.program, [&ends] { ++ends; });
    test.program.forms = &forms;
    forms.showTimerWindow(forms.firstCountdown());
    const QPointer<frmMain> old = forms.timerWindow(forms.firstCountdown());
    QVERIFY(QTest::qWaitForWindowExposed(old.data()));
    old->move(150, 90);

    forms.showSettingsWindow(forms.firstCountdown());
    const test::SettingsControls settings(forms.settingsWindow(forms.firstCountdown()));
    QCOMPARE(settings.Combo1->currentIndex(), 5);
    // Changes the new window would lose if it read the store before they reached it.
    settings.txtDate->setText(QStringLiteral("12/25/2026"));
    settings.txtTime->setText(QStringLiteral("7:30 PM"));
    QTest::keyClick(settings.sldTrans, Qt::Key_PageDown);
    QCOMPARE(int{forms.firstCountdown().Opacity}, 205);
    test.store.forget();

    std::optional<std::string> styleWhenRead;
    bool oldGoneWhenRead = false;
    test.store.onRead = [&](std::string_view key) {
        if (key == keyName(Key::BS) && !styleWhenRead) {
            styleWhenRead = test.store.stored(Key::BS);
            oldGoneWhenRead = old.isNull();
        }
    };
    QVERIFY(pick(*settings.Combo1, style));
    test.store.onRead = nullptr;

    const QList<test::KeyText> expected{{"tvDate", "2026-12-25"}, {"tvTime", "19:30:00"},
                                        {"tvTrans", "205"},       {"Left", "2250"},
                                        {"Top", "1350"},          {"BS", QString::number(style)}};
    QCOMPARE(test.store.writes().mid(0, expected.size()), expected);
    QCOMPARE(styleWhenRead, std::optional<std::string>{std::to_string(style)});
    QVERIFY2(oldGoneWhenRead, "the old timer window must be gone before the new one reads");

    frmMain* const renewed = forms.timerWindow(forms.firstCountdown());
    QVERIFY(renewed != nullptr);
    QVERIFY(old.isNull());
    QCOMPARE(renewed->borderStyle(), style);
    QVERIFY(renewed->isVisible());
    QCOMPARE(renewed->pos(), QPoint(150, 90));
    QCOMPARE(shownOpacity(*renewed), 205);
    QCOMPARE(forms.firstCountdown().TargetDate, at(2026, 12, 25));
    QCOMPARE(forms.firstCountdown().TargetTime, at(1899, 12, 30, 19, 30));
    QVERIFY(forms.firstCountdown().SettingsLoaded);
    QVERIFY(!forms.firstCountdown().Updating);
    QCOMPARE(ends, 0);
    QCOMPARE(test::SettingsControls(forms.settingsWindow(forms.firstCountdown())).Combo1,
             settings.Combo1);
    QCOMPARE(settings.Combo1->currentIndex(), style);
}

// The re-created window reads the store, where only the user's changes went; what the windows
// held for the rest stays in force: the time the load cut to the minute, the opacity the tray
// made opaque.
void AppearanceControlsTest::aBorderStyleChoiceStoresOnlyWhatTheUserChanged() {
    test::TestProgram test;
    test.store.preset(Key::tvDate, "2/10/2007");
    test.store.preset(Key::tvTime, "7:23:45 PM");
    test.store.preset(Key::tvTrans, "0");
    FormsEngine forms(test.program, [] {});
    test.program.forms = &forms;
    forms.showTimerWindow(forms.firstCountdown());
    QVERIFY(QTest::qWaitForWindowExposed(forms.timerWindow(forms.firstCountdown())));
    forms.timerWindow(forms.firstCountdown())->move(150, 90);
    forms.bringBackTimerWindow(forms.firstCountdown());
    forms.showSettingsWindow(forms.firstCountdown());
    const test::SettingsControls settings(forms.settingsWindow(forms.firstCountdown()));
    settings.txtDate->setText(QStringLiteral("12/25/2007"));
    test.store.forget();

    QVERIFY(pick(*settings.Combo1, 2));

    const QList<test::KeyText> expected{
        {"tvDate", "2007-12-25"}, {"Left", "2250"}, {"Top", "1350"}, {"BS", "2"}};
    QCOMPARE(test.store.writes().mid(0, expected.size()), expected);
    QCOMPARE(test.store.stored(Key::tvTime), std::optional<std::string>{"7:23:45 PM"});
    QCOMPARE(test.store.stored(Key::tvTrans), std::optional<std::string>{"0"});
    frmMain* const renewed = forms.timerWindow(forms.firstCountdown());
    QVERIFY(renewed != nullptr);
    QCOMPARE(forms.firstCountdown().TargetDate, at(2007, 12, 25));
    QCOMPARE(forms.firstCountdown().TargetTime, at(1899, 12, 30, 19, 23));
    QCOMPARE(int{forms.firstCountdown().Opacity}, 255);
    QCOMPARE(shownOpacity(*renewed), 255);
    QCOMPARE(test::labelOf(*renewed)->text(), QStringLiteral("321:01:23:00"));
}

// Every pick stores the style and re-creates the window, also a pick of the style it has; the
// program's own selection does neither, and nor does the wheel turned over the closed list.
void AppearanceControlsTest::onlyAPickOfTheUsersActsOnTheBorderStyle_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("recreations");

    QTest::newRow("the style it has, picked again") << "pick" << 1;
    QTest::newRow("selected by the program") << "select" << 0;
    QTest::newRow("the wheel over the closed list") << "wheel" << 0;
}

void AppearanceControlsTest::onlyAPickOfTheUsersActsOnTheBorderStyle() {
    QFETCH(QString, how);
    QFETCH(int, recreations);
    test::TestProgram test;
    test.store.preset(Key::BS, "3");
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*window));
    test.store.forget();
    QComboBox& list = *window.Combo1;

    if (how == "pick") {
        QVERIFY(pick(list, 3));
    } else if (how == "select") {
        list.setCurrentIndex(2);
    } else {
        const QPoint centre = list.rect().center();
        for (const int notch : {-120, -120, 120}) {
            QWheelEvent wheel(centre, list.mapToGlobal(centre), {}, {0, notch}, Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(&list, &wheel);
        }
        QCOMPARE(list.currentIndex(), 3);
    }

    QCOMPARE(test.forms.borderStyleChanges, recreations > 0 ? QList<int>{3} : QList<int>{});
    // The forms engine stores the style as it makes the window anew.
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
}

void AppearanceControlsTest::theProgramsOwnChangesAreIgnoredWhileUpdating_data() {
    QTest::addColumn<bool>("list");
    QTest::newRow("border-style list") << true;
    QTest::newRow("hide background box") << false;
}

void AppearanceControlsTest::theProgramsOwnChangesAreIgnoredWhileUpdating() {
    QFETCH(bool, list);

    test::TestProgram test;
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    test.store.forget();
    const bool hidden = backgroundHidden(*timer);
    test.countdown.Updating = true;

    if (list) {
        window.Combo1->setCurrentIndex(1);
        emit window.Combo1->activated(1);
    } else {
        window.chkHide->setChecked(true);
    }

    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
    QVERIFY(test.forms.borderStyleChanges.isEmpty());
    QVERIFY(test.countdown.SettingsLoaded);
    QVERIFY(test.countdown.Updating);
    QVERIFY(!test.countdown.HideBackground);
    QCOMPARE(backgroundHidden(*timer), hidden);
}

void AppearanceControlsTest::theHideBackgroundBox_data() {
    QTest::addColumn<bool>("checkedBefore");
    QTest::addColumn<bool>("byUser");
    QTest::addColumn<QString>("storedText");

    QTest::newRow("the user checks it") << false << true << "1";
    QTest::newRow("the user clears it") << true << true << "0";
    QTest::newRow("the program checks it") << false << false << "1";
    QTest::newRow("the program clears it") << true << false << "0";
}

void AppearanceControlsTest::theHideBackgroundBox() {
    QFETCH(bool, checkedBefore);
    QFETCH(bool, byUser);
    QFETCH(QString, storedText);

    test::TestProgram test;
    test.store.preset(Key::tvHide, checkedBefore ? "True" : "False");
    test.store.preset(Key::tvTrans, "100");
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    QCOMPARE(window.chkHide->isChecked(), checkedBefore);
    test.store.forget();

    if (byUser) {
        QTest::keyClick(window.chkHide, Qt::Key_Space);
    } else {
        window.chkHide->setChecked(!checkedBefore);
    }

    QCOMPARE(test.store.writes(), (QList<test::KeyText>{{"tvHide", storedText}}));
    QCOMPARE(test.countdown.HideBackground, !checkedBefore);
    QCOMPARE(backgroundHidden(*timer), !checkedBefore);
    QCOMPARE(shownOpacity(*timer), 100);
    QCOMPARE(int{test.countdown.Opacity}, 100);
}

void AppearanceControlsTest::theSliderByKeyboard_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("after");

    QTest::newRow("right arrow, a small step") << 128 << int{Qt::Key_Right} << 138;
    QTest::newRow("left arrow") << 128 << int{Qt::Key_Left} << 118;
    QTest::newRow("page up, a large step") << 128 << int{Qt::Key_PageUp} << 178;
    QTest::newRow("page down") << 128 << int{Qt::Key_PageDown} << 78;
    QTest::newRow("home: fully transparent") << 128 << int{Qt::Key_Home} << 0;
    QTest::newRow("end: opaque") << 128 << int{Qt::Key_End} << 255;
    QTest::newRow("stops at the top") << 250 << int{Qt::Key_Right} << 255;
    QTest::newRow("from transparent") << 0 << int{Qt::Key_Right} << 10;
}

void AppearanceControlsTest::theSliderByKeyboard() {
    QFETCH(int, before);
    QFETCH(int, key);
    QFETCH(int, after);

    test::TestProgram test;
    test.store.preset(Key::tvTrans, std::to_string(before));
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    QCOMPARE(window.sldTrans->value(), before);
    test.store.forget();

    QTest::keyClick(window.sldTrans, static_cast<Qt::Key>(key));

    QCOMPARE(window.sldTrans->value(), after);
    QCOMPARE(int{test.countdown.Opacity}, after);
    QCOMPARE(shownOpacity(*timer), after);
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
}

void AppearanceControlsTest::draggingTheSliderChangesTheOpacityContinuously() {
    test::TestProgram test;
    test.store.preset(Key::tvTrans, "0");
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    window.show();
    ScrollSlider& slider = *window.sldTrans;
    test.store.forget();

    const QPoint start = sliderHandleCentre(slider);
    sendMouse(slider, QEvent::MouseButtonPress, start, Qt::LeftButton);
    QList<int> seen;
    QStringList seenText;
    for (int step = 1; step <= 8; ++step) {
        sendMouse(slider, QEvent::MouseMove, start + QPoint(step * 25, 0), Qt::LeftButton);
        const int opacity = test.countdown.Opacity;
        QCOMPARE(slider.value(), opacity);
        QCOMPARE(shownOpacity(*timer), opacity);
        seen.append(opacity);
        seenText.append(QString::number(opacity));
    }
    sendMouse(slider, QEvent::MouseButtonRelease, start + QPoint(200, 0), Qt::NoButton);

    // Each move of the thumb shows at once, not only where the drag ends.
    for (qsizetype i = 1; i < seen.size(); ++i) {
        QVERIFY2(seen[i] > seen[i - 1], qPrintable(QStringLiteral("opacities seen: ") +
                                                   seenText.join(QStringLiteral(", "))));
    }
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
}

// The check box can show hiding that is not in force: ticked while its click was ignored.
void AppearanceControlsTest::theSliderKeepsTheHidingTheBoxShows() {
    test::TestProgram test;
    test.store.preset(Key::tvTrans, "128");
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    test.countdown.Updating = true;
    window.chkHide->setChecked(true);
    test.countdown.Updating = false;
    QVERIFY(!backgroundHidden(*timer));
    test.store.forget();

    QTest::keyClick(window.sldTrans, Qt::Key_Left);

    QVERIFY(backgroundHidden(*timer));
    QVERIFY(!test.countdown.HideBackground);
    QCOMPARE(shownOpacity(*timer), 118);
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
}

void AppearanceControlsTest::theSliderSetByTheProgramRaisesNoScroll() {
    test::TestProgram test;
    test.store.preset(Key::tvTrans, "128");
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    QSignalSpy scrolls(window.sldTrans, &ScrollSlider::Scroll);

    window.sldTrans->setValue(40);

    QCOMPARE(scrolls.count(), 0);
    QCOMPARE(int{test.countdown.Opacity}, 128);
    QCOMPARE(shownOpacity(*timer), 128);
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::AppearanceControlsTest)

#include "AppearanceControlsTest.moc"
