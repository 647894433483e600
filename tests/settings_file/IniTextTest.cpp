#include "IniText.h"

#include <QFile>
#include <QMap>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tavrio {
namespace {

using Values = QMap<QString, QVariant>;

// Texts that need every kind of care in an INI file.
const std::vector<QString> kTexts = {
    QString(),
    QStringLiteral("Party"),
    QStringLiteral(" leading blank"),
    QStringLiteral("trailing blank "),
    QStringLiteral("a, b"),
    QStringLiteral("semi;colon"),
    QStringLiteral("key=value"),
    QStringLiteral("\"quoted\""),
    QStringLiteral("back\\slash\\"),
    QStringLiteral("@at start"),
    QStringLiteral("@@twice"),
    QStringLiteral("@Invalid()"),
    QStringLiteral("[Settings]"),
    QStringLiteral("#hash"),
    QStringLiteral("%41%"),
    QStringLiteral("line\nbreak\r\nand\ttab\vvertical\fform\aalert\bback"),
    QStringLiteral("nul") + QChar(u'\0') + QStringLiteral("0 and ") + QChar(1) +
        QStringLiteral("f escaped"),
    QString::fromUtf8("Geburtstag – Ümit 🎉 \u007f\u0085"),
    QString(QChar(u'\0')) + QStringLiteral("beef"),
    QString(3000, u'x'),
};

class IniTextTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    // What Qt reads from the text: the values, or none when it finds the text malformed.
    std::optional<Values> parsed(const QByteArray& text) {
        const QString path = folder_.filePath(QStringLiteral("parsed-%1.conf").arg(++files_));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
            ADD_FAILURE() << "cannot write " << path.toStdString();
            return std::nullopt;
        }
        file.close();
        const QSettings settings(path, QSettings::IniFormat);
        if (settings.status() != QSettings::NoError) {
            return std::nullopt;
        }
        Values values;
        for (const QString& key : settings.allKeys()) {
            values.insert(key, settings.value(key));
        }
        return values;
    }

    // The text Qt itself writes for these values.
    QByteArray writtenByQt(const Values& values) {
        const QString path = folder_.filePath(QStringLiteral("qt-%1.conf").arg(++files_));
        {
            QSettings settings(path, QSettings::IniFormat);
            for (auto entry = values.cbegin(); entry != values.cend(); ++entry) {
                settings.setValue(entry.key(), entry.value());
            }
        }
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray{};
    }

    QTemporaryDir folder_;
    int files_ = 0;
};

TEST_F(IniTextTest, AValueIsWrittenExactlyAsQtWritesIt) {
    for (const QString& text : kTexts) {
        SCOPED_TRACE(text.left(40).toStdString());
        const auto edited =
            iniTextWithValue({}, QStringLiteral("Settings"), QStringLiteral("What"), text);
        ASSERT_TRUE(edited.has_value());
        EXPECT_EQ(*edited, writtenByQt({{QStringLiteral("Settings/What"), text}}));
    }
}

TEST_F(IniTextTest, EveryValueReadsBackWhateverTheFileAroundItHolds) {
    const std::vector<QByteArray> files = {
        "",
        "[Settings]\nWhat=old\nBS=2\n",
        "[Settings]\nBS=2",
        "[Other]\nWhat=not ours\n",
        "; a note\n[Settings]\r\nBS=2 ; why two\r\n\r\n[Other]\r\nx=1\r\n",
        "\xef\xbb\xbf[Settings]\nWhat=old\n",
        "[Settings]\nWhat=\"first line\nsecond; line\"\nBS=2\n",
        "[Settings]\nWhat=continued \\\nover two lines\nBS=2\n",
        "[Settings]\nWhat=one\n[Other]\nx=1\n[Settings]\nWhat=two\n",
        "[Settings]\n  What  =  spaced  \nList=a, b, c\n",
        "[General]\nWhat=general\n[%General]\nWhat=group called General\n",
    };
    for (const QByteArray& file : files) {
        SCOPED_TRACE(file.toStdString());
        const auto before = parsed(file);
        ASSERT_TRUE(before.has_value());
        for (const QString& text : kTexts) {
            SCOPED_TRACE(text.left(40).toStdString());
            const auto edited =
                iniTextWithValue(file, QStringLiteral("Settings"), QStringLiteral("What"), text);
            ASSERT_TRUE(edited.has_value());
            Values expected = *before;
            expected.insert(QStringLiteral("Settings/What"), text);
            EXPECT_EQ(parsed(*edited), expected) << edited->toStdString();
        }
    }
}

