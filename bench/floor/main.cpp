// The benchmark's floor: about the least a Qt program can do to keep a once-a-second countdown
// in an always-on-top tool window. A label, a repeating one-second timer, nothing else.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    QLabel label;
    label.setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    label.setWindowTitle(QStringLiteral("Tavrio floor"));
    label.setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(24);
    font.setBold(true);
    label.setFont(font);
    // Tavrio's design client size.
    label.resize(312, 94);

    const QDateTime target = QDateTime::currentDateTime().addDays(3);
    const auto tick = [&] {
        const qint64 left = QDateTime::currentDateTime().secsTo(target);
        const auto twoDigits = [](qint64 value) {
            return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
        };
        label.setText(
            QStringLiteral("%1:%2:%3:%4")
                .arg(left / 86400)
                .arg(twoDigits(left / 3600 % 24), twoDigits(left / 60 % 60), twoDigits(left % 60)));
    };
    tick();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &timer, tick);
    timer.start(1000);

    label.show();
    return QApplication::exec();
}
