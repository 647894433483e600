#include "TrayIcon.h"

#include "FormsEngine.h"
#include "SessionAutostart.h"
#include "TimeComesNotifier.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>

namespace tavrio {

TrayIcon::TrayIcon(FormsEngine& forms, TimeComesNotifier& notifier, SessionAutostart& autostart)
    : forms_(forms)
    , notifier_(notifier)
    , autostart_(autostart)
    , menu_(new QMenu)
    , icon_(new QSystemTrayIcon(QApplication::windowIcon(), this)) {
    //: Tray menu: opens the settings window.
    settingsAction = menu_->addAction(tr("Settings"));
    //: Tray menu: brings the timer window back onto the screen, opaque, in front.
    showTimerAction = menu_->addAction(tr("Show Timer Window"));
    menu_->addSeparator();
    //: Tray menu, a check mark: a desktop notification when the countdown reaches its target.
    notifyAction = menu_->addAction(tr("Notify When Time Comes"));
    notifyAction->setCheckable(true);
    //: Tray menu, a check mark: Tavrio starts when the user logs in.
    autostartAction = menu_->addAction(tr("Start With Session"));
    autostartAction->setCheckable(true);
    autostartAction->setVisible(SessionAutostart::isSupported());
    menu_->addSeparator();
    //: Tray menu: ends the program.
    exitAction = menu_->addAction(tr("Exit"));

    connect(settingsAction, &QAction::triggered, this,
            [this] { forms_.showSettingsWindow(forms_.firstCountdown()); });
    connect(showTimerAction, &QAction::triggered, this,
            [this] { forms_.bringBackTimerWindow(forms_.firstCountdown()); });
    connect(notifyAction, &QAction::triggered, this,
            [this](bool checked) { notifier_.setEnabled(checked); });
    connect(autostartAction, &QAction::triggered, this, [this](bool checked) {
        if (const auto problem = autostart_.setEnabled(checked)) {
            QMessageBox::warning(nullptr, QStringLiteral("Tavrio"), *problem);
        }
        refreshChecks();
    });
    connect(exitAction, &QAction::triggered, this, [this] { forms_.endProgram(); });
    // Both states live elsewhere (the store, the autostart file) and may change behind our back.
    connect(menu_, &QMenu::aboutToShow, this, &TrayIcon::refreshChecks);
    refreshChecks();

    icon_->setContextMenu(menu_);
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
                    forms_.bringBackTimerWindow(forms_.firstCountdown());
                }
            });
}

TrayIcon::~TrayIcon() {
    delete menu_;
}

void TrayIcon::show() {
    icon_->show();
}

void TrayIcon::setDisplay(const QString& title, const QString& text) {
    const QString tip = title + u'\n' + text;
    if (icon_->toolTip() != tip) {
        icon_->setToolTip(tip);
    }
}

void TrayIcon::showNotice(const QString& summary, const QString& body) {
    icon_->showMessage(summary, body);
}

QString TrayIcon::toolTip() const {
    return icon_->toolTip();
}

void TrayIcon::refreshChecks() {
    notifyAction->setChecked(notifier_.enabled());
    autostartAction->setChecked(SessionAutostart::isSupported() && autostart_.isEnabled());
}

} // namespace tavrio
