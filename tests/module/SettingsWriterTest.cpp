// What the handlers store through: failures told once per setting and again after a success in
// between, whether the store writes at once or in the background; outcomes of background writes
// told on the window's thread; and the last wait before the program ends.
#include "SettingsWriter.h"

#include "GatedSettingsStore.h"
#include "RecordingSettingsStore.h"
#include "WidgetTestMain.h"
#include "WriteBehindStore.h"

#include <QCoreApplication>
#include <QObject>
#include <QTest>
#include <QThread>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tavrio {

namespace {

using namespace std::chrono_literals;

struct Told {
    std::vector<std::string> messages;
    std::vector<QThread*> threads;
};

SettingsWriter::Report recordInto(Told& told) {
    return [&told](const std::string& message) {
        told.messages.push_back(message);
        told.threads.push_back(QThread::currentThread());
    };
}

bool mentions(const std::string& message, const char* text) {
    return message.find(text) != std::string::npos;
}

} // namespace

class SettingsWriterTest : public QObject {
    Q_OBJECT

private slots:
    void aFailureIsToldOnceAndAgainAfterASuccess_data();
    void aFailureIsToldOnceAndAgainAfterASuccess();
    void aBackgroundOutcomeIsToldOnTheWindowThreadWithoutAnotherSave();
    void finishingNamesTheSettingsTheDiskDidNotTake();
};

void SettingsWriterTest::aFailureIsToldOnceAndAgainAfterASuccess_data() {
    QTest::addColumn<bool>("inBackground");
    QTest::newRow("a store that writes at once") << false;
    QTest::newRow("a store that writes in the background") << true;
}

void SettingsWriterTest::aFailureIsToldOnceAndAgainAfterASuccess() {
    QFETCH(bool, inBackground);
    test::RecordingSettingsStore disk;
    std::optional<WriteBehindStore> background;
    if (inBackground) {
        background.emplace(disk);
    }
    SettingsStore& store = background ? static_cast<SettingsStore&>(*background) : disk;
    Told told;
    SettingsWriter writer(store, recordInto(told));

    disk.failWrites(Key::What, "the disk is full");
    for (const char* title : {"P", "Pa", "Par"}) {
        writer.save(kSection, Key::What, title);
    }
    QVERIFY(writer.finishWrites(test::kPatience).empty());
    QVERIFY(!writer.allSaved());
    QCOMPARE(told.messages.size(), std::size_t{1});
    QVERIFY2(mentions(told.messages[0], "the title (\"What\")"), told.messages[0].c_str());
    QVERIFY2(mentions(told.messages[0], "the disk is full"), told.messages[0].c_str());

    disk.allowWrites(Key::What);
    writer.save(kSection, Key::What, "Part");
    QVERIFY(writer.finishWrites(test::kPatience).empty());
    QVERIFY(writer.allSaved());
    QCOMPARE(told.messages.size(), std::size_t{1});

    disk.failWrites(Key::What, "the file is read-only");
    writer.save(kSection, Key::What, "Party");
    QVERIFY(writer.finishWrites(test::kPatience).empty());
    QCOMPARE(told.messages.size(), std::size_t{2});
    QVERIFY2(mentions(told.messages[1], "the file is read-only"), told.messages[1].c_str());
    QCOMPARE(disk.stored(Key::What), std::optional<std::string>{"Part"});
}

void SettingsWriterTest::aBackgroundOutcomeIsToldOnTheWindowThreadWithoutAnotherSave() {
    test::GatedStore disk;
    disk.failWrites("tvHide", "the disk is full");
    WriteBehindStore store(disk);
    Told told;
    SettingsWriter writer(store, recordInto(told));

    QVERIFY(writer.save(kSection, Key::tvHide, "1"));
    disk.openForGood();
    QVERIFY(store.flush(test::kPatience).empty());
    QVERIFY(told.messages.empty());

    QCoreApplication::sendPostedEvents();
    QCOMPARE(told.messages.size(), std::size_t{1});
    QVERIFY2(mentions(told.messages[0], "the background hiding (\"tvHide\")"),
             told.messages[0].c_str());
    QCOMPARE(told.threads[0], QCoreApplication::instance()->thread());
    QVERIFY(!writer.save(kSection, Key::tvHide, "0"));
}

void SettingsWriterTest::finishingNamesTheSettingsTheDiskDidNotTake() {
    test::GatedStore disk;
    WriteBehindStore store(disk);
    Told told;
    SettingsWriter writer(store, recordInto(told));
    writer.save(kSection, Key::What, "Party");
    QVERIFY(disk.awaitArrivals(1));
    writer.save(kSection, Key::FontName, "Noto Sans");
    writer.save(kSection, Key::FontSize, "24");

    const std::vector<Key> waiting = writer.finishWrites(0ms);

    QCOMPARE(waiting, (std::vector<Key>{Key::What, Key::FontName, Key::FontSize}));
    const std::string message = unfinishedWritesMessage(waiting, 3000ms);
    QVERIFY2(mentions(message, "the title (\"What\"), the font (\"FontName\", \"FontSize\")"),
             message.c_str());
    QVERIFY2(mentions(message, "within 3 s"), message.c_str());
    QVERIFY(told.messages.empty());

    disk.openForGood();
    QVERIFY(writer.finishWrites(test::kPatience).empty());
    QCOMPARE(disk.writes(),
             (std::vector<std::string>{"What=Party", "FontName=Noto Sans", "FontSize=24"}));
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::SettingsWriterTest)

#include "SettingsWriterTest.moc"
