#include "TargetPhrase.h"

#include "PhraseTokens.h"

#include <bit>
#include <chrono>
#include <utility>
#include <vector>

namespace tavrio {

namespace {

using namespace std::chrono;

// Far beyond the years a date value converts in (about 2.6e11 seconds either way), so that the
// time zone is never asked about moments no calendar date has.
constexpr std::int64_t kFarSeconds = 400'000'000'000;

// The year a date without one may move to: a 29 February waits at most eight years.
constexpr int kYearsToSearch = 8;

struct Duration {
    std::int64_t seconds = 0; // time that passes
    std::int64_t days = 0;    // days of the calendar
};

struct DayPart {
    enum class Kind { Relative, Weekday, MonthDay } kind = Kind::Relative;
    int offset = 0;            // Relative: days after today
    unsigned weekday = 0;      // Weekday: 1 Monday to 7 Sunday
    bool next = false;         // Weekday: never today
    unsigned month = 0;        // MonthDay
    unsigned day = 0;          //
    std::optional<int> year{}; // MonthDay
};

struct TimePart {
    std::int64_t second = 0;
    bool endOfDay = false; // midnight: the day named ends then
};

struct Moment {
    DayPart day;
    std::optional<TimePart> time;
};

// The reader's place in the tokens. Each step that takes something moves on; a step that fails
// leaves it where it was.
class Cursor {
public:
    explicit Cursor(const std::vector<PhraseToken>& tokens)
        : tokens_(tokens) {}

    bool atEnd() const { return at_ == tokens_.size(); }
    std::size_t place() const { return at_; }
    void moveTo(std::size_t place) { at_ = place; }

    const PhraseToken* token(std::size_t ahead = 0) const {
        return at_ + ahead < tokens_.size() ? &tokens_[at_ + ahead] : nullptr;
    }
    bool is(PhraseWord word, std::size_t ahead = 0) const {
        const PhraseToken* t = token(ahead);
        return t != nullptr && t->kind == PhraseToken::Kind::Word && t->means(word);
    }
    bool isNumber(std::size_t maxDigits, std::size_t ahead = 0) const {
        const PhraseToken* t = token(ahead);
        return t != nullptr && t->kind == PhraseToken::Kind::Number && t->digits <= maxDigits;
    }
    bool isSeparator(std::size_t ahead = 0) const {
        const PhraseToken* t = token(ahead);
        return t != nullptr && t->separatesTime;
    }
    bool isMark(char mark, std::size_t ahead = 0) const {
        const PhraseToken* t = token(ahead);
        return t != nullptr && t->kind == PhraseToken::Kind::Mark && t->mark == mark;
    }

    bool take(PhraseWord word) { return is(word) && step(); }
    bool takeMark(char mark) { return isMark(mark) && step(); }
    std::optional<std::uint32_t> takeNumber(std::size_t maxDigits) {
        if (!isNumber(maxDigits)) {
            return std::nullopt;
        }
        const std::uint32_t value = token()->value;
        step();
        return value;
    }
    // Words that mean nothing by themselves, and the commas and periods between the parts.
    void skipJoiners() {
        while (is(PhraseWord::Filler) || isMark(',') || isMark('.')) {
            step();
        }
    }

private:
    bool step() {
        ++at_;
        return true;
    }

