// Click scripts: the placeholders, the robot's settings and command line, the script list and the
// update from the web service.
#include "http_server.h"
#include "online/click_script.h"
#include "online/order_url.h"
#include "test_support.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

ScriptFill sampleFill()
{
    ScriptFill f;
    f.tipFilePath = QStringLiteral("/home/spieler/Razoz/Tipps/20090103.wtp");
    for (int j = 0; j < kTipRows; ++j)
        for (int i = 0; i < kTipColumns; ++i) f.rows[j][i] = QString::number(j * 4 + i + 1);
    return f;
}

void setModified(const QString& path, const QDateTime& when)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
}

std::string httpDate(const QDateTime& t)
{
    return QLocale::c().toString(t.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'")).toStdString();
}

} // namespace

TEST(ClickScript, EveryOccurrenceOfAPlaceholderIsReplacedWithExactCase)
{
    const ScriptFill f = sampleFill();
    EXPECT_EQ(fillClickScript("A [Z3_12] B [Z3_12] C [z3_12] [Z3_13] [Z0_1]", f), "A 47 B 47 C [z3_12] [Z3_13] [Z0_1]");
    EXPECT_EQ(fillClickScript("[Z1_1],[Z6_1];[Z1_2]", f), "1,6;5");
    EXPECT_EQ(fillClickScript("DATEI [TIPPDATEI]\r\n[MELDUNGFERTIG]", f),
              "DATEI /home/spieler/Razoz/Tipps/20090103.wtp\r\n" + kReadyMessage);
    // Unfinished and nested brackets are left as they are.
    EXPECT_EQ(fillClickScript("[[SA]] [SA [", f), "[NEIN] [SA [");
}

TEST(ClickScript, EmptyBoxesGiveEmptyTexts)
{
    ScriptFill f;
    f.rows[0] = {"7", "", "", "", "", ""};
    EXPECT_EQ(fillClickScript("[Z1_1]|[Z2_1]|[Z1_12]", f), "7||");
}

struct ChoiceCase {
    bool saturday, wednesday, spiel77, super6;
    const char* expected; // MI SA MISA SPIEL77 SUPER6
};

