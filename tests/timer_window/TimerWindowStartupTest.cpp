// The timer window's first activation: what each stored setting sets, and what a value that does
// not convert or that the window refuses leaves in place. Which keys are read, in which order, is
// readStoredLook's.
#include "StartedTimerWindow.h"
#include "TestProgram.h"
#include "WidgetTestMain.h"
#include "frmMain.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QVariant>

#include <cmath>
#include <cstdlib>
#include <map>
#include <vector>

namespace tavrio {

namespace {

using test::at;

const QColor kButtonFace{200, 210, 220};

// What each key sets, as a test sees it. Places and sizes are the window's outer ones in twips.
QVariant observe(Key key, const frmMain& window, const CountdownState& shared) {
    const DisplayLabel& label = *test::labelOf(window);
    switch (key) {
    case Key::BS:
        return window.borderStyle();
    case Key::What:
        return window.windowTitle();
    case Key::tvDate:
        return shared.TargetDate;
    case Key::tvTime:
        return shared.TargetTime;
    case Key::tvTrans:
        return int{shared.Opacity};
    case Key::tvHide:
        return shared.HideBackground;
    case Key::FontSize:
        return double{label.FontSize()};
    case Key::FontName:
        return label.FontName();
    case Key::FontColor:
        return label.ForeColor();
    case Key::FontBold:
        return label.FontBold();
    case Key::FontItalic:
        return label.FontItalic();
    case Key::Left:
        return window.outerGeometryTwips().left;
    case Key::Top:
        return window.outerGeometryTwips().top;
    case Key::Width:
        return window.outerGeometryTwips().width;
    case Key::Height:
        return window.outerGeometryTwips().height;
    default:
        // Not one of the keys the window reads.
        return {};
    }
}

struct StoredSetting {
    Key key;
    const char* text;
    QVariant applied;
};

// A store as a user who changed everything would leave it, with what each value sets. Every value
// differs from the window's design and from the shared values' starting values below.
std::vector<StoredSetting> everythingChanged() {
    return {
        {Key::BS, "2", 2},
        {Key::What, "Party", QStringLiteral("Tavrio To Party")},
        {Key::tvDate, "12/25/2026", at(2026, 12, 25)},
        {Key::tvTime, "3:45:00 PM", at(1899, 12, 30, 15, 45)},
        {Key::tvTrans, "128", 128},
        {Key::tvHide, "True", true},
        {Key::FontSize, "12", 12.0},
        {Key::FontName, "Liberation Serif", QStringLiteral("Liberation Serif")},
        {Key::FontColor, "255", 255},
        {Key::FontBold, "False", false},
        {Key::FontItalic, "True", true},
        {Key::Left, "1500", 1500.0},
        {Key::Top, "1200", 1200.0},
        {Key::Width, "6000", 6000.0},
        {Key::Height, "2250", 2250.0},
    };
}

void presetEverythingChanged(test::TestProgram& test) {
    for (const StoredSetting& setting : everythingChanged()) {
        test.store.preset(setting.key, setting.text);
    }
}

// Shared values as an earlier activation may have left them, so that a value kept can be told
// from one reset.
void presetSharedValues(CountdownState& shared) {
    shared.TargetDate = at(2001, 1, 1);
    shared.TargetTime = at(1899, 12, 30, 6);
    shared.Opacity = 77;
    shared.HideBackground = false;
}

QString nameOf(Key key) {
    const std::string_view name = keyName(key);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

class TimerWindowStartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void appliesEveryStoredValue();
    void aValueThatIsNotAppliedLeavesWhatWasThere_data();
    void aValueThatIsNotAppliedLeavesWhatWasThere();
    void opacityFromTheStore_data();
    void opacityFromTheStore();
    void backgroundHidingFromTheStore_data();
    void backgroundHidingFromTheStore();
    void aFirstStartShowsTheWholeText();
    void aLaterActivationOnlyRefreshesTheDisplay();
};

void TimerWindowStartupTest::initTestCase() {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, kButtonFace);
    QApplication::setPalette(palette);
}

void TimerWindowStartupTest::appliesEveryStoredValue() {
    test::TestProgram test;
    presetEverythingChanged(test);
    presetSharedValues(test.countdown);

    const auto window = test::startTimerWindow(test);

    for (const StoredSetting& setting : everythingChanged()) {
        QCOMPARE(observe(setting.key, *window, test.countdown), setting.applied);
    }
    QVERIFY(test.countdown.SettingsLoaded);
}

void TimerWindowStartupTest::aValueThatIsNotAppliedLeavesWhatWasThere_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");

