// The timer window after start-up: the once-a-second display, the centred label, the size it
// stores, a stored place off every screen, the frame at every scale, and the text never cut off.
#include "StartedTimerWindow.h"
#include "TestProgram.h"
#include "WidgetTestMain.h"
#include "frmMain.h"

#include <QResizeEvent>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include <cstdlib>
#include <optional>
#include <string>

namespace tavrio {

namespace {

using test::at;

DateValue timeOfDay(int hour, int minute, int second) {
    return at(1899, 12, 30, hour, minute, second);
}

QSize frameOf(const QWidget& window) {
    return window.frameGeometry().size() - window.size();
}

// Ctrl with the wheel, each notch in pieces: one for a wheel's notch, eighths for a touchpad's.
void sizeText(frmMain& window, int notches, int pieces) {
    for (int piece = 0; piece < std::abs(notches) * pieces; ++piece) {
        QWheelEvent turn({5, 5}, window.mapToGlobal(QPointF(5, 5)), {},
                         {0, (notches > 0 ? 120 : -120) / pieces}, Qt::NoButton,
                         Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&window, &turn);
    }
}

// The whole text shows with room around it, the window's centre where it was.
bool wholeTextAbout(QPoint centre, const frmMain& window) {
    const QMargins overhang = test::labelOverhang(window);
    return overhang.left() < 0 && overhang.top() < 0 && test::labelCentred(window) &&
           (window.geometry().center() - centre).manhattanLength() <= 1;
}
QString sizeWrites(const frmMain& window) {
    const TwipsRect outer = window.outerGeometryTwips();
    return QStringLiteral("Width=%1, Height=%2").arg(outer.width).arg(outer.height);
}

} // namespace

class TimerWindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void centresTheLabelInTwips_data();
    void centresTheLabelInTwips();
    void aResizeRecentresTheLabel();
    void aTickShowsTheTimeLeft_data();
    void aTickShowsTheTimeLeft();
    void theLabelSizesItselfToEachText();
    void restoringThePlaceAndSizeStoresNothing_data();
    void restoringThePlaceAndSizeStoresNothing();
    void aResizeAfterLoadingStoresTheOuterSize_data();
    void aResizeAfterLoadingStoresTheOuterSize();
    void bothAreStoredWhenOnlyTheWidthChanges();
    void aFailedSizeWriteIsToldOnceAndRetried();
    void aPlaceOffEveryScreenIsBroughtBack_data();
    void aPlaceOffEveryScreenIsBroughtBack();
    void aScreenChangeWhileRunningBringsTheWindowBack();
    void theOuterGeometryIsTheFrameAsDrawn();
    void ctrlSizesTheText_data();
    void ctrlSizesTheText();
    void aWiderTextGrowsTheWindow();
};

void TimerWindowLayoutTest::centresTheLabelInTwips_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("label");
    QTest::addColumn<QPoint>("place");

    QTest::newRow("design label in the design window")
        << QSize(312, 94) << QSize(89, 24) << QPoint(112, 35);
    QTest::newRow("half pixels round away from zero")
        << QSize(312, 94) << QSize(101, 21) << QPoint(106, 37);
    QTest::newRow("label as large as the window")
        << QSize(312, 94) << QSize(312, 94) << QPoint(0, 0);
    QTest::newRow("label wider and taller")
        << QSize(312, 94) << QSize(500, 200) << QPoint(-94, -53);
    QTest::newRow("overflow by an odd number of pixels")
        << QSize(312, 94) << QSize(501, 95) << QPoint(-95, -1);
    QTest::newRow("tiny window") << QSize(1, 1) << QSize(40, 10) << QPoint(-20, -5);
}

// Left = ScaleWidth / 2 - Label1.Width / 2 and Top likewise, in twips, to the nearest pixel.
void TimerWindowLayoutTest::centresTheLabelInTwips() {
    QFETCH(QSize, client);
    QFETCH(QSize, label);
    QFETCH(QPoint, place);
    test::TestProgram test;
    frmMain window(test.program, test.countdown);
    window.resize(client);
    DisplayLabel* const label1 = test::labelOf(window);
    label1->resize(label);

    QResizeEvent resized(client, client + QSize(1, 1));
    QCoreApplication::sendEvent(&window, &resized);

    QCOMPARE(label1->pos(), place);
    QCOMPARE(label1->size(), label);
    QVERIFY(test::labelCentred(window));
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
}

