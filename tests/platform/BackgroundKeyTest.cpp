// The colour-keyed background: which pixels of a window stay, and when its mask is recomputed.
#include "BackgroundKey.h"

#include "Ink.h"
#include "WidgetTestMain.h"

#include <QLabel>
#include <QRegion>
#include <QTest>
#include <QWidget>

namespace tavrio {

namespace {

const QColor kKey{0, 0, 1};

// Counts the paints a widget gets; the keyer's renders are the only ones a hidden window gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

// A window as the timer window is built: a plain background and a label whose background is
// transparent. It is never shown, so nothing but the code under test paints it.
struct LabelledWindow {
    LabelledWindow(const QString& text, QColor textColour, int pointSize = 9) {
        window.resize(200, 80);
        label = new QLabel(text, &window);
        QFont font = label->font();
        font.setPointSize(pointSize);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, textColour);
        label->setPalette(palette);
        label->adjustSize();
        label->move(20, 10);
    }

    QWidget window;
    QLabel* label = nullptr;
};

bool covers(const QRegion& region, const QRect& rect) {
    return (QRegion(rect) - region).isEmpty();
}

const QRegion kOnePixel(0, 0, 1, 1);

} // namespace

class BackgroundKeyTest : public QObject {
    Q_OBJECT

private slots:
    void keepsWhatTheChildrenDrawAndDropsTheRest_data();
    void keepsWhatTheChildrenDrawAndDropsTheRest();
    void aWindowWithNothingLeftKeepsOnePixel_data();
    void aWindowWithNothingLeftKeepsOnePixel();
    void aChildThatFillsItsBackgroundStaysWhole();
    void theWindowsOwnMaskDoesNotCount_data();
    void theWindowsOwnMaskDoesNotCount();
    void enablingMasksAtOnceAndDisablingUnmasks();
    void refreshIsDeferredAndCoalesced();
    void refreshDoesNothingForAWindowThatIsNotKeyed();
    void aRefreshPendingWhenKeyingStopsChangesNothing();
};

void BackgroundKeyTest::keepsWhatTheChildrenDrawAndDropsTheRest_data() {
    QTest::addColumn<QColor>("textColour");
    QTest::addColumn<int>("pointSize");

    QTest::newRow("black, small") << QColor(Qt::black) << 9;
    QTest::newRow("black, large") << QColor(Qt::black) << 40;
    QTest::newRow("red") << QColor(Qt::red) << 12;
    QTest::newRow("one step from the key") << QColor(0, 0, 2) << 12;
    QTest::newRow("the key's own blue, brighter") << QColor(0, 0, 255) << 12;
}

void BackgroundKeyTest::keepsWhatTheChildrenDrawAndDropsTheRest() {
    QFETCH(QColor, textColour);
    QFETCH(int, pointSize);
    LabelledWindow w(QStringLiteral("3:01:23:45"), textColour, pointSize);
    const test::Ink ink = test::findInk(*w.label);
    QVERIFY(ink.inked);
    QVERIFY(ink.blank);

    const QRegion region = BackgroundKey::visibleRegion(w.window, kKey);

    QVERIFY(region.contains(w.label->mapToParent(*ink.inked)));
    QVERIFY(!region.contains(w.label->mapToParent(*ink.blank)));
    QVERIFY(!region.contains(QPoint(w.window.width() - 1, w.window.height() - 1)));
    QVERIFY(!region.contains(QPoint(0, 0)));
    QVERIFY(covers(QRegion(w.label->geometry()), region.boundingRect()));
}

void BackgroundKeyTest::aWindowWithNothingLeftKeepsOnePixel_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("textColour");
    QTest::addColumn<bool>("labelHidden");

    QTest::newRow("no text") << QString() << QColor(Qt::black) << false;
    QTest::newRow("text in the key colour") << QStringLiteral("3:01:23:45") << kKey << false;
    QTest::newRow("a hidden label") << QStringLiteral("3:01:23:45") << QColor(Qt::black) << true;
}

void BackgroundKeyTest::aWindowWithNothingLeftKeepsOnePixel() {
    QFETCH(QString, text);
    QFETCH(QColor, textColour);
    QFETCH(bool, labelHidden);
    LabelledWindow w(text, textColour, 20);
    w.label->setHidden(labelHidden);

    QCOMPARE(BackgroundKey::visibleRegion(w.window, kKey), kOnePixel);
}