    // A text of each key that does not convert (which texts do is the conversions' to say), and
    // the values the window or its label refuses.
    const std::vector<std::pair<const char*, const char*>> rows{
        {"BS", "9"},
        {"tvDate", "soon"},
        {"tvTime", "25:00"},
        {"tvTrans", "300"},
        {"tvHide", "maybe"},
        {"FontSize", "big"},
        {"FontSize", "0"},
        {"FontSize", "5000"},
        {"FontName", ""},
        {"FontColor", "-1"},
        {"FontColor", "16777216"},
        {"FontBold", "maybe"},
        {"FontItalic", "maybe"},
        {"Left", "west"},
        {"Left", "0"},
        {"Top", "0"},
        {"Width", "wide"},
        {"Width", "0"},
        {"Width", "-6000"},
        {"Height", "0"},
    };
    for (const auto& [key, text] : rows) {
        QTest::addRow("%s \"%s\"", key, text)
            << QString::fromLatin1(key) << QString::fromLatin1(text);
    }
}

// Every other key is applied all the same; the one that is not keeps the design value, or for a
// shared value the value it held. A stored opacity that does not convert is the exception: it
// falls back to opaque, so that the window cannot start invisible and unclickable.
void TimerWindowStartupTest::aValueThatIsNotAppliedLeavesWhatWasThere() {
    QFETCH(QString, key);
    QFETCH(QString, text);
    const Key notApplied = keyNamed(key.toStdString()).value();
    test::TestProgram test;
    presetEverythingChanged(test);
    test.store.preset(notApplied, text.toStdString());
    presetSharedValues(test.countdown);
    const CountdownState before = test.countdown;
    frmMain window(test.program, test.countdown);
    test.forms.timer = &window;

    window.showForm();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(window.placementSettled());

    const QSize frame = window.frameGeometry().size() - window.size();
    // Where no place is stored, the window is centred for the size it has: 400 x 150 stored.
    const QRect area = window.screen()->availableGeometry();
    const auto centred = [](int start, int length, int outer) {
        return std::lround(start + (length - outer) / 2.0) * 15.0;
    };
    const std::map<Key, QVariant> kept{
        {Key::BS, 5},
        {Key::tvDate, before.TargetDate},
        {Key::tvTime, before.TargetTime},
        {Key::tvTrans, 255},
        {Key::tvHide, before.HideBackground},
        {Key::FontSize, 15.75},
        {Key::FontName, QStringLiteral("Arial")},
        {Key::FontColor, 0},
        {Key::FontBold, true},
        {Key::FontItalic, false},
        {Key::Left, centred(area.left(), area.width(), 400)},
        {Key::Top, centred(area.top(), area.height(), 150)},
        {Key::Width, (test::kDesignClientSize.width() + frame.width()) * 15.0},
        {Key::Height, (test::kDesignClientSize.height() + frame.height()) * 15.0},
    };
    for (const StoredSetting& setting : everythingChanged()) {
        const QVariant expected = setting.key == notApplied ? kept.at(notApplied) : setting.applied;
        QVERIFY2(observe(setting.key, window, test.countdown) == expected,
                 qPrintable(QStringLiteral("%1 is %2, expected %3")
                                .arg(nameOf(setting.key),
                                     observe(setting.key, window, test.countdown).toString(),
                                     expected.toString())));
    }
}

void TimerWindowStartupTest::opacityFromTheStore_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("opacity");

    QTest::newRow("0 stays 0") << "0" << 0;
    QTest::newRow("128") << "128" << 128;
    QTest::newRow("300 falls back to opaque") << "300" << 255;
}

void TimerWindowStartupTest::opacityFromTheStore() {
    QFETCH(QString, stored);
    QFETCH(int, opacity);
    test::TestProgram test;
    test.store.preset(Key::tvTrans, stored.toStdString());

    const auto window = test::startTimerWindow(test);

    QCOMPARE(int{test.countdown.Opacity}, opacity);
    QCOMPARE(window->windowOpacity(), opacity / 255.0);
    QCOMPARE(window->windowHandle()->flags().testFlag(Qt::WindowTransparentForInput), opacity == 0);
}