void TimerWindowLayoutTest::aResizeRecentresTheLabel() {
    test::TestProgram test;
    test.store.preset(Key::FontSize, "12");
    const auto window = test::startTimerWindow(test);
    const QSize label = window.Label1->size();

    window->resize(500, 300);

    QTRY_COMPARE(window->size(), QSize(500, 300));
    QCOMPARE(window.Label1->size(), label);
    QVERIFY(test::labelCentred(*window));
}

void TimerWindowLayoutTest::aTickShowsTheTimeLeft_data() {
    QTest::addColumn<DateValue>("targetDate");
    QTest::addColumn<DateValue>("targetTime");
    QTest::addColumn<DateValue>("now");
    QTest::addColumn<QString>("text");

    const DateValue target = at(2007, 2, 10);
    const DateValue time = timeOfDay(19, 23, 45);
    QTest::newRow("no target") << 0.0 << time << at(2007, 2, 7, 18) << "Double Click Me";
    QTest::newRow("days ahead") << target << time << at(2007, 2, 7, 18) << "3:01:23:45";
    QTest::newRow("one second left")
        << target << time << at(2007, 2, 10, 19, 23, 44) << "0:00:00:01";
    QTest::newRow("the target second")
        << target << time << at(2007, 2, 10, 19, 23, 45) << "0:00:00:00";
    QTest::newRow("passed") << target << time << at(2007, 2, 10, 19, 23, 46) << "Congrats!!!";
}

void TimerWindowLayoutTest::aTickShowsTheTimeLeft() {
    QFETCH(DateValue, targetDate);
    QFETCH(DateValue, targetTime);
    QFETCH(DateValue, now);
    QFETCH(QString, text);
    test::TestProgram test;
    test.store.preset(Key::FontSize, "12");
    const auto window = test::startTimerWindow(test);
    test.countdown.TargetDate = targetDate;
    test.countdown.TargetTime = targetTime;
    test.clock = now;

    window->refreshNow();

    QCOMPARE(window.Label1->text(), text);
    QCOMPARE(window.Label1->size(), window.Label1->sizeHint());
    QVERIFY(test::labelCentred(*window));
}

void TimerWindowLayoutTest::theLabelSizesItselfToEachText() {
    test::TestProgram test;
    const auto window = test::startTimerWindow(test);
    const QSize noTarget = window.Label1->size();
    test.countdown.TargetDate = at(2007, 2, 10);
    test.countdown.TargetTime = timeOfDay(19, 23, 45);

    window->refreshNow();
    const QSize counting = window.Label1->size();
    QCOMPARE(counting, window.Label1->sizeHint());
    test.countdown.TargetDate = 0;
    window->refreshNow();

    QVERIFY(counting.width() < noTarget.width());
    QCOMPARE(window.Label1->size(), noTarget);
    QVERIFY(test::labelCentred(*window));
}

void TimerWindowLayoutTest::restoringThePlaceAndSizeStoresNothing_data() {
    QTest::addColumn<bool>("placeStored");
    QTest::addColumn<QString>("hideBackground");

    QTest::newRow("nothing stored") << false << "False";
    QTest::newRow("place and size stored") << true << "False";
    QTest::newRow("place and size stored, background hidden") << true << "True";
}

void TimerWindowLayoutTest::restoringThePlaceAndSizeStoresNothing() {
    QFETCH(bool, placeStored);
    QFETCH(QString, hideBackground);
    test::TestProgram test;
    if (placeStored) {
        test.store.preset(Key::Left, "1500");
        test.store.preset(Key::Top, "1200");
        test.store.preset(Key::Width, "6000");
        test.store.preset(Key::Height, "2250");
    }
    test.store.preset(Key::tvHide, hideBackground.toStdString());

    const auto window = test::startTimerWindow(test);

    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
    if (placeStored) {
        QCOMPARE(window->frameGeometry(), QRect(100, 80, 400, 150));
    }
}

void TimerWindowLayoutTest::aResizeAfterLoadingStoresTheOuterSize_data() {
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");

    QTest::newRow("400 x 150") << QSize(400, 150) << "6000"
                               << "2250";
    QTest::newRow("odd pixels") << QSize(313, 97) << "4695"
                                << "1455";
    QTest::newRow("small") << QSize(60, 40) << "900"
                           << "600";
}