class ScriptChoices : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ScriptChoices, YesOrNoForEachChoice)
{
    ScriptFill f;
    f.saturday = GetParam().saturday;
    f.wednesday = GetParam().wednesday;
    f.spiel77 = GetParam().spiel77;
    f.super6 = GetParam().super6;
    EXPECT_EQ(fillClickScript("[MI] [SA] [MISA] [SPIEL77] [SUPER6]", f), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ClickScript, ScriptChoices,
                         ::testing::Values(ChoiceCase{true, false, false, false, "NEIN JA NEIN NEIN NEIN"},
                                           ChoiceCase{false, true, false, true, "JA NEIN NEIN NEIN JA"},
                                           ChoiceCase{true, true, true, false, "JA JA JA JA NEIN"},
                                           ChoiceCase{false, false, false, false, "NEIN NEIN NEIN NEIN NEIN"}));

TEST(ClickScript, TextPutInIsNeverSearchedAgain)
{
    ScriptFill f = sampleFill();
    f.tipFilePath = QStringLiteral("C:\\Spiele [SA]\\[Z1_1]\\Tipps\\20090103.wtp");
    EXPECT_EQ(fillClickScript("[TIPPDATEI] [SA]", f), "C:\\Spiele [SA]\\[Z1_1]\\Tipps\\20090103.wtp NEIN");
}

TEST(ClickScript, TheShippedExampleUsesEveryPlaceholder)
{
    QFile file(QStringLiteral(RAZOZ_SOURCE_DIR "/data/Script/tipp24.zorb"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const ScriptText script = decodeScript(file.readAll());
    const ScriptFill f = sampleFill();
    for (const auto& [placeholder, text] : scriptPlaceholders(f))
        EXPECT_TRUE(script.text.contains(placeholder)) << placeholder.toStdString();
    const QString filled = fillClickScript(script.text, f);
    for (const auto& [placeholder, text] : scriptPlaceholders(f)) EXPECT_FALSE(filled.contains(placeholder));
    EXPECT_EQ(scriptPlaceholders(f).size(), 1 + 72 + 6);
}

TEST(ClickScript, AnEightBitScriptIsSavedInItsOwnCodePage)
{
    const QByteArray cp1252 = "MELDUNG \xdc[MELDUNGFERTIG]\r\n";
    ScriptText s = decodeScript(cp1252);
    EXPECT_FALSE(s.utf8);
    s.text = fillClickScript(s.text, ScriptFill{});
    EXPECT_EQ(encodeScript(s), QByteArray("MELDUNG \xdc"
                                          "Bitte \xfc"
                                          "berpr\xfc"
                                          "fen Sie jetzt den Tipp und dann "
                                          "k\xf6nnen Sie ihn abgeben!\r\n"));
    ScriptText u = decodeScript("\xc3\x9c [SA]");
    EXPECT_TRUE(u.utf8);
    EXPECT_EQ(encodeScript(u), QByteArray("\xc3\x9c [SA]"));
}

TEST(ClickScript, FilledCopyGoesToTodaysFileInTipps)
{
    test::ProgramDir dir;
    dir.writeFile("Script/t.zorb", "REIHE [Z1_1] [Z2_1]\r\nDATEI [TIPPDATEI]\r\n");
    ScriptFill f = sampleFill();
    f.tipFilePath = dir.file("Tipps/20090103.wtp");
    const QString out = writeFilledScript(dir.file("Script/t.zorb"), f, dir.path(), QDate(2009, 1, 2));
    EXPECT_EQ(out, dir.file("Tipps/20090102.zorb"));
    EXPECT_EQ(dir.readFile("Tipps/20090102.zorb"),
              "REIHE 1 2\r\nDATEI " + dir.file("Tipps/20090103.wtp").toUtf8() + "\r\n");
    // An unreadable script saves nothing.
    EXPECT_THROW(writeFilledScript(dir.file("Script/missing.zorb"), f, dir.path(), QDate(2009, 1, 5)), OnlineError);
    EXPECT_THROW(writeFilledScript(dir.file("Script"), f, dir.path(), QDate(2009, 1, 5)), OnlineError);
    EXPECT_FALSE(QFile::exists(dir.file("Tipps/20090105.zorb")));
}

TEST(Robot, SettingsAreReadAndTheChoicesWrittenButNeverThePath)
{
    test::ProgramDir dir;
    const QString ini = dir.file("klickwerk.ini");
    EXPECT_EQ(readRobotSettings(ini).path, QString()); // missing values read empty
    {
        QSettings s(ini, QSettings::IniFormat);
        s.setValue("Settings/Path", "/opt/klickwerk");
        s.setValue("Settings/PrimiZahl1", "5");
    }
    RobotSettings r = readRobotSettings(ini);
    EXPECT_EQ(r.path, "/opt/klickwerk");
    EXPECT_EQ(r.zahl1, "5");
    EXPECT_EQ(r.text1, QString());
    r.path = "/elsewhere";
    r.script = dir.file("Script/a.zorb");
    r.zahl1 = "0";
    r.text1 = "Login";
    r.zahl2 = "2";
    r.text2 = "geheim";
    writeRobotChoices(r, ini);
    const RobotSettings back = readRobotSettings(ini);
    EXPECT_EQ(back.path, "/opt/klickwerk");
    EXPECT_EQ(back.script, r.script);
    EXPECT_EQ(QStringList({back.zahl1, back.text1, back.zahl2, back.text2}),
              QStringList({"0", "Login", "2", "geheim"}));
}

TEST(Robot, ProgramAndArgumentsKeepEveryParameterInItsPlace)
{
#ifndef Q_OS_WIN
    EXPECT_EQ(robotProgram("/opt/klickwerk/"), "/opt/klickwerk/Klickomat");
#endif
    RobotSettings p;
    p.zahl1 = "0";
    p.zahl2 = "3";
    p.text2 = "mit Leerzeichen";
    EXPECT_EQ(
        robotArguments("/p/Tipps/20090103.zorb", p),
        QStringList({"START", QDir::toNativeSeparators("/p/Tipps/20090103.zorb"), "0", "", "3", "mit Leerzeichen"}));
}

TEST(ScriptList, OnlyScriptFilesOfTheFolderAsFullPathsInNameOrder)
{
    test::ProgramDir dir;
    EXPECT_TRUE(listClickScripts(dir.file("Script")).isEmpty());
    QDir().mkpath(dir.file("Script/ordner.zorb"));
    EXPECT_TRUE(listClickScripts(dir.file("Script")).isEmpty());
    dir.writeFile("Script/b.zorb", "b");
    dir.writeFile("Script/a.zorb", "a");
    dir.writeFile("Script/c.txt", "c");
    dir.writeFile("Script/sub/d.zorb", "d");
    EXPECT_EQ(listClickScripts(dir.file("Script")),
              QStringList({dir.file("Script/a.zorb"), dir.file("Script/b.zorb")}));
}

class ScriptUpdateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.writeFile("Script/tipp24.zorb", "alt");
        script = dir.file("Script/tipp24.zorb");
        setModified(script, QDateTime(QDate(2020, 5, 1), QTime(12, 0), Qt::UTC));
    }
    test::ProgramDir dir;
    QString script;
};

TEST_F(ScriptUpdateTest, ANewerScriptOfTheServiceReplacesTheLocalOneByteForByte)
{
    const std::string body("neu\r\n\xe4\0ende", 11);
    test::HttpServer server([&](const httplib::Request&, httplib::Response& res) {
        res.set_header("Last-Modified", httpDate(QDateTime(QDate(2020, 5, 2), QTime(8, 0), Qt::UTC)));
        res.set_content(body, "text/plain");
    });
    EXPECT_EQ(updateClickScript(server.url(), script, dir.file("Script")), ScriptUpdate::Updated);
    EXPECT_EQ(dir.readFile("Script/tipp24.zorb"), QByteArray(body.data(), int(body.size())));
    EXPECT_EQ(server.targets(), std::vector<std::string>{"/scripts/tipp24.zorb.txt"});
}

TEST_F(ScriptUpdateTest, TheLocalScriptStaysWhenItIsNewerOrTheAnswerHasNoDateOrFails)
{
    test::HttpServer older([](const httplib::Request&, httplib::Response& res) {
        res.set_header("Last-Modified", httpDate(QDateTime(QDate(2020, 4, 30), QTime(8, 0), Qt::UTC)));
        res.set_content("server", "text/plain");
    });
    EXPECT_EQ(updateClickScript(older.url(), script, dir.file("Script")), ScriptUpdate::Kept);
    test::HttpServer undated(test::HttpServer::body("server"));
    EXPECT_EQ(updateClickScript(undated.url(), script, dir.file("Script")), ScriptUpdate::Kept);
    test::HttpServer missing([](const httplib::Request&, httplib::Response& res) {
        res.status = 404;
        res.set_header("Last-Modified", httpDate(QDateTime(QDate(2030, 1, 1), QTime(8, 0), Qt::UTC)));
        res.set_content("Not Found", "text/plain");
    });
    EXPECT_EQ(updateClickScript(missing.url(), script, dir.file("Script")), ScriptUpdate::NotOffered);
    EXPECT_EQ(updateClickScript("http://127.0.0.1:1", script, dir.file("Script"), 2000), ScriptUpdate::NotOffered);
    EXPECT_EQ(dir.readFile("Script/tipp24.zorb"), "alt");
}

TEST_F(ScriptUpdateTest, OnlyScriptsOfTheScriptFolderAreUpdatedAndTheNameStaysOneSegment)
{
    int asked = 0;
    test::HttpServer server([&](const httplib::Request&, httplib::Response& res) {
        ++asked;
        res.set_header("Last-Modified", httpDate(QDateTime(QDate(2030, 1, 1), QTime(8, 0), Qt::UTC)));
        res.set_content("server", "text/plain");
    });
    dir.writeFile("elsewhere/tipp24.zorb", "fremd");
    EXPECT_EQ(updateClickScript(server.url(), dir.file("elsewhere/tipp24.zorb"), dir.file("Script")),
              ScriptUpdate::NotOffered);
    EXPECT_EQ(updateClickScript(server.url(), dir.file("Script/../elsewhere/tipp24.zorb"), dir.file("Script")),
              ScriptUpdate::NotOffered);
    EXPECT_EQ(updateClickScript(server.url(), dir.file("Script/none.zorb"), dir.file("Script")),
              ScriptUpdate::NotOffered);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(dir.readFile("elsewhere/tipp24.zorb"), "fremd");

    dir.writeFile("Script/a?b#c.zorb", "alt");
    setModified(dir.file("Script/a?b#c.zorb"), QDateTime(QDate(2020, 5, 1), QTime(12, 0), Qt::UTC));
    EXPECT_EQ(updateClickScript(server.url(), dir.file("Script/a?b#c.zorb"), dir.file("Script")),
              ScriptUpdate::Updated);
    EXPECT_EQ(server.targets().back(), "/scripts/a%3Fb%23c.zorb.txt");
}