void BackgroundKeyTest::aChildThatFillsItsBackgroundStaysWhole() {
    QWidget window;
    window.resize(200, 80);
    auto* filled = new QWidget(&window);
    filled->setGeometry(30, 20, 50, 10);
    filled->setAutoFillBackground(true);
    QPalette palette = filled->palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    filled->setPalette(palette);

    const QRegion region = BackgroundKey::visibleRegion(window, kKey);

    QCOMPARE(region, QRegion(filled->geometry()));
}

void BackgroundKeyTest::theWindowsOwnMaskDoesNotCount_data() {
    QTest::addColumn<QRegion>("mask");

    QTest::newRow("a mask over part of the text") << QRegion(40, 0, 30, 80);
    QTest::newRow("a mask away from the text") << QRegion(150, 60, 10, 10);
    QTest::newRow("one pixel") << kOnePixel;
}

// The window being keyed already has the mask of an earlier update; what shows now must not
// depend on it.
void BackgroundKeyTest::theWindowsOwnMaskDoesNotCount() {
    QFETCH(QRegion, mask);
    LabelledWindow w(QStringLiteral("3:01:23:45"), Qt::black);
    const QRegion unmasked = BackgroundKey::visibleRegion(w.window, kKey);

    w.window.setMask(mask);

    QCOMPARE(BackgroundKey::visibleRegion(w.window, kKey), unmasked);
}

void BackgroundKeyTest::enablingMasksAtOnceAndDisablingUnmasks() {
    LabelledWindow w(QStringLiteral("3:01:23:45"), Qt::black);
    const QRegion visible = BackgroundKey::visibleRegion(w.window, kKey);
    QVERIFY(visible != kOnePixel);

    BackgroundKey::setEnabled(w.window, true, kKey);
    QCOMPARE(w.window.mask(), visible);

    BackgroundKey::setEnabled(w.window, false, kKey);
    QVERIFY(w.window.mask().isEmpty());
}

void BackgroundKeyTest::refreshIsDeferredAndCoalesced() {
    LabelledWindow w(QStringLiteral("3:01:23:45"), Qt::black, 20);
    const QRegion longText = BackgroundKey::visibleRegion(w.window, kKey);
    w.label->setText(QStringLiteral("1"));
    w.label->adjustSize();
    const QRegion shortText = BackgroundKey::visibleRegion(w.window, kKey);
    QVERIFY(shortText != longText);
    BackgroundKey::setEnabled(w.window, true, kKey);
    QCOMPARE(w.window.mask(), shortText);
    PaintCounter counter(*w.label);

    w.label->setText(QStringLiteral("3:01:23:45"));
    w.label->adjustSize();
    BackgroundKey::refresh(w.window);
    BackgroundKey::refresh(w.window);
    BackgroundKey::refresh(w.window);
    QCOMPARE(counter.paints, 0);
    QCOMPARE(w.window.mask(), shortText);

    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 1);
    QCOMPARE(w.window.mask(), longText);
}

void BackgroundKeyTest::refreshDoesNothingForAWindowThatIsNotKeyed() {
    LabelledWindow w(QStringLiteral("3:01:23:45"), Qt::black);
    PaintCounter counter(*w.label);

    BackgroundKey::refresh(w.window);
    QCoreApplication::processEvents();

    QCOMPARE(counter.paints, 0);
    QVERIFY(w.window.mask().isEmpty());
}

void BackgroundKeyTest::aRefreshPendingWhenKeyingStopsChangesNothing() {
    LabelledWindow w(QStringLiteral("3:01:23:45"), Qt::black);
    BackgroundKey::setEnabled(w.window, true, kKey);
    BackgroundKey::refresh(w.window);
    BackgroundKey::setEnabled(w.window, false, kKey);
    PaintCounter counter(*w.label);

    QCoreApplication::processEvents();

    QCOMPARE(counter.paints, 0);
    QVERIFY(w.window.mask().isEmpty());
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::BackgroundKeyTest)

#include "BackgroundKeyTest.moc"
