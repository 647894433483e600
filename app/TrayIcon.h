// The tray icon, where the desktop has a system tray: the way back to a timer window made
// invisible, click-through or lost off-screen, and the desktop extras (notification, starting
// with the session). Its tooltip shows the title and the countdown.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace tavrio {

class FormsEngine;
class SessionAutostart;
class TimeComesNotifier;

class TrayIcon : public QObject {
    Q_OBJECT

public:
    TrayIcon(FormsEngine& forms, TimeComesNotifier& notifier, SessionAutostart& autostart);
    ~TrayIcon() override;

    // The menu's items, in order: "Settings", "Show Timer Window", "Notify When Time Comes",
    // "Start With Session", "Exit".
    QMenu* menu() const { return menu_; }
    QAction* settingsAction;
    QAction* showTimerAction;
    QAction* notifyAction;
    QAction* autostartAction;
    QAction* exitAction;

    void show();
    // The title and the countdown as the timer window shows them.
    void setDisplay(const QString& title, const QString& text);
    QString toolTip() const;
    // A notice beside the icon, the tray's own notification (Windows' balloon or toast).
    void showNotice(const QString& summary, const QString& body);

private:
    void refreshChecks();

    FormsEngine& forms_;
    TimeComesNotifier& notifier_;
    SessionAutostart& autostart_;
    QMenu* menu_;
    QSystemTrayIcon* icon_;
};

} // namespace tavrio
