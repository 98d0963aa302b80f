// The submission to the portal against a real web service on 127.0.0.1: the pre-request, its
// errors, the address or link page handed to the one opener, and the per-date tip file.
#include "app/hand_over.h"
#include "http_server.h"
#include "online/online_files.h"
#include "online/submission.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

struct Fixture {
    Fixture() : session(dir.path(), prompt)
    {
        session.setOpener([this](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
        QObject::connect(&session, &Session::statusShown, &session,
                         [this](int panel, const QString& text) { status[panel] = text; });
        rows[0] = {"3", "11", "13", "15", "34", "35"};
        rows[1] = {"1", "2", "3", "4", "5", "6"};
        choices.saturday = true;
        choices.losnummer = QStringLiteral("7654321");
    }
    OnlineOptions options(const QString& service) const
    {
        OnlineOptions o;
        o.serviceAddress = service;
        o.portalAddress = QStringLiteral("https://www.tipp24.example");
        o.webSite = QStringLiteral("http://www.tallwick.example/razoz/");
        o.partnerRef = QStringLiteral("4711");
        o.timeoutMs = 5000;
        return o;
    }
    test::ProgramDir dir;
    test::ScriptedPrompt prompt;
    Session session;
    std::vector<QUrl> opened;
    QString status[2];
    TipRows rows;
    OrderChoices choices;
};

} // namespace

TEST(Tipp24Submission, TheServiceStartsTheAddressThatIsOpened)
{
    Fixture f;
    test::HttpServer server(test::HttpServer::body("https://www.tipp24.example/order?\r\n"));
    EXPECT_EQ(submitToTipp24(handOverOf(f.session), f.options(server.url()), f.rows, 2, f.choices),
              SubmissionResult::Opened);
    EXPECT_EQ(server.targets(), std::vector<std::string>{"/lotto/lotto.asp?Spiel=Razoz&Wo=Tipp24&Tipps=2"});
    EXPECT_EQ(server.accept(), "text/html, */*");
    EXPECT_EQ(server.agent(), "Mozilla/3.0 (compatible; Indy Library)");
    ASSERT_EQ(f.opened.size(), 1u);
    const QString url = f.opened[0].toString(QUrl::FullyDecoded);
    EXPECT_TRUE(url.startsWith("https://www.tipp24.example/order?Tippreihe1_Zahl1=3&Tippreihe1_Zahl2=11&"))
        << url.toStdString();
    EXPECT_TRUE(url.endsWith("&Tippreihe2_Zahl6=6&Spiel77=tipp24off&Super6=tipp24off&gluecksspirale=tipp24off"
                             "&Losnummer=7654321&Abo=tipp24off&Teilnahme=samstag&laufzeitBezeichnung=Laufzeit"
                             "&Laufzeit=1&command=abgeben&ref=4711"))
        << url.toStdString();
    EXPECT_EQ(f.status[1], kLinkPageHint);
    EXPECT_TRUE(f.prompt.shown.empty());
    EXPECT_FALSE(QFile::exists(f.dir.file("tipp.htm")));
}

TEST(Tipp24Submission, AnAnswerThatIsNoWebAddressIsRefusedAndNothingOpens)
{
    for (const char* answer : {"file:///etc/passwd?", "javascript:alert(1)//", "/usr/bin/xterm -e sh #"}) {
        Fixture f;
        test::HttpServer server(test::HttpServer::body(answer));
        OnlineOptions o = f.options(server.url());
        o.linkPage = true; // the link page would forward to it just the same
        EXPECT_EQ(submitToTipp24(handOverOf(f.session), o, f.rows, 1, f.choices), SubmissionResult::Refused) << answer;
        EXPECT_TRUE(f.opened.empty());
        EXPECT_FALSE(QFile::exists(f.dir.file("tipp.htm")));
        ASSERT_EQ(f.prompt.texts("information").size(), 1);
        EXPECT_TRUE(f.prompt.texts("information")[0].contains("wird nicht geöffnet"));
    }
}

TEST(Tipp24Submission, TheLinkPageCarriesTheAddressEscaped)
{
    Fixture f;
    test::HttpServer server(test::HttpServer::body("https://x.example/?q=\"><script>alert(1)</script>&"));
    OnlineOptions o = f.options(server.url());
    o.linkPage = true;
    EXPECT_EQ(submitToTipp24(handOverOf(f.session), o, f.rows, 1, f.choices), SubmissionResult::LinkPageOpened);
    ASSERT_EQ(f.opened.size(), 1u);
    EXPECT_EQ(f.opened[0], QUrl::fromLocalFile(f.dir.file("tipp.htm")));
    const QByteArray page = f.dir.readFile("tipp.htm");
    EXPECT_EQ(page.count("<script"), 1);
    EXPECT_TRUE(page.contains("<a href=\"https://x.example/?q=&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;&amp;"
                              "Tippreihe1_Zahl1=3&amp;"));
    EXPECT_TRUE(page.contains("<title>Razoz-Quorex Online-Abgabe \xfc"
                              "ber www.tipp24.example</Title>"));
    EXPECT_TRUE(f.status[1].isEmpty());
}

TEST(Tipp24Submission, AnErrorWithAMessagePageShowsThatPageOnly)
{
    Fixture f;
    const std::string body = "<html><head><META HTTP-EQUIV='Refresh' CONTENT='0; url=https://evil.example/'>"
                             "<meta http-equiv=\"refresh\" content=\"5\"></head><body>Mitteilung: Wartung bis 12 "
                             "Uhr<script>alert(1)</script></body></html>";
    // 400, the lowest error status, counts as an error like any above it.
    test::HttpServer server([&](const httplib::Request&, httplib::Response& res) {
        res.status = 400;
        res.set_content(body, "text/html");
    });
    EXPECT_EQ(submitToTipp24(handOverOf(f.session), f.options(server.url()), f.rows, 8, f.choices),
              SubmissionResult::MessageShown);
    // Saved with a policy that blocks script and loads first, and without the page's refreshes.
    EXPECT_EQ(f.dir.readFile("Meldung.htm"),
              "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src 'unsafe-inline'; "
              "img-src data:\">\r\n<html><head></head><body>Mitteilung: Wartung bis 12 "
              "Uhr<script>alert(1)</script></body></html>");
    ASSERT_EQ(f.opened.size(), 1u);
    EXPECT_EQ(f.opened[0], QUrl::fromLocalFile(f.dir.file("Meldung.htm")));
    EXPECT_TRUE(f.prompt.shown.empty());
}

TEST(Tipp24Submission, AnErrorWithoutAMessageIsToldAndExtraStillGoesOn)
{
    Fixture f;
    test::HttpServer server([](const httplib::Request&, httplib::Response& res) {
        res.status = 500;
        res.set_content("Internal Server Error", "text/plain");
    });
    f.choices.extra = true;
    EXPECT_EQ(submitToTipp24(handOverOf(f.session), f.options(server.url()), f.rows, 1, f.choices),
              SubmissionResult::Opened);
    ASSERT_EQ(f.prompt.texts("information").size(), 1);
    EXPECT_EQ(f.prompt.texts("information")[0], serviceDownMessage("http://www.tallwick.example/razoz/"));
    EXPECT_TRUE(f.prompt.texts("information")[0].startsWith("Abgabe-Service steht momentan nicht zur Verfügung."));
    ASSERT_EQ(f.opened.size(), 1u);
    EXPECT_TRUE(f.opened[0].toString().startsWith("https://www.tipp24.example/app/extralotto/html/index.html?el1_1=3"));
    EXPECT_FALSE(QFile::exists(f.dir.file("Meldung.htm")));
}

TEST(Tipp24Submission, NoAnswerOrABadProxyPortStopsWithAnErrorAndWritesNothing)
{
    Fixture f;
    EXPECT_EQ(submitToTipp24(handOverOf(f.session), f.options("http://127.0.0.1:1"), f.rows, 1, f.choices),
              SubmissionResult::Failed);
    test::HttpServer server(test::HttpServer::body("https://www.tipp24.example/order?"));
    OnlineOptions o = f.options(server.url());
    o.proxyHost = "127.0.0.1";
    o.proxyPort = "achtzig";
    EXPECT_EQ(submitToTipp24(handOverOf(f.session), o, f.rows, 1, f.choices), SubmissionResult::Failed);
    EXPECT_EQ(f.prompt.texts("error").size(), 2);
    EXPECT_TRUE(f.prompt.texts("error")[1].contains("achtzig"));
    EXPECT_TRUE(server.targets().empty());
    EXPECT_TRUE(f.opened.empty());
}

TEST(Tipp24Submission, AnAddressOverTheLimitIsRefused)
{
    Fixture f;
    test::HttpServer server(test::HttpServer::body("https://www.tipp24.example/?" + std::string(2000, 'a')));
    EXPECT_EQ(submitToTipp24(handOverOf(f.session), f.options(server.url()), f.rows, 12, f.choices),
              SubmissionResult::Refused);
    EXPECT_TRUE(f.opened.empty());
    ASSERT_EQ(f.prompt.texts("information").size(), 1);
    EXPECT_TRUE(f.prompt.texts("information")[0].contains("2048"));
}

TEST(PerDateTips, WrittenIntoTippsAndAFailureNamesTheFile)
{
    Fixture f;
    QStringList texts(60, QStringLiteral("x"));
    texts[55] = QStringLiteral("konnte nicht geschrieben werden.");
    f.session.setTexts(texts);
    const QString path = perDateTipPath(f.session.programFolder(), QDate(2009, 1, 1), QDate(2026, 12, 9));
    EXPECT_EQ(path, f.dir.file("Tipps/20090103.wtp"));
    f.dir.writeFile("Tipps/20090103.wtp", "old contents, much longer than the new ones\r\n");
    EXPECT_TRUE(writePerDateTips(handOverOf(f.session), f.rows, path));
    EXPECT_EQ(f.dir.readFile("Tipps/20090103.wtp"), "3,11,13,15,34,35\r\n1,2,3,4,5,6\r\n");

    // A folder where the file should be: the file's name and text 55.
    QDir().mkpath(f.dir.file("Tipps/20090108.wtp"));
    EXPECT_FALSE(writePerDateTips(handOverOf(f.session), f.rows, f.dir.file("Tipps/20090108.wtp")));
    ASSERT_EQ(f.prompt.texts("information").size(), 1);
    EXPECT_EQ(f.prompt.texts("information")[0],
              QDir::toNativeSeparators(f.dir.file("Tipps/20090108.wtp")) + " konnte nicht geschrieben werden.");
}

TEST(PerDateTips, AFolderThatCannotBeMadeIsAnErrorAndNothingIsWritten)
{
    Fixture f;
    f.dir.writeFile("Tipps", "a file in the way");
    EXPECT_FALSE(writePerDateTips(handOverOf(f.session), f.rows, f.dir.file("Tipps/20090103.wtp")));
    EXPECT_EQ(f.prompt.texts("error").size(), 1);
    EXPECT_EQ(f.dir.readFile("Tipps"), "a file in the way");
}

TEST(WebPage, OnlyHttpAndHttpsReachTheOpener)
{
    Fixture f;
    EXPECT_TRUE(openWebPage(handOverOf(f.session), "http://www.tallwick.example/klickwerk/"));
    EXPECT_FALSE(openWebPage(handOverOf(f.session), "file:///usr/bin/xterm"));
    ASSERT_EQ(f.opened.size(), 1u);
    EXPECT_EQ(f.prompt.texts("information").size(), 1);
}
