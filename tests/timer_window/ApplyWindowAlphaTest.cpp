// The timer window's translucency and background hiding, on a window built like it: a plain
// background and a label with a transparent background.
#include "ApplyWindowAlpha.h"

#include "Ink.h"
#include "WidgetTestMain.h"

#include <QApplication>
#include <QLabel>
#include <QRegion>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <cstdint>

namespace tavrio {

namespace {

// Kept apart from the window colour, so that a background left as it was cannot pass for the
// button face.
const QColor kButtonFace{200, 210, 220};
const QColor kWindowColour{90, 100, 110};

struct TimerLikeWindow {
    TimerLikeWindow() {
        window.resize(200, 80);
        label = new QLabel(QStringLiteral("3:01:23:45"), &window);
        QFont font = label->font();
        font.setPointSize(9);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
        label->adjustSize();
        label->move(30, 20);
    }

    QWidget window;
    QLabel* label = nullptr;
};

bool transparentForInput(QWidget& window) {
    return window.windowHandle()->flags().testFlag(Qt::WindowTransparentForInput);
}

QColor background(const QWidget& window) {
    return window.palette().color(QPalette::Window);
}

} // namespace

class ApplyWindowAlphaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void setsTheWholeWindowsOpacity_data();
    void setsTheWholeWindowsOpacity();
    void opacityZeroLetsInputThroughOnceOnScreen_data();
    void opacityZeroLetsInputThroughOnceOnScreen();
    void hidingTheBackgroundKeepsOnlyTheText();
    void showingTheBackgroundAgainRestoresTheButtonFace();
    void aRepeatedCallChangesNothing_data();
    void aRepeatedCallChangesNothing();
};

void ApplyWindowAlphaTest::initTestCase() {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, kButtonFace);
    palette.setColor(QPalette::Window, kWindowColour);
    QApplication::setPalette(palette);
}

void ApplyWindowAlphaTest::setsTheWholeWindowsOpacity_data() {
    QTest::addColumn<int>("opacity");
    QTest::addColumn<bool>("hideBackground");

    for (const int opacity : {0, 1, 128, 254, 255}) {
        QTest::addRow("%d", opacity) << opacity << false;
        QTest::addRow("%d, background hidden", opacity) << opacity << true;
    }
}

void ApplyWindowAlphaTest::setsTheWholeWindowsOpacity() {
    QFETCH(int, opacity);
    QFETCH(bool, hideBackground);
    TimerLikeWindow w;
    w.window.setWindowOpacity(0.3);

    ApplyWindowAlpha(w.window, static_cast<std::uint8_t>(opacity), hideBackground);

    QCOMPARE(w.window.windowOpacity(), opacity / 255.0);
    QVERIFY(w.window.windowHandle() != nullptr);
    QCOMPARE(w.window.windowHandle()->opacity(), opacity / 255.0);
}

void ApplyWindowAlphaTest::opacityZeroLetsInputThroughOnceOnScreen_data() {
    QTest::addColumn<bool>("appliedBeforeShow");

    QTest::newRow("applied before the window is shown") << true;
    QTest::newRow("applied to a shown window") << false;
}

void ApplyWindowAlphaTest::opacityZeroLetsInputThroughOnceOnScreen() {
    QFETCH(bool, appliedBeforeShow);
    TimerLikeWindow w;

    if (appliedBeforeShow) {
        ApplyWindowAlpha(w.window, 0, false);
    }
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    if (!appliedBeforeShow) {
        QVERIFY(!transparentForInput(w.window));
        ApplyWindowAlpha(w.window, 0, false);
    }
    QTRY_VERIFY(transparentForInput(w.window));

    ApplyWindowAlpha(w.window, 128, false);
    QVERIFY(!transparentForInput(w.window));
    QCOMPARE(w.window.windowOpacity(), 128 / 255.0);
}

void ApplyWindowAlphaTest::hidingTheBackgroundKeepsOnlyTheText() {
    TimerLikeWindow w;
    const test::Ink ink = test::findInk(*w.label);
    QVERIFY(ink.inked);
    QVERIFY(ink.blank);

    ApplyWindowAlpha(w.window, 255, true);

    QCOMPARE(background(w.window), QColor(0, 0, 1));
    QVERIFY(w.window.autoFillBackground());
    const QRegion mask = w.window.mask();
    QVERIFY(mask.contains(w.label->mapToParent(*ink.inked)));
    QVERIFY(!mask.contains(w.label->mapToParent(*ink.blank)));
    QVERIFY(!mask.contains(QPoint(5, 5)));
    QVERIFY(!mask.contains(QPoint(w.window.width() - 5, w.window.height() - 5)));
}

void ApplyWindowAlphaTest::showingTheBackgroundAgainRestoresTheButtonFace() {
    TimerLikeWindow w;
    ApplyWindowAlpha(w.window, 255, true);
    QVERIFY(!w.window.mask().isEmpty());

    ApplyWindowAlpha(w.window, 77, false);

    QCOMPARE(background(w.window), kButtonFace);
    QVERIFY(w.window.autoFillBackground());
    QVERIFY(w.window.mask().isEmpty());
    QCOMPARE(w.window.windowOpacity(), 77 / 255.0);
}

void ApplyWindowAlphaTest::aRepeatedCallChangesNothing_data() {
    QTest::addColumn<int>("opacity");
    QTest::addColumn<bool>("hideBackground");

    QTest::newRow("opaque, background shown") << 255 << false;
    QTest::newRow("half, background hidden") << 128 << true;
    QTest::newRow("invisible, background hidden") << 0 << true;
    QTest::newRow("invisible, background shown") << 0 << false;
}

void ApplyWindowAlphaTest::aRepeatedCallChangesNothing() {
    QFETCH(int, opacity);
    QFETCH(bool, hideBackground);
    TimerLikeWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const auto alpha = static_cast<std::uint8_t>(opacity);

    ApplyWindowAlpha(w.window, alpha, hideBackground);
    const QRegion mask = w.window.mask();
    const qreal windowOpacity = w.window.windowOpacity();
    const QColor colour = background(w.window);
    const bool passesInput = transparentForInput(w.window);

    ApplyWindowAlpha(w.window, alpha, hideBackground);

    QCOMPARE(w.window.mask(), mask);
    QCOMPARE(w.window.windowOpacity(), windowOpacity);
    QCOMPARE(background(w.window), colour);
    QCOMPARE(transparentForInput(w.window), passesInput);
    QCOMPARE(passesInput, opacity == 0);
    QCOMPARE(mask.isEmpty(), !hideBackground);
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::ApplyWindowAlphaTest)

#include "ApplyWindowAlphaTest.moc"