void TimerWindowLayoutTest::aResizeAfterLoadingStoresTheOuterSize() {
    QFETCH(QSize, outer);
    QFETCH(QString, width);
    QFETCH(QString, height);
    test::TestProgram test;
    const auto window = test::startTimerWindow(test);
    test.store.forget();

    window->resize(outer - frameOf(*window));

    QTRY_COMPARE(window->frameGeometry().size(), outer);
    const QList<test::KeyText> expected{{"Width", width}, {"Height", height}};
    QCOMPARE(test.store.writes(), expected);
    QCOMPARE(test.store.stored(Key::Width), width.toStdString());
    QCOMPARE(test.store.stored(Key::Height), height.toStdString());
}

void TimerWindowLayoutTest::bothAreStoredWhenOnlyTheWidthChanges() {
    test::TestProgram test;
    const auto window = test::startTimerWindow(test);
    window->resize(QSize(400, 150) - frameOf(*window));
    QTRY_COMPARE(window->frameGeometry().size(), QSize(400, 150));
    test.store.forget();

    window->resize(QSize(500, 150) - frameOf(*window));

    const QList<test::KeyText> expected{{"Width", "7500"}, {"Height", "2250"}};
    QTRY_COMPARE(test.store.writes(), expected);
}

// As with every setting, the user is told once that the size could not be saved; it is saved
// again with the next size change.
void TimerWindowLayoutTest::aFailedSizeWriteIsToldOnceAndRetried() {
    test::TestProgram test;
    const auto window = test::startTimerWindow(test);
    const std::optional<std::string> widthBefore = test.store.stored(Key::Width);
    test.store.failWrites(Key::Width, "the disk is full");

    window->resize(QSize(400, 150) - frameOf(*window));

    QTRY_COMPARE(test.store.stored(Key::Height), std::string{"2250"});
    QCOMPARE(test.store.stored(Key::Width), widthBefore);
    QCOMPARE(test.writeFailureReports.size(), std::size_t{1});
    QVERIFY(test.writeFailureReports.front().find("\"Width\"") != std::string::npos);
    QVERIFY(test::labelCentred(*window));

    test.store.allowWrites(Key::Width);
    window->resize(QSize(420, 150) - frameOf(*window));

    QTRY_COMPARE(test.store.stored(Key::Width), std::string{"6300"});
    QCOMPARE(test.writeFailureReports.size(), std::size_t{1});
}

void TimerWindowLayoutTest::aPlaceOffEveryScreenIsBroughtBack_data() {
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<bool>("moved");

    QTest::newRow("far up and left") << -150000 << -150000 << true;
    QTest::newRow("far right") << 150000 << 1200 << true;
    QTest::newRow("far below") << 1500 << 150000 << true;
    QTest::newRow("all but a sliver to the left") << -4500 << 1200 << true;
    QTest::newRow("partly off the left edge") << -3000 << 1200 << true;
    QTest::newRow("on the screen") << 1500 << 1200 << false;
}

// The whole window, frame included, comes onto the screen; the stored place stays the user's.
void TimerWindowLayoutTest::aPlaceOffEveryScreenIsBroughtBack() {
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(bool, moved);
    const QList<QScreen*> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 1);
    const QRect screen = screens.front()->availableGeometry();
    QVERIFY(screen.contains(QRect(100, 80, 400, 150)));
    test::TestProgram test;
    test.store.preset(Key::FontSize, "12");
    test.store.preset(Key::Left, std::to_string(left));
    test.store.preset(Key::Top, std::to_string(top));

    const auto window = test::startTimerWindow(test);

    const QRect frame = window->frameGeometry();
    QCOMPARE(window->size(), test::kDesignClientSize);
    QVERIFY(screen.contains(frame));
    if (moved && top == 1200) {
        QCOMPARE(frame.y(), 80);
    } else if (!moved) {
        QCOMPARE(frame.topLeft(), QPoint(left / 15, top / 15));
    }
    QVERIFY(window->close());
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
}

