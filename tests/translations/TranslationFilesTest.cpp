// The shipped translations against the code as it is: lupdate runs over the sources into copies
// of the .ts files (as scripts/translations.sh does), and every text of the code must come out
// translated, none left over that the code no longer has, and each translation must keep what
// the program relies on: the same placeholders, and a mnemonic where the text has one.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <memory>
#include <set>

namespace {

const QString kSourceDir = QStringLiteral(TAVRIO_SOURCE_DIR);

struct Message {
    QString context;
    QString source;
    QString type; // "unfinished", "vanished", "obsolete" or empty when done
    bool numerus = false;
    QStringList translations; // one, or one per plural form
};

QList<Message> messagesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"message") {
            // One without a source is the context's note for its translators.
            if (!message.source.isEmpty()) {
                messages << message;
            }
            continue;
        }
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = Message{
                context, {}, {}, xml.attributes().value(QStringLiteral("numerus")) == u"yes", {}};
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"translation") {
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            if (!message.numerus) {
                message.translations << xml.readElementText();
            }
        } else if (name == u"numerusform") {
            message.translations << xml.readElementText();
        }
    }
    if (xml.hasError()) {
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    }
    return messages;
}

std::multiset<QString> placeholders(const QString& text, bool withPluralCount) {
    static const QRegularExpression placeholder(QStringLiteral("%(\\d{1,2}|n)"));
    std::multiset<QString> found;
    for (const auto& match : placeholder.globalMatch(text)) {
        if (withPluralCount || match.captured(1) != u"n") {
            found.insert(match.captured());
        }
    }
    return found;
}

// Ampersands that mark a mnemonic; "&&" is a literal one.
int mnemonics(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            count += text[i + 1] != u'&' ? 1 : 0;
            ++i;
        }
    }
    return count;
}

} // namespace

class TranslationFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextOfTheCodeIsTranslated_data();
    void everyTextOfTheCodeIsTranslated();
    void translationsKeepPlaceholdersAndMnemonics_data();
    void translationsKeepPlaceholdersAndMnemonics();

private:
    void addFileRows();

    std::unique_ptr<QTemporaryDir> copies_;
};

void TranslationFilesTest::initTestCase() {
    copies_ = std::make_unique<QTemporaryDir>();
    QVERIFY(copies_->isValid());
    const QDir shipped(kSourceDir + QStringLiteral("/translations"));
    const QStringList files = shipped.entryList({QStringLiteral("tavrio_*.ts")}, QDir::Files);
    QVERIFY2(files.size() > 1, "no translations found");
    for (const QString& file : files) {
        QVERIFY(QFile::copy(shipped.filePath(file), copies_->filePath(file)));
        QFile::setPermissions(copies_->filePath(file), QFile::ReadOwner | QFile::WriteOwner);
    }
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral("bash"), {kSourceDir + QStringLiteral("/scripts/translations.sh"),
                                           QStringLiteral("check"), copies_->path()});
    QVERIFY(lupdate.waitForFinished(120000));
    const QByteArray output = lupdate.readAll();
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             output.constData());
}

void TranslationFilesTest::addFileRows() {
    QTest::addColumn<QString>("file");
    for (const QString& file : QDir(copies_->path()).entryList({QStringLiteral("*.ts")})) {
        QTest::newRow(qPrintable(file)) << copies_->filePath(file);
    }
}

void TranslationFilesTest::everyTextOfTheCodeIsTranslated_data() {
    addFileRows();
}

// After lupdate a text new in the code is "unfinished", and one the code no longer has is
// "vanished" (or "obsolete"): the file needs scripts/translations.sh and a translator.
void TranslationFilesTest::everyTextOfTheCodeIsTranslated() {
    QFETCH(QString, file);
    QStringList problems;
    for (const Message& message : messagesOf(file)) {
        const QString where = message.context + QStringLiteral(": \"") + message.source + u'"';
        if (message.type == u"vanished" || message.type == u"obsolete") {
            problems << QStringLiteral("no longer in the code: ") + where;
        } else if (message.type == u"unfinished") {
            problems << QStringLiteral("not translated: ") + where;
        } else if (message.translations.contains(QString())) {
            problems << QStringLiteral("empty: ") + where;
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TranslationFilesTest::translationsKeepPlaceholdersAndMnemonics_data() {
    addFileRows();
}

// A placeholder lost leaves "%1" on the screen or drops what it stands for; a mnemonic lost
// takes a key away from the keyboard, and one added where the text has none underlines a letter.
void TranslationFilesTest::translationsKeepPlaceholdersAndMnemonics() {
    QFETCH(QString, file);
    QStringList problems;
    for (const Message& message : messagesOf(file)) {
        if (message.type == u"vanished" || message.type == u"obsolete") {
            continue;
        }
        const QString where = message.context + QStringLiteral(": \"") + message.source + u'"';
        for (const QString& translation : message.translations) {
            // A plural form may spell its count out ("one day") rather than show %n.
            if (placeholders(translation, !message.numerus) !=
                placeholders(message.source, !message.numerus)) {
                problems << QStringLiteral("placeholders differ: ") + where +
                                QStringLiteral(" -> ") + translation;
            }
            if (mnemonics(translation) != mnemonics(message.source)) {
                problems << QStringLiteral("mnemonics differ: ") + where + QStringLiteral(" -> ") +
                                translation;
            }
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

QTEST_GUILESS_MAIN(TranslationFilesTest)
#include "TranslationFilesTest.moc"
