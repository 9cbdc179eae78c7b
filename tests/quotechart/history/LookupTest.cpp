// The company-name lookup against a real HTTP server on the loopback
// address, run by the test in its own event loop.

#include "ChartTest.h"
#include "ModalAnswer.h"
#include "history/OpenURL.h"

#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

namespace {

QByteArray plainText(const QByteArray &body)
{
    return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
        "\r\n\r\n" + body;
}

// Answers every request with `body` (or, when silent, with nothing), and
// remembers the request lines it was sent.
class LookupServer {
public:
    LookupServer()
    {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { accept(); });
    }
    QString site() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }

    QByteArray body;
    QList<QByteArray> bodies;   // answered in turn before `body`
    QByteArray raw;             // when set, the whole answer to every request
    bool silent = false;
    std::function<void()> onRequest;   // runs while the chart waits
    QByteArray request;
    int requests = 0;

private:
    void accept()
    {
        while (QTcpSocket *socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                QByteArray &seen = pending_[socket];
                seen += socket->readAll();
                if (!seen.contains("\r\n\r\n"))
                    return;
                request = seen;
                ++requests;
                if (onRequest)
                    onRequest();
                if (silent)
                    return;
                const QByteArray answer = bodies.isEmpty() ? body : bodies.takeFirst();
                socket->write(raw.isEmpty() ? plainText(answer) : raw);
                socket->disconnectFromHost();
            });
        }
    }

    QTcpServer server_;
    QHash<QTcpSocket *, QByteArray> pending_;
};

class Lookup : public ChartTest {
protected:
    void SetUp() override
    {
        showChart(800, 600);
        quotechart::setLookupSite(server.site());
        chart->ticker_name = "ACME";
    }
    void TearDown() override { quotechart::setLookupSite(QString()); }
    QLabel *caption() { return child<QLabel>("CaptionLabel"); }

    LookupServer server;
};

TEST_F(Lookup, AsksTheTickerPageWithTheAgentAndDropsTheLineEnd)
{
    server.body = "Acme Widgets Inc\r\n";
    QSignalSpy resolved(chart.get(), &quotechart::REvuved::CompanyNameResolved);
    chart->DrawLabel();
    EXPECT_TRUE(server.request.startsWith("GET /cgi-bin/ticker.pl?ACME HTTP/1.1\r\n")) << server.request.constData();
    EXPECT_TRUE(server.request.contains("User-Agent: VIRarazori\r\n"));
    EXPECT_EQ(caption()->text(), "Acme Widgets Inc ");
    EXPECT_EQ(chart->CompanyName(), "Acme Widgets Inc ");
    EXPECT_EQ(resolved.count(), 1);

    caption()->setText("");
    chart->DrawLabelNoEvent();
    EXPECT_EQ(caption()->text(), "Acme Widgets Inc ");
    EXPECT_EQ(resolved.count(), 1);
}

TEST_F(Lookup, ALineFeedAloneIsDroppedDifferentlyByTheTwoMethods)
{
    server.body = "Acme\n";
    chart->DrawLabel();
    EXPECT_EQ(caption()->text(), "Acm ");
    caption()->setText("");
    chart->DrawLabelNoEvent();
    EXPECT_EQ(caption()->text(), "Acme ");
}

TEST_F(Lookup, AnEmptyAnswerShowsTheTicker)
{
    chart->DrawLabel();
    EXPECT_EQ(caption()->text(), "ACME");
    caption()->setText("");
    chart->DrawLabelNoEvent();
    EXPECT_EQ(caption()->text(), "ACME");
}

TEST_F(Lookup, AKnownCaptionAsksNothingAndDrawLabelStillSaysSo)
{
    caption()->setText("Acm");
    QSignalSpy resolved(chart.get(), &quotechart::REvuved::CompanyNameResolved);
    chart->DrawLabel();
    chart->DrawLabelNoEvent();
    EXPECT_EQ(server.requests, 0);
    EXPECT_EQ(resolved.count(), 1);
    EXPECT_EQ(caption()->text(), "Acm");
}

TEST_F(Lookup, AnAddressThatCannotBeOpenedKeepsOrBlanksTheCaption)
{
    quotechart::setLookupSite("http://127.0.0.1:1");   // nothing listens there
    caption()->setText("AB");
    QSignalSpy resolved(chart.get(), &quotechart::REvuved::CompanyNameResolved);
    chart->DrawLabel();
    EXPECT_EQ(caption()->text(), "AB");
    EXPECT_EQ(resolved.count(), 1);
    chart->DrawLabelNoEvent();
    EXPECT_EQ(caption()->text(), " ");
    EXPECT_EQ(quotechart::OpenURL("http://127.0.0.1:1/x"), "0");
    quotechart::setLookupSite(QString());   // no site: as an address that cannot be opened
    caption()->setText("");
    chart->DrawLabelNoEvent();
    EXPECT_EQ(caption()->text(), " ");
}

