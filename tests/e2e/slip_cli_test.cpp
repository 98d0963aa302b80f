#include "print/slip.h"
#include "test_support.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointF>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace razoz;
using test::runCli;

namespace {

QStringList common(const test::ProgramDir& dir)
{
    return {"--program-folder", dir.path(), "--settings", dir.file("settings.ini")};
}

} // namespace

TEST(CliTips, WriteThenReadBack)
{
    test::ProgramDir dir;
    dir.writeFile("settings.ini", "[General]\n");
    auto r = runCli(common(dir) + QStringList{"tips", "write", dir.file("t.wtp"), "--row", "3,11,13,15,34,35", "--row",
                                              "7,,,,,", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(dir.readFile("t.wtp").startsWith("3,11,13,15,34,35\r\n7,,,,,\r\n,,,,,\r\n"));
    dir.writeFile("c.wtp", "1,2,3,4,5,6:Kommentar\r\n7,8\r\n");
    r = runCli(common(dir) + QStringList{"tips", "read", dir.file("c.wtp"), "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(r.out.toUtf8()).object()["rows"].toArray();
    ASSERT_EQ(rows.size(), 12);
    EXPECT_EQ(rows[0].toArray(), QJsonArray({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(rows[1].toArray(), QJsonArray({"7", "", "", "", "", "8"}));
    r = runCli(common(dir) + QStringList{"tips", "read", dir.file("none.wtp")});
    EXPECT_EQ(r.exitCode, 1);
}

TEST(CliSlip, JsonAndThePdfPutTheMarksWhereTheFormulasDo)
{
    test::ProgramDir dir;
    dir.writeFile("settings.ini", "[General]\nNeuerSchein=0\nEdit5F8=abc\n");
    const QString pdf = dir.file("slip.pdf");
    auto r = runCli(common(dir) + QStringList{"slip", "--row", "7,,,,,", "--row", "49,,,,,", "--row", "1,,,,,", "--top",
                                              "50", "--left", "52", "--saturday", "--wednesday", "--spiel77", "on",
                                              "--pdf", pdf, "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject doc = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(doc["cost"].toString(), "10,50 €");
    EXPECT_EQ(doc["page"].toObject()["width_mm"].toDouble(), 210);
    const QJsonArray marks = doc["marks"].toArray();
    ASSERT_EQ(marks.size(), 72);
    EXPECT_EQ(marks[0].toObject(), QJsonObject({{"name", "QRLabel1"}, {"caption", "x"}, {"left", 133}, {"top", 50}}));
    EXPECT_EQ(marks[6].toObject()["top"].toInt(), 234);
    EXPECT_EQ(doc["boxes"].toArray().size(), 8);

    // The rendered page: each "x" starts at the position in points (1/96 inch = 0.75 pt).
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    QList<QPointF> words;
    static const QRegularExpression re(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)")re");
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words << QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    // Three marks, Samstag, Mittwoch, Spiel77Ja, Super6nein, GlueckNein.
    EXPECT_EQ(words.size(), 8);
    auto found = [&](int left, int top) {
        for (const QPointF& w : words)
            if (std::abs(w.x() - left * 0.75) < 0.5 && std::abs(w.y() - top * 0.75) < 1.5) return true;
        return false;
    };
    EXPECT_TRUE(found(133, 50));
    EXPECT_TRUE(found(133, 234));
    EXPECT_TRUE(found(148, 50));
    EXPECT_TRUE(found(52 + 453, 50 + 229)); // Samstag
    EXPECT_TRUE(found(52 + 165, 50 + 258)); // Spiel77Ja

    // The user-defined preset reads the stored positioning: a bad value fails with its name, no PDF.
    const QString bad = dir.file("bad.pdf");
    r = runCli(common(dir) + QStringList{"slip", "--row", "7,,,,,", "--preset", "13", "--pdf", bad});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Edit5")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(bad));
    r = runCli(common(dir) + QStringList{"slip", "--row", "7,,,,,", "--preset", "0", "--layout", "49x1"});
    EXPECT_EQ(r.exitCode, 2);
}

// Without stored offsets and without --top/--left, a preset prints at its own offsets, as choosing
// it in the dialog gives; stored offsets still win.
TEST(CliSlip, APresetWithoutStoredOffsetsUsesItsOwn)
{
    test::ProgramDir dir;
    dir.writeFile("settings.ini", "[General]\n");
    auto marks = [&](QStringList args) {
        const auto r = runCli(common(dir) + QStringList{"slip", "--row", "7,,,,,", "--json"} + args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out.toUtf8()).object()["marks"].toArray();
    };
    for (int k = 0; k < kSlipPresetCount; ++k) {
        const SlipPreset& p = slipPresets()[std::size_t(k)];
        const QString preset = QString::number(k);
        EXPECT_EQ(marks({"--preset", preset}), marks({"--preset", preset, "--top", QString::number(p.tippTop), "--left",
                                                      QString::number(p.tippLeft)}))
            << "preset " << k;
    }
    dir.writeFile("settings.ini", "[General]\nTippTop=39\nTippLeft=47\n");
    EXPECT_EQ(marks({"--preset", "3"}), marks({"--preset", "3", "--top", "39", "--left", "47"}));
}
