// The font dialog as the user works it: which faces, styles and sizes it offers and takes, the
// colours, what it starts from, and what it gives back on OK and on Cancel.
#include "FontDialog.h"

#include "ColorValue.h"
#include "ShowFontDialog.h"
#include "WidgetTestMain.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <optional>
#include <utility>

namespace tavrio {

namespace {

QStringList styleTexts(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) {
        texts << list.item(row)->text();
    }
    return texts;
}

QString currentText(const QListWidget& list) {
    return list.currentItem() ? list.currentItem()->text() : QString{};
}

bool hasStyle(const QString& family, bool bold, bool italic) {
    for (const QString& style : QFontDatabase::styles(family)) {
        if (isBoldWeight(QFontDatabase::weight(family, style)) == bold &&
            QFontDatabase::italic(family, style) == italic) {
            return true;
        }
    }
    return false;
}

// Installed faces that have all four of regular, bold, italic and bold italic, named as the
// dialog names them.
QStringList fullFamilies() {
    QStringList families;
    for (const QString& foundryFamily : QFontDatabase::families()) {
        const QString family = foundryFamily.section(QStringLiteral(" ["), 0, 0);
        if (!QFontDatabase::isPrivateFamily(foundryFamily) && !families.contains(family) &&
            hasStyle(family, false, false) && hasStyle(family, true, false) &&
            hasStyle(family, false, true) && hasStyle(family, true, true)) {
            families << family;
        }
    }
    return families;
}

FontSpec spec(const QString& name, std::int16_t size, std::int32_t color = 0, bool italic = false,
              bool bold = false) {
    return FontSpec{name.toStdString(), size, color, italic, bold};
}

void selectFace(FontDialog& dialog, const QString& family) {
    const auto found = dialog.faceList->findItems(family, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(family));
    dialog.faceList->setCurrentItem(found.first());
}

void typeSize(FontDialog& dialog, const QString& text) {
    dialog.sizeEdit->setFocus();
    dialog.sizeEdit->selectAll();
    QTest::keyClick(dialog.sizeEdit, Qt::Key_Delete);
    QTest::keyClicks(dialog.sizeEdit, text);
}

QToolButton* swatchNamed(const FontDialog& dialog, const QString& name) {
    for (QToolButton* swatch : dialog.colorSwatches) {
        if (swatch->accessibleName() == name) {
            return swatch;
        }
    }
    return nullptr;
}

int checkedSwatches(const FontDialog& dialog) {
    int checked = 0;
    for (const QToolButton* swatch : dialog.colorSwatches) {
        checked += swatch->isChecked() ? 1 : 0;
    }
    return checked;
}

} // namespace

class FontDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startsFromTheFont_data();
    void startsFromTheFont();
    void aFaceThatIsNotInstalledStartsAsItsStandIn_data();
    void aFaceThatIsNotInstalledStartsAsItsStandIn();
    void offersOnlyTheStylesEachFaceHas();
    void stylesGoFromLightToHeavyUprightFirst();
    void anotherFaceKeepsTheWeightAndSlant();
    void takesSizesFrom10To72Only_data();
    void takesSizesFrom10To72Only();
    void theSizeListStaysWithinTheLimits();
    void aStartingSizeOutsideTheLimitsStartsAtTheNearest();
    void okTakesOnlyAWholeChoice();
    void theStandardColours_data();
    void theStandardColours();
    void aCustomColour();
    void theSampleShowsTheChoice();
    void everyControlIsNamedAndReachable();
    void showFontDialogReturnsTheChoiceOnOk();
    void showFontDialogReturnsNoneOnCancel();
    void showFontDialogOpensBesideWhatItMustNotCover_data();
    void showFontDialogOpensBesideWhatItMustNotCover();

private:
    QStringList families_;
};

void FontDialogTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    families_ = fullFamilies();
    if (families_.size() < 2) {
        QSKIP("needs two installed faces with regular, bold, italic and bold italic styles");
    }
}

void FontDialogTest::startsFromTheFont_data() {
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("color");
    QTest::addColumn<QString>("swatch");

    QTest::newRow("regular, listed size, black") << false << false << 16 << 0 << "Black";
    QTest::newRow("bold, red") << true << false << 12 << 0x0000FF << "Red";
    QTest::newRow("italic, unlisted size, navy") << false << true << 13 << 0x800000 << "Navy";
    QTest::newRow("bold italic, largest, custom") << true << true << 72 << 0x123456 << "";
}

