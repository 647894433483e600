#include "SettingsWindowAccessible.h"

#include "CalendarGridAccessible.h"
#include "DonationPicture.h"
#include "frmSettings.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCalendarWidget>
#include <QComboBox>

namespace tavrio {

namespace {

// The donation picture opens the donation page: a link, pressed as a click presses it.
class DonationPictureAccessible : public QAccessibleWidget {
public:
    explicit DonationPictureAccessible(DonationPicture* picture)
        : QAccessibleWidget(picture, QAccessible::Link) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            static_cast<DonationPicture*>(widget())->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) {
            return {QStringLiteral("Space")};
        }
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

// A drop-down list named as its label names it. On Linux Qt names a list by its chosen entry (it
// leaves the label to a relation that screen readers do not all follow): the border-style list
// read as "5 Sizable Toolwindow", not as what it sets.
class NamedListAccessible : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value ||
            (kind == QAccessible::Name && list()->accessibleName().isEmpty())) {
            return list()->currentText();
        }
        return QAccessibleWidget::text(kind);
    }

    // Its entries, as Qt's own offers them.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            list()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* settingsWindowAccessible(const QString&, QObject* object) {
    if (auto* window = qobject_cast<frmSettings*>(object)) {
        // A top-level widget's name is its caption.
        return new QAccessibleWidget(window, QAccessible::Dialog);
    }
    if (auto* picture = qobject_cast<DonationPicture*>(object)) {
        return new DonationPictureAccessible(picture);
    }
    if (auto* list = qobject_cast<QComboBox*>(object); list != nullptr && !list->isEditable()) {
        return new NamedListAccessible(list);
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(object)) {
        // Asked for while the calendar is still being made, when it is no MonthCalendar yet: a
        // running screen reader asks at once, and the first answer stays.
        if (auto* calendar = qobject_cast<QCalendarWidget*>(view->parent())) {
            return new CalendarGridAccessible(view, calendar);
        }
    }
    return nullptr;
}

} // namespace

void installSettingsWindowAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(settingsWindowAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace tavrio
