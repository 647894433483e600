// The main function of a Qt Test widget test. Before the application starts, the per-user
// folders of the process move into a temporary folder, so that nothing a test does (or a
// QSettings the program under test opens by mistake) reaches the real user's files, and the
// offscreen platform is chosen unless the caller chose one, so no window reaches a real display.
#pragma once

#include <QTest>

#include <functional>

namespace tavrio::test {

// Prepares the process as above, makes the QApplication and returns what `run` returns.
int runWidgetTests(int argc, char** argv, const std::function<int(int, char**)>& run);

} // namespace tavrio::test

#define TAVRIO_WIDGET_TEST_MAIN(TestObject)                                                        \
    int main(int argc, char** argv) {                                                              \
        return tavrio::test::runWidgetTests(argc, argv, [](int count, char** arguments) {          \
            TestObject tests;                                                                      \
            return QTest::qExec(&tests, count, arguments);                                         \
        });                                                                                        \
    }
