#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include <utility>

namespace tavrio {

namespace {

// The compiled translations are built into the program, so that a build finds them wherever it
// runs from; English has one too, for its plural forms and so that it stops the search when the
// user lists it before another language.
const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("tavrio_");
const QString kSuffix = QStringLiteral(".qm");

// "de" of "tavrio_de.qm".
QString languageOf(const QString& fileName) {
    return fileName.mid(kPrefix.size(), fileName.size() - kPrefix.size() - kSuffix.size());
}

} // namespace

const ProgramLanguage* ProgramLanguage::installed_ = nullptr;

ProgramLanguage::ProgramLanguage(const QLocale& locale) {
    // English is the fallback: its file holds the English plural forms ("1 day", "2 days").
    if (!program_.load(locale, QStringLiteral("tavrio"), QStringLiteral("_"), kFolder) &&
        !program_.load(kFolder + u'/' + kPrefix + QStringLiteral("en") + kSuffix)) {
        return;
    }
    QCoreApplication::installTranslator(&program_);
    previous_ = std::exchange(installed_, this);
    // Qt's own translations come with Qt (Debian: qt6-translations-l10n), in exactly the
    // language chosen for ours, so that a dialog never mixes two.
    const QLocale language(name());
    if (language.language() != QLocale::English &&
        qt_.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
}

ProgramLanguage::~ProgramLanguage() {
    // One made inside another's life (as a test does) gives the language back to it.
    if (installed_ == this) {
        installed_ = previous_;
    }
}

QString ProgramLanguage::name() const {
    const QString file = QFileInfo(program_.filePath()).fileName();
    return file.isEmpty() ? QStringLiteral("en") : languageOf(file);
}

QString ProgramLanguage::current() {
    return installed_ != nullptr ? installed_->name() : QStringLiteral("en");
}

QStringList ProgramLanguage::shipped() {
    QStringList languages;
    const QStringList files =
        QDir(kFolder).entryList({kPrefix + u'*' + kSuffix}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        languages << languageOf(file);
    }
    return languages;
}

} // namespace tavrio
