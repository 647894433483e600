// Target phrases in each language Tavrio speaks, read with the words its translation and Qt's
// locale give, typed as people type them (letter case, accents, full-width digits). The reader's
// rules themselves are the core's tests'; these rows show that every language's words work.
#include "DateText.h"
#include "PhraseVocabularyFromLocale.h"
#include "ProgramLanguage.h"
#include "TargetPhrase.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <chrono>

namespace tavrio {
namespace {

using namespace std::chrono;

struct Row {
    const char* text;
    const char* shown; // day, and time when named, in the stored forms; "" when it does not read
};

struct Language {
    const char* name;
    std::vector<Row> rows;
};

// Wednesday 9 December 2026, 14:30; the time in force is 09:00.
const Language kLanguages[] = {
    {"en",
     {{"in 25 min", "2026-12-09 14:55:00"},
      {"1h30", "2026-12-09 16:00:00"},
      {"Tomorrow at 9", "2026-12-10 09:00:00"},
      {"fri 5pm", "2026-12-11 17:00:00"},
      {"next Wednesday", "2026-12-16"},
      {"24 Dec. 2027", "2027-12-24"}}},
    {"de",
     {{"in 25 Minuten", "2026-12-09 14:55:00"},
      {"morgen um 9", "2026-12-10 09:00:00"},
      {"ÜBERMORGEN", "2026-12-11"},
      {"nächsten Freitag 17 Uhr", "2026-12-11 17:00:00"},
      {"am 24. Dezember 2027", "2027-12-24"},
      {"tomorrow 9:00", "2026-12-10 09:00:00"}}},
    {"fr",
     {{"dans 25 min", "2026-12-09 14:55:00"},
      {"demain à 9h", "2026-12-10 09:00:00"},
      {"vendredi prochain 17h30", "2026-12-11 17:30:00"},
      {"le 24 déc. 2027", "2027-12-24"},
      {"dans 1h30", "2026-12-09 16:00:00"},
      {"1h30", ""}}},
    {"es",
     {{"en 25 minutos", "2026-12-09 14:55:00"},
      {"pasado mañana", "2026-12-11"},
      {"el próximo viernes a las 17:00", "2026-12-11 17:00:00"},
      {"24 de diciembre de 2027", "2027-12-24"},
      {"mar 24", "2027-03-24"},
      {"mar 17:00", "2026-12-15 17:00:00"}}},
    {"it",
     {{"tra 25 minuti", "2026-12-09 14:55:00"},
      {"domani alle 9", "2026-12-10 09:00:00"},
      {"venerdi prossimo", "2026-12-11"},
      {"dopodomani a mezzogiorno", "2026-12-11 12:00:00"},
      {"24 dicembre 2027", "2027-12-24"}}},
    {"pt_BR",
     {{"daqui a 25 minutos", "2026-12-09 14:55:00"},
      {"amanhã às 9", "2026-12-10 09:00:00"},
      {"sexta às 17h", "2026-12-11 17:00:00"},
      {"depois de amanhã à meia-noite", "2026-12-12 00:00:00"},
      {"24 de dezembro de 2027", "2027-12-24"}}},
    {"ru",
     {{"через 25 минут", "2026-12-09 14:55:00"},
      {"завтра в 9", "2026-12-10 09:00:00"},
      {"в пятницу в 17:00", "2026-12-11 17:00:00"},
      {"в следующую среду", "2026-12-16"},
      {"24 декабря 2027 г.", "2027-12-24"}}},
    {"ja",
     {{"２５分後", "2026-12-09 14:55:00"},
      {"あと1時間30分", "2026-12-09 16:00:00"},
      {"明日9時", "2026-12-10 09:00:00"},
      {"金曜日午後5時", "2026-12-11 17:00:00"},
      {"2027年12月24日", "2027-12-24"}}},
    {"zh_CN",
     {{"25分钟后", "2026-12-09 14:55:00"},
      {"明天9点", "2026-12-10 09:00:00"},
      {"星期五下午5点", "2026-12-11 17:00:00"},
      {"下一个星期三", "2026-12-16"},
      {"2027年12月24日", "2027-12-24"}}},
};

std::string shown(const std::optional<PhraseTarget>& target) {
    if (!target) {
        return "";
    }
    return storedDateText(target->date) + (target->time ? " " + storedDateText(*target->time) : "");
}

TEST(PhraseVocabulary, EveryLanguageReadsItsOwnPhrases) {
    int argc = 1;
    char name[] = "phrase_vocabulary_test";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    const PhraseClock clock{toDateValue(2026y / December / 9, hours{14} + minutes{30}).value()};
    const DateValue nine = dateValueOf(0, 9 * 3600);
    for (const Language& language : kLanguages) {
        const QLocale locale(QString::fromLatin1(language.name));
        const ProgramLanguage installed(locale);
        ASSERT_EQ(ProgramLanguage::current().toStdString(), language.name);
        const PhraseVocabulary words = phraseVocabulary(locale, locale);
        for (const Row& row : language.rows) {
            const std::string text = phraseText(QString::fromUtf8(row.text));
            EXPECT_EQ(shown(readTargetPhrase(text, clock, nine, words)), row.shown)
                << language.name << ": " << row.text;
        }
    }
}

} // namespace
} // namespace tavrio