void FontDialogTest::startsFromTheFont() {
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(int, size);
    QFETCH(int, color);
    QFETCH(QString, swatch);
    const QString family = families_.at(1);

    const FontSpec initial = spec(family, static_cast<std::int16_t>(size), color, italic, bold);
    FontDialog dialog(initial, nullptr);

    QCOMPARE(currentText(*dialog.faceList), family);
    QVERIFY(dialog.styleList->currentItem());
    QCOMPARE(dialog.sizeEdit->text(), QString::number(size));
    QCOMPARE(currentText(*dialog.sizeList),
             dialog.sizeList->findItems(QString::number(size), Qt::MatchExactly).isEmpty()
                 ? QString{}
                 : QString::number(size));
    if (swatch.isEmpty()) {
        QCOMPARE(checkedSwatches(dialog), 0);
    } else {
        QCOMPARE(checkedSwatches(dialog), 1);
        QVERIFY(swatchNamed(dialog, swatch)->isChecked());
    }
    QVERIFY(dialog.okButton()->isEnabled());
    const auto chosen = dialog.chosen();
    QVERIFY(chosen);
    QVERIFY(*chosen == initial);
}

void FontDialogTest::aFaceThatIsNotInstalledStartsAsItsStandIn_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("standsIn");

    QTest::newRow("no face") << ""
                             << "Times New Roman";
    QTest::newRow("not installed") << "No Such Face Anywhere"
                                   << "No Such Face Anywhere";
}

void FontDialogTest::aFaceThatIsNotInstalledStartsAsItsStandIn() {
    QFETCH(QString, name);
    QFETCH(QString, standsIn);

    FontDialog dialog(spec(name, 12), nullptr);

    QCOMPARE(currentText(*dialog.faceList), QFontInfo(QFont(standsIn)).family());
    QVERIFY(dialog.okButton()->isEnabled());
    QCOMPARE(QString::fromStdString(dialog.chosen()->Name), QFontInfo(QFont(standsIn)).family());
}

void FontDialogTest::offersOnlyTheStylesEachFaceHas() {
    FontDialog dialog(spec(families_.first(), 12), nullptr);
    QStringList faces;
    for (int row = 0; row < dialog.faceList->count(); ++row) {
        faces << dialog.faceList->item(row)->text();
    }
    // Once each, without Qt's foundry ("P052 [urw]" and "P052 [UKWN]" are one "P052").
    for (const QString& family : QFontDatabase::families()) {
        const QString name = family.section(QStringLiteral(" ["), 0, 0);
        QCOMPARE(faces.count(name), QFontDatabase::isPrivateFamily(family) ? 0 : 1);
    }

    for (const QString& face : faces) {
        selectFace(dialog, face);
        QStringList offered = styleTexts(*dialog.styleList);
        QStringList existing = QFontDatabase::styles(face);
        offered.sort();
        existing.sort();
        QCOMPARE(offered, existing);
        QVERIFY2(dialog.styleList->currentItem(), qPrintable(face));
        const auto chosen = dialog.chosen();
        QVERIFY(chosen);
        QCOMPARE(QString::fromStdString(chosen->Name), face);
        const QString style = currentText(*dialog.styleList);
        QCOMPARE(chosen->Bold, QFontDatabase::weight(face, style) > 400);
        QCOMPARE(chosen->Italic, QFontDatabase::italic(face, style));
    }
}

void FontDialogTest::stylesGoFromLightToHeavyUprightFirst() {
    FontDialog dialog(spec(families_.first(), 12), nullptr);
    for (const QString& face : families_) {
        selectFace(dialog, face);
        for (int row = 1; row < dialog.styleList->count(); ++row) {
            const QString before = dialog.styleList->item(row - 1)->text();
            const QString after = dialog.styleList->item(row)->text();
            const std::pair keyBefore{QFontDatabase::weight(face, before),
                                      QFontDatabase::italic(face, before)};
            const std::pair keyAfter{QFontDatabase::weight(face, after),
                                     QFontDatabase::italic(face, after)};
            QVERIFY2(!(keyAfter < keyBefore), qPrintable(face + QStringLiteral(": ") + before +
                                                         QStringLiteral(", ") + after));
        }
    }
}

void FontDialogTest::anotherFaceKeepsTheWeightAndSlant() {
    FontDialog dialog(spec(families_.at(0), 20, 0, true, true), nullptr);
    QVERIFY(dialog.chosen()->Bold && dialog.chosen()->Italic);

    selectFace(dialog, families_.at(1));

    const auto chosen = dialog.chosen();
    QVERIFY(chosen);
    QCOMPARE(QString::fromStdString(chosen->Name), families_.at(1));
    QVERIFY(chosen->Bold);
    QVERIFY(chosen->Italic);
    QCOMPARE(chosen->Size, 20);
}

