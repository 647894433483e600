#include "TrayIcon.h"

#include "FormsEngine.h"
#include "SessionAutostart.h"
#include "TimeComesNotifier.h"
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTimer>

namespace tavrio {

TrayIcon::TrayIcon(FormsEngine& forms, TimeComesNotifier& notifier, SessionAutostart& autostart)
    : forms_(forms)
    , notifier_(notifier)
    , autostart_(autostart)
    , menu_(new QMenu)
    , icon_(new QSystemTrayIcon(QApplication::windowIcon(), this)) {
    //: Tray menu: opens the settings window.
    settingsAction = menu_->addAction(tr("Settings"));
    //: Tray menu: brings the timer windows back onto the screen, opaque, in front.
    showTimerAction = menu_->addAction(tr("Show Timer Window"));
    //: Tray menu: makes another countdown, with a timer window of its own.
    newCountdownAction = menu_->addAction(tr("New Countdown"));
    extrasSeparator_ = menu_->addSeparator();
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
    connect(showTimerAction, &QAction::triggered, this, [this] { forms_.bringBackTimerWindows(); });
    // Beside the last countdown's window, as the one made before it was beside its own.
    connect(newCountdownAction, &QAction::triggered, this,
            [this] { forms_.newCountdown(*forms_.countdowns().back()); });
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
    connect(menu_, &QMenu::aboutToShow, this, &TrayIcon::listCountdowns);
    connect(&forms_, &FormsEngine::displayed, this, &TrayIcon::noteDisplay);
    connect(&forms_, &FormsEngine::countdownRemoved, this, [this](const std::string& group) {
        shown_.erase(group);
        showDisplays();
    });
    refreshChecks();

    icon_->setContextMenu(menu_);
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
                    forms_.bringBackTimerWindows();
                }
            });
}

TrayIcon::~TrayIcon() {
    delete menu_;
}

void TrayIcon::show() {
    icon_->show();
}

// One countdown as its timer window shows it, caption above text; several a line each.
void TrayIcon::setDisplay(const QList<std::pair<QString, QString>>& countdowns) {
    QStringList lines;
    for (const auto& [caption, text] : countdowns) {
        lines << (countdowns.size() == 1 ? caption + u'\n' + text : caption + u'\t' + text);
    }
    const QString tip = lines.join(u'\n');
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

void TrayIcon::noteDisplay(const CountdownState& countdown, const QString& caption,
                           const QString& text) {
    shown_[countdown.group] = {caption, text};
    if (!showDue_) {
        showDue_ = true;
        QTimer::singleShot(0, this, &TrayIcon::showDisplays);
    }
}

void TrayIcon::showDisplays() {
    showDue_ = false;
    QList<std::pair<QString, QString>> displays;
    for (const CountdownState* countdown : forms_.countdowns()) {
        if (const auto found = shown_.find(countdown->group); found != shown_.end()) {
            displays.append(found->second);
        }
    }
    setDisplay(displays);
}

void TrayIcon::listCountdowns() {
    qDeleteAll(countdownActions_);
    countdownActions_.clear();
    const std::vector<CountdownState*> countdowns = forms_.countdowns();
    if (countdowns.size() < 2) {
        return;
    }
    for (CountdownState* countdown : countdowns) {
        const frmMain* timer = forms_.timerWindow(*countdown);
        if (timer == nullptr) {
            continue;
        }
        // A title is shown as typed: an "&" in it is no mnemonic.
        QString caption = timer->windowTitle();
        auto* action = new QAction(caption.replace(u'&', QStringLiteral("&&")), menu_);
        connect(action, &QAction::triggered, this,
                [this, countdown] { forms_.bringBackTimerWindow(*countdown); });
        menu_->insertAction(extrasSeparator_, action);
        countdownActions_.append(action);
    }
}

void TrayIcon::refreshChecks() {
    notifyAction->setChecked(notifier_.enabled());
    autostartAction->setChecked(SessionAutostart::isSupported() && autostart_.isEnabled());
}

} // namespace tavrio
