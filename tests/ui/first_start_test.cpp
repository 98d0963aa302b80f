// The first start without draws: after the message about reading in the draws, the program offers
// a results list or the server, and the charts and the check then work on the loaded draws.
#include "app/languages.h"
#include "archive/draw_archive.h"
#include "base/day_count.h"
#include "main_window.h"
#include "test_support.h"
#include "ui/first_start.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"

#include <QFile>
#include <QLabel>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

struct Offer {
    test::ScriptedPrompt prompt;
    int imports = 0;
    std::vector<double> updates;
    QStringList addresses, status;
    std::function<void()> onUpdate; // what the update leaves in the archive
    bool asked = false;
    void run(const QString& archivePath)
    {
        asked =
            offerFirstDraws(archivePath, prompt, InterfaceTexts(germanInterfaceTexts()),
                            {[this] { ++imports; },
                             [this](double from) {
                                 updates.push_back(from);
                                 if (onUpdate) onUpdate();
                             },
                             QStringLiteral("http://127.0.0.1:8049"), [this](const QString& url) { addresses << url; },
                             [this](int, const QString& text) { status << text; }});
    }
};

const char* kCsv = "Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R\n"
                   "17.10.1985;3;11;13;15;34;35;27;0\n"
                   "19.10.1985;1;2;3;4;5;6;7;8\n";

} // namespace

TEST(FirstStart, AnArchiveWithDrawsIsLeftAlone)
{
    test::ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(1));
    Offer offer;
    offer.run(dir.archivePath());
    EXPECT_FALSE(offer.asked);
    EXPECT_TRUE(offer.prompt.shown.empty());
}

TEST(FirstStart, YesReadsAResultsListAndAsksNothingMore)
{
    test::ProgramDir dir;
    dir.writeFile("dovovuduv.dat", "");
    Offer offer;
    offer.run(dir.archivePath());
    EXPECT_TRUE(offer.asked);
    EXPECT_EQ(offer.imports, 1);
    EXPECT_TRUE(offer.updates.empty()) << "a cancelled file choice is an answer, no second question";
    ASSERT_EQ(offer.prompt.shown.size(), 1u);
    EXPECT_EQ(offer.prompt.shown[0].caption, "Noch keine Ziehungen im Archiv");
    EXPECT_EQ(offer.prompt.shown[0].text, "Ziehungen jetzt aus einer Ergebnisliste (CSV) einlesen?");
}

TEST(FirstStart, NoThenTheServerLoadsEveryDrawFromTheAddressTheUserGives)
{
    test::ProgramDir dir;
    dir.writeFile("dovovuduv.dat", "");
    Offer offer;
    offer.prompt.questionAnswers = {false};
    offer.prompt.inputAnswers = {QStringLiteral(" http://results.example:8049 ")};
    offer.onUpdate = [&] { dir.writeArchive(test::syntheticArchive(3)); };
    offer.run(dir.archivePath());
    EXPECT_EQ(offer.imports, 0);
    ASSERT_EQ(offer.updates, std::vector<double>{kEarliestDrawDay});
    ASSERT_EQ(offer.prompt.shown.size(), 2u);
    EXPECT_EQ(offer.prompt.shown[1].text, "Ziehungen jetzt vom Server der Ziehungen laden?|http://127.0.0.1:8049");
    EXPECT_EQ(offer.addresses, QStringList{"http://results.example:8049"});
    EXPECT_EQ(DrawArchive(dir.archivePath()).recordCount(), 3);

    // Cancelling the address declines the server: nothing changes.
    Offer declined;
    declined.prompt.questionAnswers = {false};
    dir.writeFile("dovovuduv.dat", "");
    declined.run(dir.archivePath());
    EXPECT_TRUE(declined.updates.empty());
    EXPECT_TRUE(QFile::exists(dir.archivePath()));
    EXPECT_TRUE(declined.addresses.isEmpty());
}

// A server that cannot be reached leaves the update only the game's first draw: the archive goes
// back to empty, the status bar is cleared and the user is told what to do next.
TEST(FirstStart, AServerWithoutDrawsLeavesTheArchiveEmptyAndSaysWhatNext)
{
    test::ProgramDir dir;
    dir.writeFile("dovovuduv.dat", "");
    Offer offer;
    offer.prompt.questionAnswers = {false};
    offer.prompt.inputAnswers = {QStringLiteral("http://127.0.0.1:8049")};
    offer.onUpdate = [&] { dir.writeArchive({firstDraw()}); };
    offer.run(dir.archivePath());
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), QByteArray());
    EXPECT_EQ(offer.status, QStringList{QString()});
    EXPECT_EQ(offer.prompt.texts("information"), QStringList{germanInterfaceTexts()[72]});
    EXPECT_TRUE(offer.addresses.isEmpty()) << "the proposed address was kept";
}

TEST(FirstStart, WindowImportsTheChosenListAfterTheMessageAndShowsTheLatestDraw)
{
    test::ProgramDir dir;
    dir.writeFile("draws.csv", kCsv);
    test::MainWindow w(dir, {.show = false});
    w.prompt.fileAnswers = {dir.file("draws.csv")};
    w.show();
    ASSERT_GE(w.prompt.shown.size(), 3u);
    EXPECT_EQ(w.prompt.shown[0].text, "Lesen Sie zuerst die Daten der Ziehungen ein");
    EXPECT_EQ(w.prompt.shown[1].kind, "question");
    EXPECT_EQ(w.prompt.shown[1].text, "Ziehungen jetzt aus einer Ergebnisliste (CSV) einlesen?");
    EXPECT_TRUE(w.prompt.texts("error").isEmpty()) << w.prompt.texts("error").join("|").toStdString();
    EXPECT_EQ(DrawArchive(dir.archivePath()).recordCount(), 2);
    EXPECT_EQ(w.form.session().currentDraw().date, toDays(QDate(1985, 10, 19)));
    EXPECT_TRUE(w.form.lottotipp()->Label35->text().contains("19.10.85"))
        << w.form.lottotipp()->Label35->text().toStdString();
}

TEST(FirstStart, CommandLinePrintNeverAsks)
{
    test::ProgramDir dir;
    // A tip file that cannot be read ends the print mode before any dialog of the slip.
    test::MainWindow w(dir, {.arguments = {"D", dir.file("fehlt.wtp")}});
    EXPECT_EQ(w.prompt.texts("information"), QStringList{"Lesen Sie zuerst die Daten der Ziehungen ein"});
    EXPECT_TRUE(w.prompt.texts("question").isEmpty()) << w.prompt.texts("question").join("|").toStdString();
    QTest::qWait(1);
    EXPECT_FALSE(w.form.isVisible()) << "the print mode ends the program all the same";
}
