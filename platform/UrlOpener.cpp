#include "UrlOpener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace tavrio {

void openAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::TolerantMode));
}

} // namespace tavrio
