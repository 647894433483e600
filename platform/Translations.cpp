#include "Translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tavrio {

void installTranslations() {
    auto* english = new QTranslator(QCoreApplication::instance());
    if (english->load(QStringLiteral(":/i18n/tavrio_en.qm"))) {
        QCoreApplication::installTranslator(english);
    } else {
        delete english;
    }
}

} // namespace tavrio
