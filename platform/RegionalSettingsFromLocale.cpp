#include "RegionalSettingsFromLocale.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace tavrio {

namespace {

// A run of one format letter ("dd", "MMMM", "AP" is two) and the literal text before it.
struct Field {
    QChar letter;
    qsizetype count;
    QString literalBefore;
};

bool isFormatLetter(QChar c) {
    return QStringView(u"dMyhHmszaApPt").contains(c);
}

std::vector<Field> fieldsOf(const QString& format) {
    std::vector<Field> fields;
    QString literal;
    const qsizetype size = format.size();
    for (qsizetype i = 0; i < size;) {
        const QChar c = format[i];
        if (c == u'\'') {
            // Quoted text is literal; a doubled quote is a quote, inside quotes or out.
            ++i;
            if (i < size && format[i] == u'\'') {
                literal += u'\'';
                ++i;
                continue;
            }
            while (i < size) {
                if (format[i] != u'\'') {
                    literal += format[i++];
                } else if (i + 1 < size && format[i + 1] == u'\'') {
                    literal += u'\'';
                    i += 2;
                } else {
                    ++i;
                    break;
                }
            }
        } else if (isFormatLetter(c)) {
            qsizetype end = i;
            while (end < size && format[end] == c) {
                ++end;
            }
            fields.push_back({c, end - i, std::exchange(literal, QString{})});
            i = end;
        } else {
            literal += c;
            ++i;
        }
    }
    return fields;
}

// A separator must keep the numbers apart without looking like one of them, and a blank alone
// would split a date from the time that follows it.
std::optional<std::string> usableSeparator(const QString& literal) {
    const QString separator = literal.trimmed();
    if (separator.isEmpty() || std::any_of(separator.begin(), separator.end(),
                                           [](QChar c) { return c.isLetterOrNumber(); })) {
        return std::nullopt;
    }
    return separator.toStdString();
}

std::optional<std::size_t> firstField(const std::vector<Field>& fields, QChar letter,
                                      qsizetype maxCount = 4) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].letter == letter && fields[i].count <= maxCount) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

void applyShortDateFormat(const QString& format, RegionalSettings& regional) {
    const std::vector<Field> fields = fieldsOf(format);
    // "ddd" and "dddd" are the weekday's name, not the day of the month.
    const auto day = firstField(fields, u'd', 2);
    const auto month = firstField(fields, u'M');
    const auto year = firstField(fields, u'y');

    if (day && month) {
        if (year && *year < std::min(*day, *month)) {
            regional.dateOrder = DateOrder::YearMonthDay;
        } else {
            regional.dateOrder = *day < *month ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
        }
    } else if (year && month && *year < *month) {
        regional.dateOrder = DateOrder::YearMonthDay;
    } else {
        regional.dateOrder = DateOrder::MonthDayYear;
    }
    regional.dayLeadingZero = day && fields[*day].count == 2;
    regional.monthLeadingZero = month && fields[*month].count == 2;

    // A month written as a name leaves nothing to learn about how numbers are separated.
    regional.dateSeparator = "/";
    if (!month || fields[*month].count > 2) {
        return;
    }
    std::vector<std::size_t> parts;
    for (const auto& part : {day, month, year}) {
        if (part) {
            parts.push_back(*part);
        }
    }
    std::sort(parts.begin(), parts.end());
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (const auto separator = usableSeparator(fields[parts[i]].literalBefore)) {
            regional.dateSeparator = *separator;
            return;
        }
    }
}

void applyLongTimeFormat(const QString& format, RegionalSettings& regional) {
    const std::vector<Field> fields = fieldsOf(format);
    auto hour = firstField(fields, u'h');
    if (const auto hour24 = firstField(fields, u'H'); hour24 && (!hour || *hour24 < *hour)) {
        hour = hour24;
    }
    const bool designator = firstField(fields, u'a') || firstField(fields, u'A');

    // "H" counts the hours to 23 even beside an AM/PM designator.
    regional.twelveHourClock = designator && !(hour && fields[*hour].letter == u'H');
    regional.hourLeadingZero = hour && fields[*hour].count >= 2;
    regional.timeSeparator = ":";
    if (hour && *hour + 1 < fields.size() && fields[*hour + 1].letter == u'm') {
        if (const auto separator = usableSeparator(fields[*hour + 1].literalBefore)) {
            regional.timeSeparator = *separator;
        }
    }
}

RegionalSettings regionalSettingsFrom(const QLocale& locale) {
    RegionalSettings regional;
    // C and POSIX (no LANG, as in containers and minimal sessions) have no date order of their
    // own; Qt's stand-in writes the day first, against the month/day/year of the entry forms.
    // The system locale names itself after the user's language (LANGUAGE) even while its forms
    // are C's, so the stand-in is known by its short date form, which no real locale shares.
    if (locale.language() == QLocale::C ||
        locale.dateFormat(QLocale::ShortFormat) == QLocale::c().dateFormat(QLocale::ShortFormat)) {
        return regional;
    }
    applyShortDateFormat(locale.dateFormat(QLocale::ShortFormat), regional);
    applyLongTimeFormat(locale.timeFormat(QLocale::LongFormat), regional);
    regional.amDesignator = locale.amText().toStdString();
    regional.pmDesignator = locale.pmText().toStdString();
    regional.decimalSeparator = locale.decimalPoint().toStdString();
    return regional;
}

} // namespace tavrio
