#include "PhraseVocabularyFromLocale.h"

#include "ProgramLanguage.h"
#include "RegionalSettingsFromLocale.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

namespace tavrio {

namespace {

struct RelativeWords {
    PhraseWord word;
    const char* english;
};

// The relative words in English, each with its variants; a translation gives the language's own.
const RelativeWords kRelativeWords[] = {
    {PhraseWord::In,
     //: A target phrase, as typed in the date box or given to --target: the word before a
     //: duration, as in "in 25 min". Give every variant people use, separated by "|"; a variant
     //: may be several words. The English words are always understood as well; letter case and
     //: the accents of Latin letters do not matter.
     QT_TRANSLATE_NOOP("TargetPhrase", "in")},
    {PhraseWord::Later,
     //: A target phrase: the words after a duration, as in "25 min later" (Japanese 後).
     //: Variants separated by "|".
     QT_TRANSLATE_NOOP("TargetPhrase", "later|from now")},
    //: A target phrase: the day of today. Variants separated by "|".
    {PhraseWord::Today, QT_TRANSLATE_NOOP("TargetPhrase", "today")},
    //: A target phrase: the day after today. Variants separated by "|".
    {PhraseWord::Tomorrow, QT_TRANSLATE_NOOP("TargetPhrase", "tomorrow")},
    {PhraseWord::DayAfterTomorrow,
     //: A target phrase: the day two days after today. Variants separated by "|"; a variant
     //: may be several words.
     QT_TRANSLATE_NOOP("TargetPhrase", "day after tomorrow")},
    {PhraseWord::Next,
     //: A target phrase: before or after a weekday, as in "next friday", which is the first
     //: Friday after today, never today. Variants separated by "|" (all genders and cases). No
     //: word that means "of next week": a Friday of next week may be eleven days away.
     QT_TRANSLATE_NOOP("TargetPhrase", "next")},
    {PhraseWord::At,
     //: A target phrase: the word before a time of day, as in "tomorrow at 9", which lets a
     //: bare hour stand for the time. Variants separated by "|". Where the language puts no
     //: such word before a time, repeat the English one.
     QT_TRANSLATE_NOOP("TargetPhrase", "at")},
    //: A target phrase: 12:00 in the day. Variants separated by "|".
    {PhraseWord::Noon, QT_TRANSLATE_NOOP("TargetPhrase", "noon|midday")},
    {PhraseWord::Midnight,
     //: A target phrase: the midnight at the end of the day named: "friday midnight" is the
     //: night from Friday to Saturday. Variants separated by "|".
     QT_TRANSLATE_NOOP("TargetPhrase", "midnight")},
    {PhraseWord::Minutes,
     //: A target phrase: the unit after a number of minutes, as in "in 25 min" or "25m",
     //: in every form the number may give it. Variants separated by "|".
     QT_TRANSLATE_NOOP("TargetPhrase", "m|min|mins|minute|minutes")},
    {PhraseWord::Hours,
     //: A target phrase: the unit after a number of hours, as in "in 2 hours" or "1h30",
     //: in every form. Variants separated by "|".
     QT_TRANSLATE_NOOP("TargetPhrase", "h|hr|hrs|hour|hours")},
    {PhraseWord::Days,
     //: A target phrase: the unit after a number of days, as in "in 2 days" or "+3d", in
     //: every form. Variants separated by "|".
     QT_TRANSLATE_NOOP("TargetPhrase", "d|day|days")},
    {PhraseWord::Weeks,
     //: A target phrase: the unit after a number of weeks, as in "in 2 weeks", in every form.
     //: Variants separated by "|".
     QT_TRANSLATE_NOOP("TargetPhrase", "w|wk|wks|week|weeks")},
    {PhraseWord::OClock,
     //: A target phrase: the word or mark after the hour of a time of day, maybe followed by
     //: the minutes: "17 Uhr", "17h30", "9時". Variants separated by "|". A mark that is also a
     //: unit of hours ("h" in French) makes "2h" alone unreadable, as it could be either.
     QT_TRANSLATE_NOOP("TargetPhrase", "o'clock")},
    {PhraseWord::Filler,
     //: A target phrase: small words that may stand between its parts and mean nothing by
     //: themselves, as in "on friday", "the 24th of december", "24 de diciembre de 2027", or the
     //: marks of a year or day (年, 日). Variants separated by "|".
     QT_TRANSLATE_NOOP("TargetPhrase", "on|the|of|and|this")},
};

//: A target phrase: forms of the weekday names besides those of the calendar, which are always
//: understood: the form after a preposition (Russian "в пятницу"), colloquial or shortened
//: ones. The seven days from Monday are separated by ";", the variants of one day by "|".
const char* const kWeekdayForms = QT_TRANSLATE_NOOP(
    "TargetPhrase",
    "monday;tuesday|tues;wednesday|weds;thursday|thur|thurs;friday;saturday;sunday");

// Ordinal endings after the day of a month: "24th", "1er", "1º" (folded to "1o").
constexpr const char* kOrdinals = "st|nd|rd|th|er|o";
constexpr const char* kAm = "am|a.m.";
constexpr const char* kPm = "pm|p.m.";

void addVariants(PhraseVocabulary& vocabulary, PhraseWord word, const QString& variants,
                 int number = 0) {
    vocabulary.add(word, phraseText(variants), number);
}

void addRelativeWords(PhraseVocabulary& vocabulary) {
    for (const RelativeWords& words : kRelativeWords) {
        vocabulary.add(words.word, words.english);
        addVariants(vocabulary, words.word,
                    QCoreApplication::translate("TargetPhrase", words.english));
    }
    for (const QString& forms : {QString::fromLatin1(kWeekdayForms),
                                 QCoreApplication::translate("TargetPhrase", kWeekdayForms)}) {
        const QStringList days = forms.split(u';');
        for (qsizetype day = 0; day < days.size() && day < 7; ++day) {
            addVariants(vocabulary, PhraseWord::Weekday, days[day], static_cast<int>(day) + 1);
        }
    }
}

// The names of the months and weekdays as the locale writes them, long and short, in a date
// and standing alone (Russian "декабря" and "декабрь"), and the halves of its 12-hour clock.
void addLocaleNames(PhraseVocabulary& vocabulary, const QLocale& locale) {
    for (const QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        for (int month = 1; month <= 12; ++month) {
            addVariants(vocabulary, PhraseWord::Month, locale.monthName(month, format), month);
            addVariants(vocabulary, PhraseWord::Month, locale.standaloneMonthName(month, format),
                        month);
        }
        for (int day = 1; day <= 7; ++day) {
            addVariants(vocabulary, PhraseWord::Weekday, locale.dayName(day, format), day);
            addVariants(vocabulary, PhraseWord::Weekday, locale.standaloneDayName(day, format),
                        day);
        }
    }
    addVariants(vocabulary, PhraseWord::Am, locale.amText());
    addVariants(vocabulary, PhraseWord::Pm, locale.pmText());
}

// Marks that only add a tone to a Latin letter, or the two dots of "ё", which Russian often
// leaves out.
bool droppable(QChar base, char32_t mark) {
    if (base.script() == QChar::Script_Latin) {
        return true;
    }
    return (base == u'\u0435' || base == u'\u0415') && mark == 0x0308;
}

} // namespace

PhraseVocabulary phraseVocabulary(const QLocale& language, const QLocale& region) {
    PhraseVocabulary vocabulary;
    addRelativeWords(vocabulary);
    for (const QLocale& locale : {QLocale(QLocale::English), language, region}) {
        addLocaleNames(vocabulary, locale);
    }
    vocabulary.add(PhraseWord::Ordinal, kOrdinals);
    vocabulary.add(PhraseWord::Am, kAm);
    vocabulary.add(PhraseWord::Pm, kPm);
    const std::string separator = regionalSettingsFrom(region).timeSeparator;
    if (separator != ":") {
        vocabulary.timeSeparators.push_back(separator);
    }
    return vocabulary;
}

PhraseVocabulary phraseVocabulary() {
    return phraseVocabulary(QLocale(ProgramLanguage::current()), QLocale::system());
}

std::string phraseText(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString kept;
    kept.reserve(decomposed.size());
    QChar base;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing && droppable(base, c.unicode())) {
            continue;
        }
        kept += c;
        if (!c.isMark()) {
            base = c;
        }
    }
    return kept.normalized(QString::NormalizationForm_KC).toCaseFolded().toStdString();
}

} // namespace tavrio
