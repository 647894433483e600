#include "MomentGroup.h"

#include "ProgramTexts.h"
#include "SettingsWindowDesign.h"
#include "Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QWheelEvent>

namespace tavrio {

namespace {

// The design's margin, kept around the group.
constexpr int kMargin = 240 / kTwipsPerPixel;

QString translated(const char* text) {
    return QCoreApplication::translate("tavrio::frmSettings", text);
}

// The wheel over a closed list is left to the page, which scrolls: it would pick entry after entry
// and store each, where the user only meant to scroll past.
class ListPassingTheWheel : public QComboBox {
protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

// The list, named as its caption names it, in the group's form beside the caption.
QComboBox* addList(QFormLayout& form, const char* name, const QString& caption,
                   const QStringList& entries) {
    auto* list = new ListPassingTheWheel;
    list->setObjectName(QLatin1StringView(name));
    list->addItems(entries);
    list->setAccessibleName(spokenCaption(caption));
    auto* label = new QLabel(caption);
    label->setBuddy(list);
    form.addRow(label, list);
    return list;
}

} // namespace

void addMomentGroup(QWidget& page, QWidget& lastInTabOrder) {
    //: The settings window's group of choices for the moment the countdown reaches its target.
    auto* group = new QGroupBox(
        translated(QT_TRANSLATE_NOOP("tavrio::frmSettings", "When the time comes")), &page);
    group->setObjectName(QStringLiteral("fraMoment"));
    auto* form = new QFormLayout(group);
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    //: Check box: a sound plays once when the countdown reaches its target. One letter is the
    //: mnemonic (&), unique among this group's three.
    auto* sound = new QCheckBox(
        translated(QT_TRANSLATE_NOOP("tavrio::frmSettings", "&Sound when the time comes")));
    sound->setObjectName(QStringLiteral("chkSound"));
    sound->setAccessibleName(spokenCaption(sound->text()));
    form->addRow(sound);
    //: Caption of the list of what the timer window shows once the target has passed: the
    //: words shown at the target, or the time since it. Mnemonic (&) as for the sound.
    QComboBox* after =
        addList(*form, "cboAfter",
                translated(QT_TRANSLATE_NOOP("tavrio::frmSettings", "&After the target:")),
                {displayText({Countdown::State::Passed, {}}),
                 //: An entry of the list after the target: the timer window shows the time since
                 //: the target, "+0:00:05:12".
                 translated(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Count up"))});
    //: Caption of the list of how the target repeats. Mnemonic (&) as for the sound.
    QComboBox* repeat = addList(
        *form, "cboRepeat", translated(QT_TRANSLATE_NOOP("tavrio::frmSettings", "&Repeat:")),
        //: An entry of the list of how the target repeats: it does not.
        {translated(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Never")),
         //: An entry of the list of how the target repeats: at the same time the next day.
         translated(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Every day")),
         //: An entry of the list of how the target repeats: Monday to Friday.
         translated(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Every weekday")),
         //: An entry of the list of how the target repeats: on the same weekday.
         translated(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Every week")),
         //: An entry of the list of how the target repeats: on the same day of the month.
         translated(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Every month")),
         //: An entry of the list of how the target repeats: on the same day of the year.
         translated(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Every year"))});

    const int width = page.width() - 2 * kMargin;
    const int height = group->heightForWidth(width);
    group->setGeometry(kMargin, page.height(), width,
                       height > 0 ? height : group->sizeHint().height());
    // At once, as the other controls are placed, not only when the window is first shown.
    form->activate();
    page.resize(page.width(), group->geometry().bottom() + 1 + kMargin);
    QWidget::setTabOrder(&lastInTabOrder, sound);
    QWidget::setTabOrder(sound, after);
    QWidget::setTabOrder(after, repeat);
}

} // namespace tavrio
