// What every language Tavrio ships must keep, measured from the widgets themselves: in the
// settings window every text fits its control (labels, buttons, the border-style list and its
// entries), no control overlaps another or leaves the window, and within each window and menu no
// two items share a mnemonic. The settings window is walked control by control, so texts added
// later are held to the same.
#include "FontDialog.h"
#include "FormsEngine.h"
#include "LoadedSettingsWindow.h"
#include "ProgramLanguage.h"
#include "SessionAutostart.h"
#include "TestProgram.h"
#include "TimeComesNotifier.h"
#include "TrayIcon.h"
#include "WidgetTestMain.h"
#include "frmSettings.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include <algorithm>

namespace tavrio {

namespace {

// The control as the failure names it: its kind and what it says.
QString nameOf(const QWidget& control) {
    QString says = control.accessibleName();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        says = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        says = button->text();
    }
    return QString::fromLatin1(control.metaObject()->className()) + QStringLiteral(" \"") + says +
           u'"';
}

// The room the closed list gives the text of its entry.
int comboTextRoom(const QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    option.frame = list.hasFrame();
    option.currentText = list.currentText();
    return list.style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list)
        .width();
}

// Why the control's text does not fit it, or nothing when it fits.
QString misfit(const QWidget& control) {
    const QSize size = control.size();
    if (const auto* list = qobject_cast<const QComboBox*>(&control)) {
        const int room = comboTextRoom(*list);
        for (int item = 0; item < list->count(); ++item) {
            const int wanted = list->fontMetrics().horizontalAdvance(list->itemText(item));
            if (wanted > room) {
                return QStringLiteral("entry \"%1\" needs %2 px, the list shows %3")
                    .arg(list->itemText(item))
                    .arg(wanted)
                    .arg(room);
            }
        }
        const QAbstractItemView& open = *list->view();
        const int widest = open.sizeHintForColumn(0) + 2 * open.frameWidth();
        return widest <= std::max(open.minimumWidth(), list->width())
                   ? QString()
                   : QStringLiteral("its open list is narrower than its widest entry");
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(&control)) {
        const int wanted = box->fontMetrics().horizontalAdvance(box->placeholderText());
        return wanted <= box->contentsRect().width()
                   ? QString()
                   : QStringLiteral("its placeholder needs %1 px").arg(wanted);
    }
    const auto* label = qobject_cast<const QLabel*>(&control);
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    if ((label == nullptr || label->text().isEmpty()) && button == nullptr) {
        return {};
    }
    if (control.hasHeightForWidth()) {
        const int narrowest = control.minimumSizeHint().width();
        const int height = control.heightForWidth(size.width());
        return narrowest <= size.width() && height <= size.height()
                   ? QString()
                   : QStringLiteral("needs %1 px wide (has %2) and %3 px high at that width (has "
                                    "%4)")
                         .arg(narrowest)
                         .arg(size.width())
                         .arg(height)
                         .arg(size.height());
    }
    const QSize wanted = control.sizeHint();
    // A label's text is its size hint; a button's hint adds room around it, across only.
    const bool fits =
        wanted.width() <= size.width() && (label == nullptr || wanted.height() <= size.height());
    return fits ? QString()
                : QStringLiteral("needs %1x%2 px, has %3x%4")
                      .arg(wanted.width())
                      .arg(wanted.height())
                      .arg(size.width())
                      .arg(size.height());
}

// Why the controls of `parent` do not show whole: a text that does not fit, a control out of its
// parent or over another. The page a scroll area shows and the controls of a group are walked too.
QStringList problemsIn(const QWidget& parent) {
    QList<QWidget*> controls;
    for (QWidget* control : parent.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!control->isWindow() && !control->isHidden()) {
            controls << control;
        }
    }
    QStringList problems;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QWidget& control = *controls[i];
        if (const auto* area = qobject_cast<const QScrollArea*>(&control)) {
            problems << problemsIn(*area->widget());
            continue;
        }
        if (qobject_cast<const QGroupBox*>(&control) != nullptr) {
            problems << problemsIn(control);
        } else if (const QString why = misfit(control); !why.isEmpty()) {
            problems << nameOf(control) + QStringLiteral(": ") + why;
        }
        if (!parent.rect().contains(control.geometry())) {
            problems << nameOf(control) + QStringLiteral(" reaches out of ") + nameOf(parent);
        }
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            if (control.geometry().intersects(controls[j]->geometry())) {
                problems << nameOf(control) + QStringLiteral(" overlaps ") + nameOf(*controls[j]);
            }
        }
    }
    return problems;
}

// The mnemonic letter of a text, lower case, or nothing.
QString mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

// Each mnemonic shared by two of the texts.
QStringList sharedMnemonics(const QStringList& texts) {
    QMap<QString, QString> owners;
    QStringList shared;
    for (const QString& text : texts) {
        const QString mnemonic = mnemonicOf(text);
        if (mnemonic.isEmpty()) {
            continue;
        }
        if (owners.contains(mnemonic)) {
            shared << QStringLiteral("\"%1\" and \"%2\"").arg(owners[mnemonic], text);
        }
        owners[mnemonic] = text;
    }
    return shared;
}

QStringList widgetTexts(const QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        texts << button->text();
    }
    return texts;
}

QStringList menuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << action->text();
    }
    return texts;
}

} // namespace

class EveryLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void theSettingsWindowShowsEveryTextWhole_data() { addLanguageRows(); }
    void theSettingsWindowShowsEveryTextWhole();
    void mnemonicsAreUniqueInEachWindowAndMenu_data() { addLanguageRows(); }
    void mnemonicsAreUniqueInEachWindowAndMenu();

private:
    void addLanguageRows();
};

void EveryLanguageTest::initTestCase() {
    // Tofu boxes would be measured in place of the Chinese and Japanese texts.
    QVERIFY2(!QFontDatabase::families(QFontDatabase::Japanese).isEmpty() &&
                 !QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty(),
             "no font for Chinese and Japanese: scripts/setup.sh test installs one");
    QVERIFY(ProgramLanguage::shipped().size() >= 9);
}

void EveryLanguageTest::addLanguageRows() {
    QTest::addColumn<QString>("language");
    for (const QString& language : ProgramLanguage::shipped()) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void EveryLanguageTest::theSettingsWindowShowsEveryTextWhole() {
    QFETCH(QString, language);
    const ProgramLanguage speaking{QLocale(language)};
    QCOMPARE(speaking.name(), language);
    test::TestProgram test;
    test::LoadedSettingsWindow window(test);

    const QStringList problems = problemsIn(*window);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void EveryLanguageTest::mnemonicsAreUniqueInEachWindowAndMenu() {
    QFETCH(QString, language);
    const ProgramLanguage speaking{QLocale(language)};
    test::TestProgram test;
    test::LoadedSettingsWindow window(test);
    FormsEngine forms(test.program, [] {});
    TimeComesNotifier notifier(test.program, {}, {});
    SessionAutostart autostart(QStringLiteral("org.tavrio.Tavrio"), QStringLiteral("tavrio"));
    const TrayIcon tray(forms, notifier, autostart);
    const FontDialog fontDialog(FontSpec{}, nullptr);

    const QStringList shared =
        sharedMnemonics(widgetTexts(*window)) + sharedMnemonics(menuTexts(*window.mnuFile)) +
        sharedMnemonics(menuTexts(*tray.menu())) + sharedMnemonics(widgetTexts(fontDialog));
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(u'\n')));
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::EveryLanguageTest)
#include "EveryLanguageTest.moc"