// In the expected texts, "~" is a line end the writer adds: Qt's for INI files on the system.
QByteArray withWrittenLineEnds(QByteArray text) {
#ifdef Q_OS_WIN
    return text.replace('~', "\r\n");
#else
    return text.replace('~', "\n");
#endif
}

TEST_F(IniTextTest, OnlyTheValuesLineChanges) {
    struct Case {
        const char* what;
        QByteArray file;
        const char* key;
        QByteArray expected;
    };
    const Case cases[] = {
        {"a value replaced in its line",
         "; a note\n[Settings]\nWhat=old\nBS=2 ; why two\n\n[Other]\nWhat=x\n", "What",
         "; a note\n[Settings]\nWhat=new\nBS=2 ; why two\n\n[Other]\nWhat=x\n"},
        {"a comment after the value stays", "[Settings]\nBS=2 ; why two\r\nTop=1\r\n", "BS",
         "[Settings]\nBS=new ; why two\r\nTop=1\r\n"},
        {"a new key at the end of its section, after the comment of the last line",
         "[Settings]\nBS=2 ; why two\n\n[Other]\nx=1\n", "Top",
         "[Settings]\nBS=2 ; why two~Top=new\n\n[Other]\nx=1\n"},
        {"a section of its own after the others", "[Other]\nx=1", "What",
         "[Other]\nx=1~~[Settings]~What=new~"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(iniTextWithValue(c.file, QStringLiteral("Settings"), QString::fromLatin1(c.key),
                                   QStringLiteral("new")),
                  withWrittenLineEnds(c.expected));
    }
}

// A removed countdown's section goes with its lines, every other byte stays.
TEST_F(IniTextTest, ASectionIsRemovedWholeAndNothingElse) {
    struct Case {
        const char* what;
        QByteArray file;
        QByteArray expected;
    };
    const Case cases[] = {
        {"the last section, with the blank line before it",
         "[Settings]~What=a~Countdowns=Countdown2~~[Countdown2]~What=b~",
         "[Settings]~What=a~Countdowns=Countdown2~"},
        {"the last section, in another system's line ends",
         "[Settings]\r\nWhat=a\r\n\r\n[Countdown2]\r\nWhat=b\r\n", "[Settings]\r\nWhat=a\r\n"},
        {"a section between two others, its comments with it",
         "; mine\n[Countdown2]\n; note\nWhat=b\n\n[Settings]\nWhat=a\n",
         "; mine\n[Settings]\nWhat=a\n"},
        {"each of its parts", "[Countdown2]\nWhat=b\n[Settings]\nBS=2\n[Countdown2]\nTop=1\n",
         "[Settings]\nBS=2\n"},
        {"no such section", "[Settings]\nWhat=[Countdown2]\n", "[Settings]\nWhat=[Countdown2]\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray file = withWrittenLineEnds(c.file);
        const auto removed = iniTextWithoutSection(file, QStringLiteral("Countdown2"));
        EXPECT_EQ(removed, withWrittenLineEnds(c.expected));
        ASSERT_TRUE(removed && parsed(*removed));
        EXPECT_FALSE(parsed(*removed)->contains(QStringLiteral("Countdown2/What")));
    }
}

TEST_F(IniTextTest, LeavesTheSectionsQtNamesItselfToQt) {
    for (const QString& section :
         {QString(), QStringLiteral("General"), QStringLiteral("general")}) {
        EXPECT_EQ(
            iniTextWithValue("[Settings]\n", section, QStringLiteral("What"), QStringLiteral("x")),
            std::nullopt);
    }
}

} // namespace
} // namespace tavrio
