// The tray icon, where the desktop has a system tray: the way back to a timer window made
// invisible, click-through or lost off-screen, a new countdown, and the desktop extras
// (notification, starting with the session). Its tooltip shows each countdown's title and time
// left; with several countdowns its menu lists them, each bringing its window back.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <map>
#include <string>
#include <utility>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace tavrio {

struct CountdownState;
class FormsEngine;
class SessionAutostart;
class TimeComesNotifier;

class TrayIcon : public QObject {
    Q_OBJECT

public:
    TrayIcon(FormsEngine& forms, TimeComesNotifier& notifier, SessionAutostart& autostart);
    ~TrayIcon() override;

    // The menu's items, in order: "Settings", "Show Timer Window", "New Countdown", with several
    // countdowns one item for each, "Notify When Time Comes", "Start With Session", "Exit".
    QMenu* menu() const { return menu_; }
    QAction* settingsAction;
    QAction* showTimerAction;
    QAction* newCountdownAction;
    QAction* notifyAction;
    QAction* autostartAction;
    QAction* exitAction;

    void show();
    // Each countdown's caption and text as its timer window shows them, in order.
    void setDisplay(const QList<std::pair<QString, QString>>& countdowns);
    QString toolTip() const;
    // A notice beside the icon, the tray's own notification (Windows' balloon or toast).
    void showNotice(const QString& summary, const QString& body);

private:
    void refreshChecks();
    // Follows the timer windows' displays: the tooltip is set once for all of them, after the
    // tick that refreshed them.
    void noteDisplay(const CountdownState& countdown, const QString& caption, const QString& text);
    void showDisplays();
    // One item for each countdown while there are several, before the extras.
    void listCountdowns();

    FormsEngine& forms_;
    TimeComesNotifier& notifier_;
    SessionAutostart& autostart_;
    QMenu* menu_;
    QAction* extrasSeparator_;
    QList<QAction*> countdownActions_;
    // Each countdown's caption and text as last shown, by its group.
    std::map<std::string, std::pair<QString, QString>> shown_;
    bool showDue_ = false;
    QSystemTrayIcon* icon_;
};

} // namespace tavrio
