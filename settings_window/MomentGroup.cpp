#include "MomentGroup.h"

#include "ProgramTexts.h"
#include "SettingsWindowDesign.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QWheelEvent>

namespace tavrio {

namespace {

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
        designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "When the time comes")), &page);
    group->setObjectName(QStringLiteral("fraMoment"));
    auto* form = new QFormLayout(group);
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    //: Check box: a sound plays once when the countdown reaches its target. One letter is the
    //: mnemonic (&), unique among this group's three.
    auto* sound = new QCheckBox(
        designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "&Sound when the time comes")));
    sound->setObjectName(QStringLiteral("chkSound"));
    sound->setAccessibleName(spokenCaption(sound->text()));
    form->addRow(sound);
    //: Caption of the list of what the timer window shows once the target has passed: the
    //: words shown at the target, or the time since it. Mnemonic (&) as for the sound.
    QComboBox* after =
        addList(*form, "cboAfter",
                designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "&After the target:")),
                {displayText({Countdown::State::Passed, {}}),
                 //: An entry of the list after the target: the timer window shows the time since
                 //: the target, "+0:00:05:12".
                 designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Count up"))});
    //: Caption of the list of how the target repeats. Mnemonic (&) as for the sound.
    QComboBox* repeat = addList(
        *form, "cboRepeat", designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "&Repeat:")),
        //: An entry of the list of how the target repeats: it does not.
        {designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Never")),
         //: An entry of the list of how the target repeats: at the same time the next day.
         designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Every day")),
         //: An entry of the list of how the target repeats: Monday to Friday.
         designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Every weekday")),
         //: An entry of the list of how the target repeats: on the same weekday.
         designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Every week")),
         //: An entry of the list of how the target repeats: on the same day of the month.
         designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Every month")),
         //: An entry of the list of how the target repeats: on the same day of the year.
         designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Every year"))});

    const int width = page.width() - 2 * kDesignMargin;
    const int height = group->heightForWidth(width);
    group->setGeometry(kDesignMargin, page.height(), width,
                       height > 0 ? height : group->sizeHint().height());
    // At once, as the other controls are placed, not only when the window is first shown.
    form->activate();
    page.resize(page.width(), group->geometry().bottom() + 1 + kDesignMargin);
    QWidget::setTabOrder(&lastInTabOrder, sound);
    QWidget::setTabOrder(sound, after);
    QWidget::setTabOrder(after, repeat);
}

} // namespace tavrio
