#include "SettingsWindowAccessible.h"

#include "CalendarGridAccessible.h"
#include "DonationPicture.h"
#include "MonthCalendar.h"
#include "frmSettings.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

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

QAccessibleInterface* settingsWindowAccessible(const QString&, QObject* object) {
    if (auto* window = qobject_cast<frmSettings*>(object)) {
        // A top-level widget's name is its caption.
        return new QAccessibleWidget(window, QAccessible::Dialog);
    }
    if (auto* picture = qobject_cast<DonationPicture*>(object)) {
        return new DonationPictureAccessible(picture);
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(object)) {
        if (auto* calendar = qobject_cast<MonthCalendar*>(view->parent())) {
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