void FontDialogTest::takesSizesFrom10To72Only_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("size"); // 0: refused

    QTest::newRow("9") << "9" << 0;
    QTest::newRow("9.9") << "9.9" << 0;
    QTest::newRow("10") << "10" << 10;
    QTest::newRow("10.5") << "10.5" << 10;
    QTest::newRow("11.5") << "11.5" << 12;
    QTest::newRow("12.5") << "12.5" << 12;
    QTest::newRow("15.75") << "15.75" << 16;
    QTest::newRow("72") << "72" << 72;
    QTest::newRow("72.5") << "72.5" << 0;
    QTest::newRow("73") << "73" << 0;
    QTest::newRow("100") << "100" << 0;
    QTest::newRow("-12") << "-12" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("letters") << "big" << 0;
}

void FontDialogTest::takesSizesFrom10To72Only() {
    QFETCH(QString, typed);
    QFETCH(int, size);
    FontDialog dialog(spec(families_.first(), 24), nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    typeSize(dialog, typed);

    QCOMPARE(dialog.sizeEdit->text(), typed);
    QCOMPARE(dialog.okButton()->isEnabled(), size != 0);
    QCOMPARE(dialog.sizeRefusal->text().isEmpty(), size != 0);
    QTest::keyClick(dialog.sizeEdit, Qt::Key_Return);
    QCOMPARE(dialog.result() == QDialog::Accepted, size != 0);
    QCOMPARE(dialog.isVisible(), size == 0);
    if (size != 0) {
        QCOMPARE(dialog.chosen()->Size, size);
    } else {
        QVERIFY(!dialog.chosen());
    }
}

void FontDialogTest::theSizeListStaysWithinTheLimits() {
    FontDialog dialog(spec(families_.first(), 24), nullptr);
    QVERIFY(dialog.sizeList->count() > 0);
    for (int row = 0; row < dialog.sizeList->count(); ++row) {
        const int size = dialog.sizeList->item(row)->text().toInt();
        QVERIFY2(size >= 10 && size <= 72, qPrintable(dialog.sizeList->item(row)->text()));
    }

    dialog.sizeList->setCurrentRow(dialog.sizeList->count() - 1);
    QCOMPARE(dialog.sizeEdit->text(), QStringLiteral("72"));
    QCOMPARE(dialog.chosen()->Size, 72);
}

// The timer window's 100-point default, and a size below the smallest.
void FontDialogTest::aStartingSizeOutsideTheLimitsStartsAtTheNearest() {
    for (const auto& [size, shown] : {std::pair{100, 72}, std::pair{8, 10}}) {
        FontDialog dialog(spec(families_.first(), static_cast<std::int16_t>(size)), nullptr);
        QCOMPARE(dialog.sizeEdit->text(), QString::number(shown));
        QVERIFY(dialog.okButton()->isEnabled());
    }
}

// A size alone is no choice: with no face or no style chosen, OK would do nothing.
void FontDialogTest::okTakesOnlyAWholeChoice() {
    for (QListWidget* const FontDialog::*list : {&FontDialog::faceList, &FontDialog::styleList}) {
        FontDialog dialog(spec(families_.first(), 24), nullptr);
        (dialog.*list)->setCurrentRow(-1);
        QVERIFY(!dialog.okButton()->isEnabled());
    }
}

void FontDialogTest::theStandardColours_data() {
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<int>("color");

    QTest::newRow("Black") << "Black" << 0x000000;
    QTest::newRow("Maroon") << "Maroon" << 0x000080;
    QTest::newRow("Red") << "Red" << 0x0000FF;
    QTest::newRow("Lime") << "Lime" << 0x00FF00;
    QTest::newRow("Navy") << "Navy" << 0x800000;
    QTest::newRow("Blue") << "Blue" << 0xFF0000;
    QTest::newRow("Silver") << "Silver" << 0xC0C0C0;
    QTest::newRow("Teal") << "Teal" << 0x808000;
    QTest::newRow("White") << "White" << 0xFFFFFF;
}

void FontDialogTest::theStandardColours() {
    QFETCH(QString, swatch);
    QFETCH(int, color);
    FontDialog dialog(spec(families_.first(), 24, 0x123456), nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.colorSwatches.size(), 16);

    QToolButton* button = swatchNamed(dialog, swatch);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(dialog.chosen()->Color, color);
    QCOMPARE(checkedSwatches(dialog), 1);
    QVERIFY(button->isChecked());
}

void FontDialogTest::aCustomColour() {
    FontDialog dialog(spec(families_.first(), 24, 0x0000FF), nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QList<QColor> offered;
    QList<QWidget*> parents;
    std::optional<QColor> answer;
    dialog.pickCustomColor = [&](QWidget* parent, QColor current) {
        parents << parent;
        offered << current;
        return answer;
    };

    QTest::mouseClick(dialog.customColorButton, Qt::LeftButton);
    QCOMPARE(offered, QList<QColor>{QColor(255, 0, 0)});
    QCOMPARE(parents, QList<QWidget*>{&dialog});
    QCOMPARE(dialog.chosen()->Color, 0x0000FF);
    QVERIFY(swatchNamed(dialog, QStringLiteral("Red"))->isChecked());

    answer = QColor(1, 2, 3);
    QTest::mouseClick(dialog.customColorButton, Qt::LeftButton);
    QCOMPARE(dialog.chosen()->Color, colorValue({1, 2, 3}));
    QCOMPARE(checkedSwatches(dialog), 0);
}

void FontDialogTest::theSampleShowsTheChoice() {
    FontDialog dialog(spec(families_.first(), 24, 0x0000FF, true, true), nullptr);
    typeSize(dialog, QStringLiteral("10.5"));
    selectFace(dialog, families_.at(1));

    const QFont font = dialog.sample->font();
    QCOMPARE(font.family(), families_.at(1));
    QCOMPARE(font.pointSizeF(), 10.5);
    QVERIFY(font.bold());
    QVERIFY(font.italic());
    QCOMPARE(dialog.sample->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

void FontDialogTest::everyControlIsNamedAndReachable() {
    FontDialog dialog(spec(families_.first(), 24), nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Font"));
    const QList<QWidget*> controls{dialog.faceList, dialog.styleList, dialog.sizeEdit,
                                   dialog.customColorButton};
    for (QWidget* control : controls) {
        QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
        QVERIFY(control->focusPolicy() & Qt::TabFocus);
    }
    for (const QToolButton* swatch : dialog.colorSwatches) {
        QVERIFY(!swatch->accessibleName().isEmpty());
        QVERIFY(swatch->focusPolicy() & Qt::TabFocus);
    }

    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.faceList->setFocus();
    const QList<QWidget*> tabOrder{dialog.styleList, dialog.sizeEdit, dialog.colorSwatches.first()};
    for (QWidget* next : tabOrder) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    dialog.customColorButton->setFocus();
    QTest::keyClick(dialog.customColorButton, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.okButton());
}

void FontDialogTest::showFontDialogReturnsTheChoiceOnOk() {
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    const QString family = families_.at(1);
    bool answered = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<FontDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answered = true;
        QCOMPARE(dialog->parentWidget(), &owner);
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        selectFace(*dialog, family);
        typeSize(*dialog, QStringLiteral("11.5"));
        QTest::mouseClick(swatchNamed(*dialog, QStringLiteral("Green")), Qt::LeftButton);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });

    const auto chosen = ShowFontDialog(owner, spec(families_.at(0), 16, 0, false, true));

    QVERIFY(answered);
    QVERIFY(chosen);
    QVERIFY(*chosen == spec(family, 12, 0x008000, false, true));
}

void FontDialogTest::showFontDialogReturnsNoneOnCancel() {
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    bool answered = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<FontDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answered = true;
        QTest::mouseClick(swatchNamed(*dialog, QStringLiteral("Green")), Qt::LeftButton);
        typeSize(*dialog, QStringLiteral("30"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });

    const auto chosen = ShowFontDialog(owner, spec(families_.at(0), 16));

    QVERIFY(answered);
    QVERIFY(!chosen);
}

void FontDialogTest::showFontDialogOpensBesideWhatItMustNotCover_data() {
    QTest::addColumn<bool>("inTheWay");
    QTest::newRow("a window where the dialog would open") << true;
    QTest::newRow("a window out of the way") << false;
}

// The timer window is kept above the dialog: a dialog opened under it could not be brought in
// front of it. Out of its way, the dialog opens centred over its owner as before.
void FontDialogTest::showFontDialogOpensBesideWhatItMustNotCover() {
    QFETCH(bool, inTheWay);
    QWidget owner;
    owner.setGeometry(60, 60, 200, 200);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    const QRect area = owner.screen()->availableGeometry();
    const QRect keptClear =
        inTheWay ? QRect(owner.frameGeometry().center() - QPoint(60, 40), QSize(120, 80))
                 : QRect(area.right() - 10, area.bottom() - 10, 10, 10);
    const auto openedAt = [&](const std::optional<QRect>& clearOf) {
        QRect opened;
        QTimer::singleShot(0, this, [&] {
            if (auto* dialog = qobject_cast<FontDialog*>(QApplication::activeModalWidget())) {
                opened = dialog->frameGeometry();
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
        });
        (void)ShowFontDialog(owner, spec(families_.at(0), 16), clearOf);
        return opened;
    };
    const QRect asBefore = openedAt(std::nullopt);

    const QRect opened = openedAt(keptClear);

    QVERIFY(opened.isValid());
    QVERIFY2(!opened.intersects(keptClear), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                           .arg(opened.x())
                                                           .arg(opened.y())
                                                           .arg(opened.width())
                                                           .arg(opened.height())));
    QVERIFY(area.contains(opened));
    QCOMPARE(opened == asBefore, !inTheWay);
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::FontDialogTest)
#include "FontDialogTest.moc"
