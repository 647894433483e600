#include "WriteBehindStore.h"

#include "GatedSettingsStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tavrio {
namespace {

using namespace std::chrono_literals;
using test::GatedStore;
using test::kPatience;

using Writes = std::vector<std::string>;

void put(SettingsStore& store, std::string_view key, std::string_view text) {
    ASSERT_TRUE(store.write("Tavrio", "Settings", key, text).ok());
}

std::optional<std::string> get(SettingsStore& store, std::string_view key) {
    return store.read("Tavrio", "Settings", key);
}

TEST(WriteBehindStore, WritesReachTheStoreInOrderAndANewerValueReplacesAWaitingOne) {
    struct Case {
        const char* what;
        Writes made;     // the first is under way at the gate while the others are made
        Writes expected; // what reaches the store behind, in order
    };
    const Case cases[] = {
        {"different keys keep their order",
         {"A=1", "B=1", "C=1", "D=1"},
         {"A=1", "B=1", "C=1", "D=1"}},
        {"the last of a key wins",
         {"What=P", "What=Pa", "What=Par", "What=Part"},
         {"What=P", "What=Part"}},
        {"a newer value joins the end of the line",
         {"A=1", "B=1", "A=2", "C=1", "B=2"},
         {"A=1", "A=2", "C=1", "B=2"}},
        {"a group written again while the first is under way arrives whole and in order",
         {"FontName=Arial", "FontSize=10", "FontColor=0", "FontBold=False", "FontItalic=False",
          "FontName=Noto Sans", "FontSize=24", "FontColor=255", "FontBold=True", "FontItalic=True"},
         {"FontName=Arial", "FontName=Noto Sans", "FontSize=24", "FontColor=255", "FontBold=True",
          "FontItalic=True"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GatedStore disk;
        WriteBehindStore store(disk);
        for (std::size_t i = 0; i < c.made.size(); ++i) {
            const std::string& write = c.made[i];
            const auto equals = write.find('=');
            put(store, write.substr(0, equals), write.substr(equals + 1));
            if (i == 0) {
                ASSERT_TRUE(disk.awaitArrivals(1));
            }
        }
        disk.openForGood();
        EXPECT_EQ(store.flush(kPatience), Writes{});
        EXPECT_EQ(disk.writes(), c.expected);
    }
}

TEST(WriteBehindStore, ReadsGiveTheLastValueWrittenWhetherOrNotItIsOnTheStoreYet) {
    GatedStore disk;
    disk.let(2);
    put(disk, "Top", "7");
    put(disk, "What", "old");
    WriteBehindStore store(disk);

    put(store, "What", "under way");
    ASSERT_TRUE(disk.awaitArrivals(3));
    EXPECT_EQ(get(store, "What"), "under way");
    put(store, "BS", "2");
    put(store, "What", "waiting");
    EXPECT_EQ(get(store, "What"), "waiting");
    EXPECT_EQ(get(store, "BS"), "2");
    EXPECT_EQ(get(store, "Top"), "7");
    EXPECT_EQ(get(store, "Left"), std::nullopt);

    disk.openForGood();
    ASSERT_EQ(store.flush(kPatience), Writes{});
    EXPECT_EQ(get(store, "What"), "waiting");
    EXPECT_EQ(get(disk, "What"), "waiting");
    EXPECT_EQ(get(disk, "BS"), "2");
}

TEST(WriteBehindStore, ASectionRemovedReadsEmptyAtOnceAndGoesAfterWhatWasWrittenBefore) {
    GatedStore disk;
    disk.let(1);
    put(disk, "Top", "7");
    WriteBehindStore store(disk);

    put(store, "Left", "under way");
    ASSERT_TRUE(disk.awaitArrivals(2));
    put(store, "What", "dropped");
    ASSERT_TRUE(store.removeSection("Tavrio", "Settings").ok());
    EXPECT_EQ(get(store, "Top"), std::nullopt);
    EXPECT_EQ(get(store, "What"), std::nullopt);
    put(store, "BS", "2");
    EXPECT_EQ(get(store, "BS"), "2");

    disk.openForGood();
    ASSERT_EQ(store.flush(kPatience), Writes{});
    EXPECT_EQ(disk.writes(), (Writes{"Top=7", "Left=under way", "-Settings", "BS=2"}));
    EXPECT_EQ(get(store, "Left"), std::nullopt);
    EXPECT_EQ(get(store, "BS"), "2");
}

TEST(WriteBehindStore, AFailedValueIsReadFromTheStoreBehindOnceItHasFailed) {
    GatedStore disk;
    disk.let(1);
    put(disk, "What", "kept");
    disk.failWrites("What", "the disk is full");
    WriteBehindStore store(disk);

    put(store, "What", "lost");
    EXPECT_EQ(get(store, "What"), "lost");
    disk.openForGood();
    ASSERT_EQ(store.flush(kPatience), Writes{});
    EXPECT_EQ(get(store, "What"), "kept");
}

TEST(WriteBehindStore, TellsEachOutcomeOnceWrittenAndNothingForAReplacedValue) {
    GatedStore disk;
    disk.failWrites("BS", "the disk is full");
    WriteBehindStore store(disk);
    std::mutex mutex;
    std::vector<std::string> told;
    const auto tell = [&](std::string what) {
        return [&, what](const WriteResult& result) {
            const std::lock_guard lock(mutex);
            told.push_back(what + (result.ok() ? " ok" : " failed: " + result.reason()));
        };
    };

    store.writeThen("Tavrio", "Settings", "What", "a", tell("What=a"));
    ASSERT_TRUE(disk.awaitArrivals(1));
    store.writeThen("Tavrio", "Settings", "What", "ab", tell("What=ab"));
    store.writeThen("Tavrio", "Settings", "What", "abc", tell("What=abc"));
    store.writeThen("Tavrio", "Settings", "BS", "1", tell("BS=1"));
    {
        const std::lock_guard lock(mutex);
        EXPECT_EQ(told, Writes{});
    }

    disk.openForGood();
    ASSERT_EQ(store.flush(kPatience), Writes{});
    const std::lock_guard lock(mutex);
    EXPECT_EQ(told, (Writes{"What=a ok", "What=abc ok", "BS=1 failed: the disk is full"}));
}

TEST(WriteBehindStore, FlushGivesUpOnAStoreThatDoesNotAnswerAndNamesWhatIsWaiting) {
    GatedStore disk;
    WriteBehindStore store(disk);
    put(store, "Left", "10");
    ASSERT_TRUE(disk.awaitArrivals(1));
    put(store, "Top", "20");
    put(store, "What", "x");
    put(store, "Left", "30");

    EXPECT_EQ(store.flush(0ms), (Writes{"Top", "What", "Left"}));
    EXPECT_EQ(disk.writes(), Writes{});

    // The first Left is written, the newer one still waits: it is named, and it is what reads give.
    disk.let(1);
    ASSERT_TRUE(disk.awaitArrivals(2));
    EXPECT_EQ(store.flush(0ms), (Writes{"Top", "What", "Left"}));
    EXPECT_EQ(get(store, "Left"), "30");

    disk.openForGood();
    EXPECT_EQ(store.flush(kPatience), Writes{});
    EXPECT_EQ(disk.writes(), (Writes{"Left=10", "Top=20", "What=x", "Left=30"}));
}

// The first value is under way at the gate when the flush begins, with or without others behind it.
TEST(WriteBehindStore, FlushWaitsUntilEveryValueIsWritten) {
    for (const Writes& made : {Writes{"What=a", "BS=3"}, Writes{"What=a"}}) {
        SCOPED_TRACE(::testing::PrintToString(made));
        GatedStore disk;
        WriteBehindStore store(disk);
        for (const std::string& write : made) {
            const auto equals = write.find('=');
            put(store, write.substr(0, equals), write.substr(equals + 1));
        }
        ASSERT_TRUE(disk.awaitArrivals(1));

        // Not a std::latch: libstdc++ 12's waiting on an atomic, which it is made of, can miss
        // the wake-up where it has no futex (mingw-w64: the test then hangs now and then).
        std::promise<void> flushing;
        Writes waiting{"not flushed"};
        Writes writtenWhenFlushed;
        std::thread flusher([&] {
            flushing.set_value();
            waiting = store.flush(kPatience);
            writtenWhenFlushed = disk.writes();
        });
        // The gate opens as the flush begins: one that does not wait for the write under way
        // returns at once, naming its key.
        flushing.get_future().wait();
        disk.openForGood();
        flusher.join();

        EXPECT_EQ(waiting, Writes{});
        EXPECT_EQ(writtenWhenFlushed, made);
    }
}

TEST(WriteBehindStore, EndingWritesWhatIsStillWaiting) {
    GatedStore disk;
    {
        WriteBehindStore store(disk);
        put(store, "What", "a");
        ASSERT_TRUE(disk.awaitArrivals(1));
        put(store, "tvDate", "12/25/2026");
        put(store, "tvTime", "6:00:00 PM");
        disk.openForGood();
    }
    EXPECT_EQ(disk.writes(), (Writes{"What=a", "tvDate=12/25/2026", "tvTime=6:00:00 PM"}));
}

TEST(WriteBehindStore, KeepsApplicationsAndSectionsApart) {
    GatedStore disk;
    WriteBehindStore store(disk);
    store.write("Tavrio", "Settings", "What", "mine").ok();
    store.write("Other", "Settings", "What", "theirs").ok();
    store.write("Tavrio", "Other", "What", "elsewhere").ok();

    EXPECT_EQ(store.read("Tavrio", "Settings", "What"), "mine");
    EXPECT_EQ(store.read("Other", "Settings", "What"), "theirs");
    EXPECT_EQ(store.read("Tavrio", "Other", "What"), "elsewhere");
    disk.openForGood();
    EXPECT_EQ(store.flush(kPatience), Writes{});
    EXPECT_EQ(disk.writes().size(), 3u);
}

} // namespace
} // namespace tavrio
