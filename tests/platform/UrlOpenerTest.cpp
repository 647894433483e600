// What the browser is handed: the address as one URL, with what a URL may not hold encoded.
// A handler registered for the schemes stands in for the browser, so none is started.
#include "UrlOpener.h"

#include "DonationAddress.h"
#include "WidgetTestMain.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

namespace tavrio {

class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

class UrlOpenerTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theDonationAddressReachesTheBrowserAsOneUrl();
    void eachCallHandsOverOnce();

private:
    UrlRecorder recorder_;
};

void UrlOpenerTest::init() {
    recorder_.opened.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder_, "open");
}

void UrlOpenerTest::cleanup() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void UrlOpenerTest::theDonationAddressReachesTheBrowserAsOneUrl() {
    openAddress(donationAddress("www.paypal.com", "donate@tavrio.org"));

    QCOMPARE(recorder_.opened.size(), 1);
    const QUrl& url = recorder_.opened.front();
    QVERIFY(url.isValid());
    QCOMPARE(url.toEncoded(),
             QByteArray("https://www.paypal.com/cgi-bin/webscr?cmd=_xclick"
                        "&business=donate@tavrio.org&item_name=Tavrio%20Program&no_shipping=1"
                        "&no_note=1&currency_code=USD&tax=0&lc=US&bn=PP-DonationsBF"));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue(QStringLiteral("item_name")), QStringLiteral("Tavrio Program"));
    QCOMPARE(query.queryItemValue(QStringLiteral("business")), QStringLiteral("donate@tavrio.org"));
}

void UrlOpenerTest::eachCallHandsOverOnce() {
    const std::string address = donationAddress();
    openAddress(address);
    openAddress(address);

    QCOMPARE(recorder_.opened.size(), 2);
    QCOMPARE(recorder_.opened.at(0), recorder_.opened.at(1));
    QCOMPARE(recorder_.opened.at(0).host(), QString::fromStdString(address).section('/', 2, 2));
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::UrlOpenerTest)
#include "UrlOpenerTest.moc"