    const std::vector<PhraseToken>& tokens_;
    std::size_t at_ = 0;
};

// The number of the one bit set, none when there are more or none.
template <class Bits>
std::optional<unsigned> onlyBit(Bits bits) {
    if (std::popcount(static_cast<unsigned>(bits)) != 1) {
        return std::nullopt;
    }
    return static_cast<unsigned>(std::countr_zero(static_cast<unsigned>(bits)));
}

std::optional<unsigned> monthAt(const Cursor& c) {
    const PhraseToken* t = c.token();
    return c.is(PhraseWord::Month) ? onlyBit(t->months) : std::nullopt;
}

std::optional<unsigned> weekdayAt(const Cursor& c) {
    const PhraseToken* t = c.token();
    return c.is(PhraseWord::Weekday) ? onlyBit(t->weekdays) : std::nullopt;
}

// Whether the number that was just taken is an hour rather than a day or a year: a separator
// counts only before minutes, since some languages end a day's number with the same period
// ("24. joulukuuta").
bool hourFollows(const Cursor& c) {
    return (c.isSeparator() && c.isNumber(2, 1)) || c.is(PhraseWord::OClock) ||
           c.is(PhraseWord::Am) || c.is(PhraseWord::Pm);
}

std::optional<unsigned> takeDayOfMonth(Cursor& c) {
    const auto day = c.takeNumber(2);
    if (!day || hourFollows(c)) {
        return std::nullopt;
    }
    c.take(PhraseWord::Ordinal);
    return day;
}

// A four-digit year after the month, if one follows.
std::optional<int> takeYear(Cursor& c) {
    const std::size_t start = c.place();
    c.skipJoiners();
    if (c.isNumber(4) && c.token()->digits == 4) {
        const auto year = static_cast<int>(*c.takeNumber(4));
        if (!hourFollows(c)) {
            return year;
        }
    }
    c.moveTo(start);
    return std::nullopt;
}

// "24 dec", "24. Dezember 2027", "24 de diciembre de 2027", "december 24, 2027", "12月24日",
// "2027年12月24日".
std::optional<DayPart> monthDay(Cursor& c) {
    const std::size_t start = c.place();
    DayPart part{DayPart::Kind::MonthDay};
    if (c.isNumber(4) && c.token()->digits == 4) {
        part.year = static_cast<int>(*c.takeNumber(4));
        c.skipJoiners();
    }
    if (const auto month = monthAt(c)) {
        c.moveTo(c.place() + 1);
        c.takeMark('.');
        c.skipJoiners();
        const auto day = takeDayOfMonth(c);
        if (day) {
            part.month = *month;
            part.day = *day;
            if (!part.year) {
                part.year = takeYear(c);
            }
            return part;
        }
    } else if (!part.year) {
        if (const auto day = takeDayOfMonth(c)) {
            c.skipJoiners();
            if (const auto month = monthAt(c)) {
                c.moveTo(c.place() + 1);
                part.month = *month;
                part.day = *day;
                part.year = takeYear(c);
                return part;
            }
        }
    }
    c.moveTo(start);
    return std::nullopt;
}

// "friday", "next friday", "vendredi prochain".
std::optional<DayPart> weekdayPart(Cursor& c) {
    const std::size_t start = c.place();
    DayPart part{DayPart::Kind::Weekday};
    part.next = c.take(PhraseWord::Next);
    const auto weekday = weekdayAt(c);
    if (!weekday) {
        c.moveTo(start);
        return std::nullopt;
    }
    c.moveTo(c.place() + 1);
    c.takeMark('.');
    part.weekday = *weekday;
    part.next = part.next || c.take(PhraseWord::Next);
    return part;
}

std::optional<DayPart> dayPart(Cursor& c) {
    const std::pair<PhraseWord, int> relative[] = {
        {PhraseWord::Today, 0}, {PhraseWord::Tomorrow, 1}, {PhraseWord::DayAfterTomorrow, 2}};
    for (const auto& [word, offset] : relative) {
        if (c.take(word)) {
            return DayPart{DayPart::Kind::Relative, offset};
        }
    }
    if (auto part = monthDay(c)) {
        return part;
    }
    return weekdayPart(c);
}

// AM or PM when the word says one of them alone.
std::optional<bool> takeAfternoon(Cursor& c) {
    const bool am = c.is(PhraseWord::Am);
    const bool pm = c.is(PhraseWord::Pm);
    if (am == pm) {
        return std::nullopt;
    }
    c.moveTo(c.place() + 1);
    return pm;
}

// "17:00", "17:00:30", "5pm", "5:30 p.m.", "17h30", "17 uhr", "午後5時", "9時30分", and after
// "at" a bare hour.
std::optional<TimePart> clockTime(Cursor& c, bool afterAt) {
    auto afternoon = takeAfternoon(c);
    const auto hour = c.takeNumber(2);
    if (!hour) {
        return std::nullopt;
    }
    std::uint32_t minute = 0;
    std::uint32_t second = 0;
    bool marked = false;
    if (c.isSeparator() && c.isNumber(2, 1) && c.token(1)->digits == 2) {
        c.moveTo(c.place() + 1);
        minute = *c.takeNumber(2);
        marked = true;
        if (c.isSeparator() && c.isNumber(2, 1) && c.token(1)->digits == 2) {
            c.moveTo(c.place() + 1);
            second = *c.takeNumber(2);
        }
    }
    if (c.take(PhraseWord::OClock)) {
        if (!marked && c.isNumber(2)) {
            minute = *c.takeNumber(2);
            c.take(PhraseWord::Minutes);
        }
        marked = true;
    }
    if (!afternoon) {
        afternoon = takeAfternoon(c);
    }
    if (minute > 59 || second > 59) {
        return std::nullopt;
    }
    std::uint32_t hour24 = *hour;
    if (afternoon) {
        if (hour24 > 12) {
            return std::nullopt;
        }
        hour24 = hour24 % 12 + (*afternoon ? 12 : 0);
    } else if (hour24 > 23 || !(marked || afterAt)) {
        return std::nullopt;
    }
    return TimePart{static_cast<std::int64_t>(hour24 * 3600 + minute * 60 + second)};
}

std::optional<TimePart> timePart(Cursor& c) {
    const std::size_t start = c.place();
    const bool afterAt = c.take(PhraseWord::At);
    if (afterAt) {
        c.skipJoiners();
    }
    if (c.take(PhraseWord::Noon)) {
        return TimePart{12 * 3600};
    }
    if (c.take(PhraseWord::Midnight)) {
        return TimePart{0, true};
    }
    if (auto time = clockTime(c, afterAt)) {
        return time;
    }
    c.moveTo(start);
    return std::nullopt;
}

// A day, and a time before or after it, with joining words anywhere between.
std::optional<Moment> momentOf(const std::vector<PhraseToken>& tokens) {
    Cursor c(tokens);
    std::optional<DayPart> day;
    std::optional<TimePart> time;
    while (!c.atEnd()) {
        if (!day && (day = dayPart(c))) {
            continue;
        }
        if (!time && (time = timePart(c))) {
            continue;
        }
        if (!c.is(PhraseWord::Filler) && !c.isMark(',') && !c.isMark('.')) {
            return std::nullopt;
        }
        c.moveTo(c.place() + 1);
    }
    if (!day) {
        return std::nullopt;
    }
    return Moment{*day, time};
}

// The one unit the word names.
std::optional<PhraseWord> unitAt(const Cursor& c, std::size_t ahead = 0) {
    std::optional<PhraseWord> unit;
    for (const PhraseWord word :
         {PhraseWord::Minutes, PhraseWord::Hours, PhraseWord::Days, PhraseWord::Weeks}) {
        if (c.is(word, ahead)) {
            if (unit) {
                return std::nullopt;
            }
            unit = word;
        }
    }
    return unit;
}

// One number and its unit; after hours, a bare number is the minutes ("1h30"). `clockLike` is
// set when the unit is also the mark of an hour on the clock ("17h" in French).
bool takeAmount(Cursor& c, Duration& total, bool& clockLike) {
    const auto unit = unitAt(c, 1);
    if (!c.isNumber(9) || !unit) {
        return false;
    }
    const std::int64_t amount = *c.takeNumber(9);
    clockLike = clockLike || c.is(PhraseWord::OClock);
    c.moveTo(c.place() + 1);
    switch (*unit) {
    case PhraseWord::Minutes:
        total.seconds += amount * 60;
        break;
    case PhraseWord::Hours:
        total.seconds += amount * 3600;
        if (c.isNumber(2) && c.token()->value <= 59 && !unitAt(c, 1)) {
            total.seconds += std::int64_t{*c.takeNumber(2)} * 60;
        }
        break;
    case PhraseWord::Days:
        total.days += amount;
        break;
    default:
        total.days += amount * 7;
        break;
    }
    return true;
}

// "in 25 min", "25m", "1h30", "1 hour and 30 minutes", "+3d", "25分後". Without a word that makes
// it a duration, a unit that also marks an hour ("17h") may mean a time of day: it does not read.
std::optional<Duration> durationOf(const std::vector<PhraseToken>& tokens) {
    Cursor c(tokens);
    bool said = c.take(PhraseWord::In) || c.takeMark('+');
    Duration total;
    bool clockLike = false;
    bool any = false;
    while (true) {
        if (takeAmount(c, total, clockLike)) {
            any = true;
        } else if (any && (c.is(PhraseWord::Filler) || c.isMark(',')) && c.isNumber(9, 1)) {
            c.moveTo(c.place() + 1);
        } else {
            break;
        }
    }
    if (!any) {
        return std::nullopt;
    }
    said = said || c.take(PhraseWord::Later);
    if (!c.atEnd() || (!said && clockLike)) {
        return std::nullopt;
    }
    return total;
}

// The day and time of a moment given in seconds on the line of linearSeconds.
std::optional<PhraseTarget> targetAt(std::int64_t seconds) {
    const std::int64_t day = dayOfMoment(seconds);
    const DateValue date = dateValueOf(day, 0);
    if (!toCivil(date)) {
        return std::nullopt;
    }
    return PhraseTarget{date, dateValueOf(0, seconds - day * kSecondsPerDay)};
}

std::optional<PhraseTarget> targetOf(const Duration& duration, const PhraseClock& clock) {
    const std::int64_t utc = linearSeconds(clock.now) - clock.utcOffsetNow + duration.seconds;
    if (utc > kFarSeconds || utc < -kFarSeconds || duration.days > kFarSeconds) {
        return std::nullopt;
    }
    const std::int64_t offset = clock.utcOffsetAt ? clock.utcOffsetAt(utc) : clock.utcOffsetNow;
    return targetAt(utc + offset + duration.days * kSecondsPerDay);
}

std::optional<std::int64_t> dayNumberOf(const year_month_day& date) {
    const auto value = toDateValue(date);
    return value ? std::optional{dayNumber(*value)} : std::nullopt;
}

// The day a day part names, today being `today`; `ahead` tells whether the target would still be
// ahead on a day.
template <class Ahead>
std::optional<std::int64_t> dayOf(const DayPart& part, std::int64_t today, Ahead ahead) {
    const auto civil = toCivil(dateValueOf(today, 0));
    if (!civil) {
        return std::nullopt;
    }
    switch (part.kind) {
    case DayPart::Kind::Relative:
        return today + part.offset;
    case DayPart::Kind::Weekday: {
        const unsigned todays = weekday{sys_days{civil->date}}.iso_encoding();
        std::int64_t days = (part.weekday + 7 - todays) % 7;
        if (days == 0 && (part.next || !ahead(today))) {
            days = 7;
        }
        return today + days;
    }
    case DayPart::Kind::MonthDay:
        break;
    }
    const auto date = [&](int year) {
        return year_month_day{std::chrono::year{year}, month{part.month},
                              std::chrono::day{part.day}};
    };
    if (part.year) {
        return dayNumberOf(date(*part.year));
    }
    const int thisYear = static_cast<int>(civil->date.year());
    for (int year = thisYear; year <= thisYear + kYearsToSearch; ++year) {
        const auto day = date(year).ok() ? dayNumberOf(date(year)) : std::nullopt;
        if (day && ahead(*day)) {
            return day;
        }
    }
    return std::nullopt;
}

std::optional<PhraseTarget> targetOf(const Moment& moment, const PhraseClock& clock,
                                     DateValue timeInForce) {
    const std::int64_t second = moment.time ? moment.time->second : secondOfDay(timeInForce);
    const std::int64_t dayAfter = moment.time && moment.time->endOfDay ? 1 : 0;
    const std::int64_t now = linearSeconds(clock.now);
    const auto ahead = [&](std::int64_t day) {
        return (day + dayAfter) * kSecondsPerDay + second > now;
    };
    const auto day = dayOf(moment.day, dayNumber(clock.now), ahead);
    if (!day) {
        return std::nullopt;
    }
    const DateValue date = dateValueOf(*day + dayAfter, 0);
    if (!toCivil(date)) {
        return std::nullopt;
    }
    PhraseTarget target{date};
    if (moment.time) {
        target.time = dateValueOf(0, second);
    }
    return target;
}

} // namespace

std::optional<PhraseTarget> readTargetPhrase(std::string_view text, const PhraseClock& clock,
                                             DateValue timeInForce,
                                             const PhraseVocabulary& vocabulary) {
    const auto tokens = phraseTokens(text, vocabulary);
    if (!tokens || tokens->empty()) {
        return std::nullopt;
    }
    std::optional<PhraseTarget> fromDuration;
    if (const auto duration = durationOf(*tokens)) {
        fromDuration = targetOf(*duration, clock);
    }
    std::optional<PhraseTarget> fromMoment;
    if (const auto moment = momentOf(*tokens)) {
        fromMoment = targetOf(*moment, clock, timeInForce);
    }
    // A phrase that reads two ways reads neither: nothing is guessed.
    if (fromDuration && fromMoment) {
        return *fromDuration == *fromMoment ? fromDuration : std::nullopt;
    }
    return fromDuration ? fromDuration : fromMoment;
}

} // namespace tavrio
