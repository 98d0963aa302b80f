// razoz-cli order-url and script fill as real binaries, with razoz-server as the web service.
#include "server_process.h"
#include "test_support.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace razoz;

namespace {
QJsonObject json(const test::CliResult& r)
{
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
}
} // namespace

TEST(OrderUrlCli, TheServiceStartsTheAddressAndTheSettingsGiveThePartner)
{
    test::ProgramDir dir;
    test::ServerProcess server({"--order-base", "https://www.tipp24.example/order?"});
    dir.writeFile("settings.ini", "[General]\nPartnerRef=99\n");
    const auto r = test::runCli({"--program-folder", dir.path(), "--settings", dir.file("settings.ini"), "order-url",
                                 "--row", "3,11,13,15,34,35", "--row", "7,,,,,", "--rows", "2", "--service",
                                 server.url(), "--losnummer", "1234567", "--saturday", "--wednesday", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(json(r)["url"].toString().toStdString(),
              "https://www.tipp24.example/order?Tippreihe1_Zahl1=3&Tippreihe1_Zahl2=11&Tippreihe1_Zahl3=13"
              "&Tippreihe1_Zahl4=15&Tippreihe1_Zahl5=34&Tippreihe1_Zahl6=35&Tippreihe2_Zahl1=7&Tippreihe2_Zahl2="
              "&Tippreihe2_Zahl3=&Tippreihe2_Zahl4=&Tippreihe2_Zahl5=&Tippreihe2_Zahl6=&Spiel77=tipp24off"
              "&Super6=tipp24off&gluecksspirale=tipp24off&Losnummer=1234567&Abo=tipp24off&Teilnahme=kombi"
              "&laufzeitBezeichnung=Laufzeit&Laufzeit=1&command=abgeben&ref=99");
    EXPECT_TRUE(server.requestLines().join('\n').contains("/lotto/lotto.asp?Spiel=Razoz&Wo=Tipp24&Tipps=2 200"));
}

TEST(OrderUrlCli, ExtraPlainTextAndTheRefusals)
{
    test::ProgramDir dir;
    auto r = test::runCli({"--program-folder", dir.path(), "--settings", dir.file("none.ini"), "order-url", "--row",
                           "1,2,3,4,5,6", "--rows", "1", "--base", "unused", "--losnummer", "7", "--extra"});
    // A settings file that does not exist is an error of its own.
    EXPECT_EQ(r.exitCode, 1);
    dir.writeFile("settings.ini", "[General]\n");
    const QStringList common = {"--program-folder",
                                dir.path(),
                                "--settings",
                                dir.file("settings.ini"),
                                "order-url",
                                "--row",
                                "1,2,3,4,5,6",
                                "--rows",
                                "1",
                                "--losnummer",
                                "7"};
    r = test::runCli(common + QStringList{"--base", "unused", "--extra"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "https://www.tipp24.example/app/extralotto/html/index.html?el1_1=1&el1_2=2&el1_3=3&el1_4=4"
                     "&el1_5=5&el1_6=6&ticketnumber=7&drawingid=EXTRALOTTO-VP-1&command=abgeben&ref=4711\n");
    r = test::runCli(common + QStringList{"--base", "file:///etc/passwd?"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    r = test::runCli(common + QStringList{"--base", "https://x.example/?" + QString(2000, 'a')});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("razoz-cli: ")) << r.err.toStdString();
    EXPECT_EQ(test::runCli(common).exitCode, 2); // neither --base nor --service
    EXPECT_EQ(test::runCli(common + QStringList{"--base", "a", "--service", "b"}).exitCode, 2);
    EXPECT_EQ(test::runCli({"--program-folder", dir.path(), "order-url", "--row", "1,2,3,4,5,6", "--rows", "13",
                            "--losnummer", "7", "--base", "https://x.example/?"})
                  .exitCode,
              2);
}

TEST(OrderUrlCli, AServiceErrorFailsTheCommand)
{
    test::ProgramDir dir;
    test::ServerProcess server({}); // no --order-base: the service has nothing to offer
    dir.writeFile("settings.ini", "[General]\n");
    const auto r = test::runCli({"--program-folder", dir.path(), "--settings", dir.file("settings.ini"), "order-url",
                                 "--row", "1,2,3,4,5,6", "--rows", "1", "--service", server.url(), "--losnummer", "7"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("404")) << r.err.toStdString();
}

TEST(ScriptFillCli, TheShippedScriptGetsEveryPlaceholderFilled)
{
    test::ProgramDir dir;
    dir.writeFile("settings.ini", "[General]\n");
    const auto r =
        test::runCli({"--program-folder", dir.path(), "--settings", dir.file("settings.ini"), "script", "fill",
                      "--script", QStringLiteral(RAZOZ_SOURCE_DIR "/data/Script/tipp24.zorb"), "--row",
                      "3,11,13,15,34,35", "--tipfile", "/t/Tipps/20090103.wtp", "--saturday", "--super6", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString text = json(r)["text"].toString();
    EXPECT_TRUE(text.contains("DATEI /t/Tipps/20090103.wtp\r\n"));
    EXPECT_TRUE(text.contains("REIHE 1 3 11 13 15 34 35\r\n"));
    EXPECT_TRUE(text.contains("REIHE 12      \r\n"));
    EXPECT_TRUE(text.contains("KAESTCHEN Samstag JA\r\n"));
    EXPECT_TRUE(text.contains("KAESTCHEN Mittwoch+Samstag NEIN\r\n"));
    EXPECT_TRUE(text.contains("KAESTCHEN Super6 JA\r\n"));
    EXPECT_TRUE(text.contains("MELDUNG Bitte überprüfen Sie jetzt den Tipp und dann können Sie ihn abgeben!"));
    EXPECT_FALSE(text.contains("[Z"));

    const auto missing =
        test::runCli({"--program-folder", dir.path(), "--settings", dir.file("settings.ini"), "script", "fill",
                      "--script", dir.file("none.zorb"), "--row", "1,2,3,4,5,6", "--tipfile", "x"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(test::runCli({"--program-folder", dir.path(), "script", "fill", "--row", "1,2,3,4,5,6"}).exitCode, 2);
}