// A monitor removed or a resolution lowered while the program runs: the screen tells the window,
// which comes wholly back onto it if any part of it was left outside, and stays where it is
// otherwise.
void TimerWindowLayoutTest::aScreenChangeWhileRunningBringsTheWindowBack() {
    test::TestProgram test;
    test.store.preset(Key::FontSize, "12");
    const auto window = test::startTimerWindow(test);
    QScreen* screen = window->screen();
    const QRect area = screen->availableGeometry();
    test.store.forget();

    window->move(area.left() + 40, area.top() + 30);
    const QPoint onScreen = window->frameGeometry().topLeft();
    emit screen->availableGeometryChanged(area);
    QCOMPARE(window->frameGeometry().topLeft(), onScreen);

    // 31 pixels left on the screen are no longer taken for enough.
    window->move(area.right() - 30, area.top() + 30);
    emit screen->availableGeometryChanged(area);
    QVERIFY(area.contains(window->frameGeometry()));

    window->move(area.right() + 2000, area.bottom() + 2000);
    emit screen->availableGeometryChanged(area);
    QVERIFY(area.contains(window->frameGeometry()));
    // Brought back for the user to reach; the stored place is the user's to change.
    QCOMPARE(test.store.writesText(), QString());
}

// What the windows it opens keep clear of is the frame the platform draws, at every scale: the
// frame's device pixels count as logical ones divided by the ratio. CMake runs this at 1 and at 2.
void TimerWindowLayoutTest::theOuterGeometryIsTheFrameAsDrawn() {
    test::TestProgram test;
    const auto window = test::startTimerWindow(test);

    QCOMPARE(window->devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    QVERIFY(window->frameGeometry().top() < window->geometry().top());
    QCOMPARE(window->outerGeometry(), window->frameGeometry());
}

void TimerWindowLayoutTest::ctrlSizesTheText_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<int>("pieces");
    QTest::addColumn<bool>("closeAtOnce");
    QTest::newRow("no frame, background hidden, wheel") << 0 << true << 1 << false;
    QTest::newRow("sizable tool window, touchpad") << 5 << false << 8 << false;
    QTest::newRow("fixed frame, a fine wheel") << 1 << false << 2 << false;
    QTest::newRow("closed before the user stops") << 2 << true << 1 << true;
}

// Three steps up and two down from 12 points (small enough to grow on the test's small screen at a
// scale of 2 with any system's fonts): the window fits the text exactly, nothing is stored before
// the user stops, then FontSize and the size in one go (on the way out at the latest), and the
// size Ctrl+0 comes back to.
void TimerWindowLayoutTest::ctrlSizesTheText() {
    QFETCH(int, style);
    QFETCH(bool, hidden);
    QFETCH(int, pieces);
    QFETCH(bool, closeAtOnce);
    test::TestProgram test;
    test.store.preset(Key::BS, std::to_string(style));
    test.store.preset(Key::tvHide, hidden ? "True" : "False");
    test.store.preset(Key::FontSize, "12");
    const auto window = test::startTimerWindow(test);
    const QPoint centre = window->geometry().center();

    sizeText(*window, 3, pieces);
    sizeText(*window, -2, pieces);

    QCOMPARE(window.Label1->FontSize(), 13.0f);
    QTRY_VERIFY(wholeTextAbout(centre, *window));
    QCOMPARE(test::labelOverhang(*window).left(), -(window.Label1->height() / 4));
    QCOMPARE(window->minimumSize() == window->maximumSize(), style == 1);
    QCOMPARE(test.store.writesText(), QString());
    const QString stored = "FontSize=13, " + sizeWrites(*window) + ", tvChosenSize=12";
    QVERIFY(!closeAtOnce || (window->close() && test.store.writesText() == stored));
    QTRY_COMPARE(test.store.writesText(), stored);
    QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(window.Label1->FontSize(), 12.0f);
}

// A sized window without a frame grows about its centre for a wider text (a new day digit), the
// size stored as the user's; smaller text does not shrink it.
void TimerWindowLayoutTest::aWiderTextGrowsTheWindow() {
    test::TestProgram test;
    test.store.preset(Key::BS, "0");
    test.store.preset(Key::FontSize, "48");
    test.store.preset(Key::Width, "4680");
    test.store.preset(Key::Height, "1410");
    test.countdown.TargetDate = at(2007, 2, 16); // 8 days ahead, then 1142
    const auto window = test::startTimerWindow(test);
    const QPoint centre = window->geometry().center();

    test.clock = at(2004, 1, 1, 18);
    window->refreshNow();

    QTRY_VERIFY(wholeTextAbout(centre, *window));
    QCOMPARE(test.store.writesText(), sizeWrites(*window));
    const QSize grown = window->size();
    window->showFont({"Arial", 12, 0, false, true});
    QCOMPARE(window->size(), grown);
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::TimerWindowLayoutTest)

#include "TimerWindowLayoutTest.moc"
