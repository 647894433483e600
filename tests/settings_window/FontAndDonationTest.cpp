// The font button and the donation picture: what the font button hands to the font dialog, the
// order in which it applies and stores the answer, what a failing write or a cancelled dialog
// leaves, and the one address each click on the picture hands to the browser.
#include "DonationAddress.h"
#include "DonationPicture.h"
#include "LoadedSettingsWindow.h"
#include "StartedTimerWindow.h"
#include "TestProgram.h"
#include "WidgetTestMain.h"
#include "frmMain.h"
#include "frmSettings.h"

#include <QPushButton>
#include <QTest>

#include <optional>
#include <string>
#include <vector>

namespace tavrio {

namespace {

FontSpec spec(const char* name, std::int16_t size, std::int32_t color, bool italic, bool bold) {
    return FontSpec{name, size, color, italic, bold};
}

// The label's font as the font button reads it, its size unrounded.
struct LabelFont {
    QString name;
    float size;
    std::int32_t color;
    bool italic;
    bool bold;

    bool operator==(const LabelFont&) const = default;
};

LabelFont labelFont(const frmMain& timer) {
    const DisplayLabel& label = *test::labelOf(timer);
    return {label.FontName(), label.FontSize(), label.ForeColor(), label.FontItalic(),
            label.FontBold()};
}

LabelFont labelFont(const FontSpec& spec) {
    return {QString::fromStdString(spec.Name), static_cast<float>(spec.Size), spec.Color,
            spec.Italic, spec.Bold};
}

QString describe(const LabelFont& font) {
    return QStringLiteral("\"%1\" %2pt colour %3%4%5")
        .arg(font.name)
        .arg(double{font.size})
        .arg(font.color)
        .arg(font.italic ? QStringLiteral(" italic") : QString{})
        .arg(font.bold ? QStringLiteral(" bold") : QString{});
}

QString describe(const FontSpec& spec) {
    return describe(labelFont(spec));
}

// The store as an earlier run left it: the label's font, the size only when one is given.
void presetFont(test::TestProgram& test, const char* size) {
    test.store.preset(Key::FontName, "Liberation Serif");
    if (size != nullptr) {
        test.store.preset(Key::FontSize, size);
    }
    test.store.preset(Key::FontColor, "255");
    test.store.preset(Key::FontBold, "True");
    test.store.preset(Key::FontItalic, "False");
}

const FontSpec kAnswer = spec("DejaVu Sans Mono", 24, 0x00FF00, true, false);

const QList<test::KeyText> kAnswerWrites{{"FontName", "DejaVu Sans Mono"},
                                         {"FontSize", "24"},
                                         {"FontColor", "65280"},
                                         {"FontBold", "False"},
                                         {"FontItalic", "True"}};

// Each font key with its text before the click (presetFont with size 12) and after it (kAnswer).
struct FontKeyTexts {
    Key key;
    const char* before;
    const char* after;
};

const FontKeyTexts kFontKeyTexts[] = {
    {Key::FontName, "Liberation Serif", "DejaVu Sans Mono"},
    {Key::FontSize, "12", "24"},
    {Key::FontColor, "255", "65280"},
    {Key::FontBold, "True", "False"},
    {Key::FontItalic, "False", "True"},
};

} // namespace

class FontAndDonationTest : public QObject {
    Q_OBJECT

private slots:
    void theDialogStartsFromTheLabelsFont_data();
    void theDialogStartsFromTheLabelsFont();
    void theChoiceIsAppliedAndStoredInOrder();
    void anUnchangedChoiceIsStoredAllTheSame();
    void aFailingWriteIsSkippedAndTheRestGoOn_data();
    void aFailingWriteIsSkippedAndTheRestGoOn();
    void aValueTheLabelRefusesIsStoredAllTheSame();
    void aCancelledDialogChangesNothing();
    void eachClickOnThePictureHandsOverTheAddressOnce();
};

void FontAndDonationTest::theDialogStartsFromTheLabelsFont_data() {
    QTest::addColumn<QString>("storedSize");
    QTest::addColumn<int>("offeredSize");

    QTest::newRow("the design's 15.75") << "15.75" << 16;
    QTest::newRow("8.25") << "8.25" << 8;
    QTest::newRow("a tie goes down to even") << "10.5" << 10;
    QTest::newRow("a tie goes up to even") << "11.5" << 12;
    QTest::newRow("none stored: 100") << "" << 100;
}

void FontAndDonationTest::theDialogStartsFromTheLabelsFont() {
    QFETCH(QString, storedSize);
    QFETCH(int, offeredSize);
    test::TestProgram test;
    const std::string size = storedSize.toStdString();
    presetFont(test, storedSize.isEmpty() ? nullptr : size.c_str());
    // A window size of its own: a first start would fit the text, and so the font, to the screen.
    test.store.preset(Key::Width, "6000");
    test.store.preset(Key::Height, "2250");
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    window.show();

    QTest::mouseClick(window.cmdFont, Qt::LeftButton);

    QCOMPARE(test.fontDialogOffers.size(), std::size_t{1});
    const FontSpec expected =
        spec("Liberation Serif", static_cast<std::int16_t>(offeredSize), 255, false, true);
    QVERIFY2(test.fontDialogOffers.front() == expected,
             qPrintable(describe(test.fontDialogOffers.front())));
    QCOMPARE(test.fontDialogOwners, std::vector<const QWidget*>{window.get()});
}

void FontAndDonationTest::theChoiceIsAppliedAndStoredInOrder() {
    test::TestProgram test;
    presetFont(test, "15.75");
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    test.fontDialogAnswer = kAnswer;
    std::optional<LabelFont> labelWhileOpen;
    test.onFontDialog = [&] {
        labelWhileOpen = labelFont(*timer);
    };
    test.store.forget();

    QTest::mouseClick(window.cmdFont, Qt::LeftButton);

    QVERIFY(labelWhileOpen);
    QVERIFY2(*labelWhileOpen ==
                 (LabelFont{QStringLiteral("Liberation Serif"), 15.75f, 255, false, true}),
             qPrintable(describe(*labelWhileOpen)));
    QCOMPARE(test.store.writes(), kAnswerWrites);
    QVERIFY2(labelFont(*timer) == labelFont(kAnswer), qPrintable(describe(labelFont(*timer))));
    QVERIFY(test.writeFailureReports.empty());
}

void FontAndDonationTest::anUnchangedChoiceIsStoredAllTheSame() {
    test::TestProgram test;
    presetFont(test, "16");
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    test.fontDialogAnswer = spec("Liberation Serif", 16, 255, false, true);
    test.store.forget();

    QTest::mouseClick(window.cmdFont, Qt::LeftButton);

    const QList<test::KeyText> expected{{"FontName", "Liberation Serif"},
                                        {"FontSize", "16"},
                                        {"FontColor", "255"},
                                        {"FontBold", "True"},
                                        {"FontItalic", "False"}};
    QCOMPARE(test.store.writes(), expected);
}

void FontAndDonationTest::aFailingWriteIsSkippedAndTheRestGoOn_data() {
    QTest::addColumn<Key>("failing");
    for (const FontKeyTexts& texts : kFontKeyTexts) {
        QTest::newRow(std::string{keyName(texts.key)}.c_str()) << texts.key;
    }
}

void FontAndDonationTest::aFailingWriteIsSkippedAndTheRestGoOn() {
    QFETCH(Key, failing);
    test::TestProgram test;
    presetFont(test, "12");
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    test.fontDialogAnswer = kAnswer;
    test.store.failWrites(failing, "the disk is full");
    test.store.forget();

    QTest::mouseClick(window.cmdFont, Qt::LeftButton);

    QCOMPARE(test.store.writes(), kAnswerWrites);
    for (const FontKeyTexts& texts : kFontKeyTexts) {
        QCOMPARE(test.store.stored(texts.key),
                 std::optional<std::string>{texts.key == failing ? texts.before : texts.after});
    }
    QCOMPARE(test.writeFailureReports.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(test.writeFailureReports.front())
                .contains(QString::fromUtf8(keyName(failing).data())));
    QVERIFY2(labelFont(*timer) == labelFont(kAnswer), qPrintable(describe(labelFont(*timer))));
}

void FontAndDonationTest::aValueTheLabelRefusesIsStoredAllTheSame() {
    test::TestProgram test;
    presetFont(test, "12");
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    // No colour value takes more than 24 bits; the label keeps its own.
    test.fontDialogAnswer = spec("DejaVu Sans Mono", 24, 0x1000000, true, false);
    test.store.forget();

    QTest::mouseClick(window.cmdFont, Qt::LeftButton);

    QCOMPARE(timer.Label1->ForeColor(), 255);
    QCOMPARE(test.store.stored(Key::FontColor), std::optional<std::string>{"16777216"});
    QCOMPARE(timer.Label1->FontName(), QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(timer.Label1->FontSize(), 24.0f);
    QVERIFY(timer.Label1->FontItalic());
    QVERIFY(!timer.Label1->FontBold());
    QCOMPARE(test.store.writes().size(), 5);
}

void FontAndDonationTest::aCancelledDialogChangesNothing() {
    test::TestProgram test;
    presetFont(test, "15.75");
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    const LabelFont before = labelFont(*timer);
    test.fontDialogAnswer = std::nullopt;
    test.store.forget();

    QTest::mouseClick(window.cmdFont, Qt::LeftButton);

    QCOMPARE(test.fontDialogOffers.size(), std::size_t{1});
    QVERIFY2(test.store.writes().isEmpty(), qPrintable(test.store.writesText()));
    QVERIFY2(labelFont(*timer) == before, qPrintable(describe(labelFont(*timer))));
    QCOMPARE(test.store.stored(Key::FontName), std::optional<std::string>{"Liberation Serif"});
}

void FontAndDonationTest::eachClickOnThePictureHandsOverTheAddressOnce() {
    test::TestProgram test;
    const auto timer = test::startTimerWindow(test);
    test::LoadedSettingsWindow window(test);
    window.show();
    test.store.forget();
    const std::string address = donationAddress();

    QTest::mouseClick(window.Picture1, Qt::LeftButton);
    QCOMPARE(test.openedAddresses, std::vector<std::string>{address});

    QTest::mouseClick(window.Picture1, Qt::LeftButton);
    QCOMPARE(test.openedAddresses, (std::vector<std::string>{address, address}));

    // A press that leaves the picture before its release is no click.
    QTest::mousePress(window.Picture1, Qt::LeftButton);
    QTest::mouseRelease(window.Picture1, Qt::LeftButton, {},
                        window.Picture1->rect().bottomRight() + QPoint(5, 5));
    QCOMPARE(test.openedAddresses.size(), std::size_t{2});

    window.Picture1->setFocus();
    QTest::keyClick(window.Picture1, Qt::Key_Space);
    QCOMPARE(test.openedAddresses, (std::vector<std::string>{address, address, address}));

    QVERIFY2(test.store.accesses().empty(), "the picture reads and stores nothing");
    QCOMPARE(test.fontDialogOffers.size(), std::size_t{0});
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::FontAndDonationTest)
#include "FontAndDonationTest.moc"