void TimerWindowStartupTest::backgroundHidingFromTheStore_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("hidden");

    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
}

void TimerWindowStartupTest::backgroundHidingFromTheStore() {
    QFETCH(QString, stored);
    QFETCH(bool, hidden);
    test::TestProgram test;
    test.store.preset(Key::tvHide, stored.toStdString());
    test.store.preset(Key::FontSize, "12");

    const auto window = test::startTimerWindow(test);

    QCOMPARE(test.countdown.HideBackground, hidden);
    QCOMPARE(window->palette().color(QPalette::Window), hidden ? QColor(0, 0, 1) : kButtonFace);
    QCOMPARE(window->mask().isEmpty(), !hidden);
    if (hidden) {
        // The mask follows the label wherever the placement has put it since.
        const QRect label = window.Label1->geometry();
        QTRY_VERIFY((window->mask() - QRegion(label)).isEmpty());
        QVERIFY(window->mask().intersects(label));
        QVERIFY(!window->mask().contains(QPoint(0, 0)));
    }
}

// With an empty store the window opens at a size that shows the whole "Double Click Me", centred;
// the offscreen screen is too small for it at 100 points, so the text is shown smaller. Nothing is
// stored: the size and the font are not the user's choice.
void TimerWindowStartupTest::aFirstStartShowsTheWholeText() {
    test::TestProgram test;

    const auto window = test::startTimerWindow(test);

    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
    QCOMPARE(window->windowTitle(), QStringLiteral("Tavrio To ??"));
    QCOMPARE(window->borderStyle(), 5);
    QCOMPARE(window.Label1->FontName(), QStringLiteral("Arial"));
    QVERIFY(!window.Label1->FontBold());
    QVERIFY(!window.Label1->FontItalic());
    QCOMPARE(window.Label1->ForeColor(), 0);

    QCOMPARE(int{test.countdown.Opacity}, 255);
    QVERIFY(!test.countdown.HideBackground);
    QCOMPARE(window->windowOpacity(), 1.0);
    QCOMPARE(window->palette().color(QPalette::Window), kButtonFace);
    QVERIFY(window->autoFillBackground());
    QVERIFY(window->mask().isEmpty());

    QCOMPARE(window.Label1->text(), QStringLiteral("Double Click Me"));
    const QMargins overhang = test::labelOverhang(*window);
    QVERIFY2(overhang.left() < 0 && overhang.right() < 0 && overhang.top() < 0 &&
                 overhang.bottom() < 0,
             "the whole text shows, with room around it");
    QVERIFY(test::labelCentred(*window));
    const QRect area = window->screen()->availableGeometry();
    QVERIFY(area.contains(window->frameGeometry()));
    const QPoint offCentre = window->frameGeometry().center() - area.center();
    QVERIFY(std::abs(offCentre.x()) <= 1 && std::abs(offCentre.y()) <= 1);
    const float size = window.Label1->FontSize();
    QVERIFY2(size < 100.0f && size > 50.0f, qPrintable(QString::number(size)));
    QVERIFY(window->frameGeometry().width() > area.width() * 9 / 10);
}

void TimerWindowStartupTest::aLaterActivationOnlyRefreshesTheDisplay() {
    test::TestProgram test;
    presetEverythingChanged(test);
    const auto window = test::startTimerWindow(test);
    test.store.forget();
    const qreal opacity = window->windowOpacity();
    const QString title = window->windowTitle();
    CountdownState& shared = test.countdown;
    shared.TargetDate = at(2007, 2, 10);
    shared.TargetTime = at(1899, 12, 30, 19, 23, 45);
    shared.Opacity = 10;
    test.clock = at(2007, 2, 7, 18);

    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window.get(), &activate);

    QCOMPARE(window.Label1->text(), QStringLiteral("3:01:23:45"));
    QVERIFY(test::labelCentred(*window));
    QCOMPARE(test.store.readKeys(), QStringList());
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
    QCOMPARE(window->windowOpacity(), opacity);
    QCOMPARE(window->windowTitle(), title);
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::TimerWindowStartupTest)

#include "TimerWindowStartupTest.moc"
