// Texts that outgrow the design's places: the check box that breaks its caption into lines where
// its language allows, and the border-style row in English, which keeps the design's look.
#include "LoadedSettingsWindow.h"
#include "TestProgram.h"
#include "WidgetTestMain.h"
#include "WrappingCheckBox.h"
#include "frmSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include <algorithm>

namespace tavrio {

class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    void theCheckBoxBreaksWhereTheLanguageAllows_data();
    void theCheckBoxBreaksWhereTheLanguageAllows();
    void inEnglishTheBorderStyleRowKeepsTheDesignsLook();
};

void TextFitTest::theCheckBoxBreaksWhereTheLanguageAllows_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("narrowest");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("between words") << "Hide Background"
                                   << "Background" << QStringList{"Hide", "Background"};
    QTest::newRow("a mnemonic stays with its letter")
        << "&Hide Background"
        << "Background" << QStringList{"&Hide", "Background"};
    QTest::newRow("between CJK characters") << "背景を隠す"
                                            << "隠" << QStringList{"背景を", "隠す"};
}

// At the width of its longest unbreakable piece, each line holds as much as fits.
void TextFitTest::theCheckBoxBreaksWhereTheLanguageAllows() {
    QFETCH(QString, caption);
    QFETCH(QString, narrowest);
    QFETCH(QStringList, lines);

    QWidget window;
    WrappingCheckBox box(caption, &window);
    const QCheckBox onePiece(narrowest, &window);
    QCOMPARE(box.minimumSizeHint().width(), onePiece.sizeHint().width());
    QCOMPARE(box.linesFor(box.sizeHint().width()), caption);

    const int width = QCheckBox(lines.value(0), &window).sizeHint().width();
    QCOMPARE(box.linesFor(std::max(width, box.minimumSizeHint().width())), lines.join(u'\n'));
    QVERIFY(box.heightForWidth(box.minimumSizeHint().width()) > box.sizeHint().height());
    QCOMPARE(box.text(), caption);
}

// The list is as wide as "5 Sizable Toolwindow" needs, and "Hide Background" stays beside it, on
// two lines in the design's height.
void TextFitTest::inEnglishTheBorderStyleRowKeepsTheDesignsLook() {
    test::TestProgram test;
    test::LoadedSettingsWindow window(test);
    const QComboBox& list = *window.Combo1;
    const QCheckBox& box = *window.chkHide;

    QVERIFY(list.width() >= list.sizeHint().width());
    QVERIFY(list.width() > 2175 / 15);
    QCOMPARE(box.y(), 6600 / 15);
    QVERIFY(box.x() > list.geometry().right());
    QVERIFY(box.heightForWidth(box.width()) <= box.height());
#ifndef Q_OS_WIN
    // In the Linux desktops' default font it takes two lines, as in the design; Windows' narrower
    // one keeps it on one.
    QVERIFY(box.heightForWidth(box.width()) > box.sizeHint().height());
#endif
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::TextFitTest)
#include "TextFitTest.moc"