TEST_F(Lookup, TheTickerIsEncodedWhereItWouldChangeTheAddress)
{
    server.body = "Name\r\n";
    chart->ticker_name = "A&B=C?D#E F%G+H";
    chart->DrawLabel();
    EXPECT_TRUE(server.request.startsWith("GET /cgi-bin/ticker.pl?A%26B%3DC%3FD%23E%20F%25G%2BH HTTP/1.1\r\n"))
        << server.request.constData();
    caption()->setText("");
    chart->ticker_name = "BRK.B-1_~:@!$*,;/";
    chart->DrawLabelNoEvent();
    EXPECT_TRUE(server.request.startsWith("GET /cgi-bin/ticker.pl?BRK.B-1_~:@!$*,;/ HTTP/1.1\r\n"))
        << server.request.constData();
}

TEST_F(Lookup, RedirectsAreFollowedAndALoopOfThemEnds)
{
    server.raw = "HTTP/1.1 302 Found\r\nLocation: /cgi-bin/moved.pl?ACME\r\nContent-Length: 5\r\n\r\nmoved";
    server.onRequest = [this] {
        if (server.request.startsWith("GET /cgi-bin/moved.pl?ACME "))
            server.raw.clear();
    };
    server.body = "Acme\r\n";
    EXPECT_EQ(quotechart::OpenURL(server.site() + "/cgi-bin/ticker.pl?ACME"), "Acme\r\n");
    EXPECT_EQ(server.requests, 2);

    server.onRequest = nullptr;
    server.raw = "HTTP/1.1 301 Moved\r\nLocation: /again\r\nContent-Length: 0\r\n\r\n";
    EXPECT_EQ(quotechart::OpenURL(server.site() + "/again"), "");   // the last answer has no body
}

TEST_F(Lookup, LongBodiesArriveWholeUpToTheBound)
{
    QByteArray body;
    for (int i = 0; body.size() < 20000; ++i)
        body += QByteArray::number(i) + ' ';
    server.body = body;
    EXPECT_EQ(quotechart::OpenURL(server.site() + "/cgi-bin/ticker.pl?X").toLatin1(), body);
    server.body = QByteArray(3 << 20, 'z');
    EXPECT_EQ(quotechart::OpenURL(server.site() + "/x").size(), 1 << 20);
    server.body = QByteArray("caf\xe9\x00\xff\r\n", 8);   // not text at all: each byte is a character
    EXPECT_EQ(quotechart::OpenURL(server.site() + "/x").size(), 8);
}

TEST_F(Lookup, AServerThatSaysNothingTimesOutAfterFiveSeconds)
{
    server.silent = true;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(quotechart::OpenURL(server.site() + "/x"), "0");
    EXPECT_GE(clock.elapsed(), 4500);
}

TEST_F(Lookup, TheChartMayBeClosedWhileTheLookupWaits)
{
    server.body = "Acme\r\n";
    server.onRequest = [this] { chart.reset(); };
    QPointer<quotechart::REvuved> watched(chart.get());
    watched->DrawLabel();   // the chart is destroyed inside
    EXPECT_TRUE(watched.isNull());
}

TEST_F(Lookup, ALookupStartedDuringAnotherBothFinishAndTheLaterFinisherWins)
{
    server.bodies = {"Answered first\r\n", "Answered second\r\n"};
    QSignalSpy resolved(chart.get(), &quotechart::REvuved::CompanyNameResolved);
    server.onRequest = [this] {
        if (server.requests == 1)
            chart->DrawLabel();   // an event during the first wait starts the second
    };
    chart->DrawLabel();
    EXPECT_EQ(resolved.count(), 2);
    EXPECT_EQ(server.requests, 2);
    // The inner lookup is answered first; the outer one finishes last and wins.
    EXPECT_EQ(caption()->text(), "Answered second ");
}

TEST_F(Lookup, UpdateHistDataOnlyConfirms)
{
    auto box = ModalAnswer::messageBox(QMessageBox::Ok);
    const QString captionBefore = caption()->text();
    chart->UpdateHistData();
    EXPECT_EQ(box->text(), "data updated");
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(caption()->text(), captionBefore);
    EXPECT_EQ(chart->ticker_name, "ACME");
}

}   // namespace
