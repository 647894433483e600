// The hidden background without a compositor (the offscreen platform has none): what the children
// draw, the text drawn with clean edges, and a shape that follows the text.
#include "HiddenBackground.h"

#include "Ink.h"
#include "WidgetTestMain.h"

#include <QImage>
#include <QLabel>
#include <QRegion>
#include <QSet>
#include <QTest>
#include <QWidget>

namespace tavrio {

namespace {

const QColor kKey{0, 0, 1};

// A window as the timer window is built: a background in the key colour and a label whose
// background is transparent.
struct LabelledWindow {
    explicit LabelledWindow(QColor textColour, int pointSize = 20) {
        window.resize(300, 100);
        QPalette background = window.palette();
        background.setColor(QPalette::Window, kKey);
        window.setPalette(background);
        label = new QLabel(QStringLiteral("3:01:23:45"), &window);
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

// The colours of the window as it looks over the key colour.
QSet<QRgb> coloursOverTheKey(QWidget& window) {
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(kKey);
    window.render(&image, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::IgnoreMask);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours;
}

} // namespace

class HiddenBackgroundTest : public QObject {
    Q_OBJECT

private slots:
    void keepsWhatTheChildrenDraw_data();
    void keepsWhatTheChildrenDraw();
    void withoutACompositorNoEdgePixelMixesTheKeyIn();
    void theShapeFollowsTheText();
};

void HiddenBackgroundTest::keepsWhatTheChildrenDraw_data() {
    QTest::addColumn<QColor>("textColour");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("keyLeftOut");
    QTest::addColumn<bool>("kept");

    QTest::newRow("black, small") << QColor(Qt::black) << 9 << true << true;
    QTest::newRow("red, large") << QColor(Qt::red) << 40 << true << true;
    QTest::newRow("one step from the key") << QColor(0, 0, 2) << 12 << true << true;
    QTest::newRow("the key colour, left out") << kKey << 12 << true << false;
    QTest::newRow("the key colour, with a compositor") << kKey << 12 << false << true;
}

void HiddenBackgroundTest::keepsWhatTheChildrenDraw() {
    QFETCH(QColor, textColour);
    QFETCH(int, pointSize);
    QFETCH(bool, keyLeftOut);
    QFETCH(bool, kept);
    LabelledWindow w(textColour, pointSize);
    const test::Ink ink = test::findInk(*w.label);
    QVERIFY(ink.inked && ink.blank);

    const QRegion region = HiddenBackground::drawnRegion(
        w.window, keyLeftOut ? std::optional<QColor>(kKey) : std::nullopt);

    QCOMPARE(region.contains(w.label->mapToParent(*ink.inked)), kept);
    QVERIFY(!region.contains(w.label->mapToParent(*ink.blank)));
    QVERIFY(w.label->geometry().contains(region.boundingRect()) || region.isEmpty());
}

// Text anti-aliased against the key colour would keep blended edge pixels inside the shape: a
// dark fringe around the glyphs.
void HiddenBackgroundTest::withoutACompositorNoEdgePixelMixesTheKeyIn() {
    LabelledWindow w(Qt::red);
    QVERIFY(coloursOverTheKey(w.window).size() > 2);

    HiddenBackground::setEnabled(w.window, true, kKey);
    QCoreApplication::processEvents();

    QCOMPARE(coloursOverTheKey(w.window), (QSet<QRgb>{kKey.rgb(), QColor(Qt::red).rgb()}));
    QCOMPARE(w.window.mask(), HiddenBackground::drawnRegion(w.window, kKey));

    HiddenBackground::setEnabled(w.window, false, kKey);
    QVERIFY(w.window.mask().isEmpty());
    QVERIFY(coloursOverTheKey(w.window).size() > 2);
}

void HiddenBackgroundTest::theShapeFollowsTheText() {
    LabelledWindow w(Qt::black);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    HiddenBackground::setEnabled(w.window, true, kKey);
    const QRegion longText = w.window.mask();

    w.label->setText(QStringLiteral("1"));
    w.label->adjustSize();

    QTRY_VERIFY(w.window.mask() != longText);
    QVERIFY(w.label->geometry().contains(w.window.mask().boundingRect()));
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::HiddenBackgroundTest)

#include "HiddenBackgroundTest.moc"
