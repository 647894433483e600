// The program speaks the user's language: its own texts, and Qt's beside them (standard buttons,
// the colour dialog, the command line's usage), in the first of the user's languages that Tavrio
// has, else in English. The user's languages are LANGUAGE, then LC_ALL, LC_MESSAGES and LANG, as
// QLocale::uiLanguages() reads them. Dates, times and numbers are no matter of the language:
// they keep following the regional settings.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace tavrio {

class ProgramLanguage {
public:
    // Installs the translations for the locale's languages in the application, which must exist;
    // they are removed again when this goes.
    explicit ProgramLanguage(const QLocale& locale = QLocale::system());

    ~ProgramLanguage();
    ProgramLanguage(const ProgramLanguage&) = delete;
    ProgramLanguage& operator=(const ProgramLanguage&) = delete;

    // The language the program speaks, as its translation names it ("de", "pt_BR"); "en" when it
    // speaks English.
    QString name() const;

    // The languages Tavrio comes with, English among them.
    static QStringList shipped();

    // The language of the translations installed now, as name() gives it; "en" when none are.
    static QString current();

private:
    static const ProgramLanguage* installed_;
    const ProgramLanguage* previous_ = nullptr;

    QTranslator program_;
    QTranslator qt_;
};

} // namespace tavrio
