// The "Datenbank" page's archive actions as the window calls them.
#include "app/languages.h"
#include "archive/draw_archive.h"
#include "http_server.h"
#include "long_action.h"
#include "test_support.h"
#include "ui/datenbank_actions.h"
#include "ui/long_action_runner.h"

#include <gtest/gtest.h>

using namespace razoz;
using test::draw;

namespace {

struct Fixture {
    test::ProgramDir dir;
    test::ScriptedPrompt prompt;
    std::vector<double> selected;
    std::vector<bool> busy;
    UpdateOptions options;
    std::vector<QString> status0;
    LongActionRunner runner{prompt, [this](int panel, const QString& text) {
                                if (panel == 0) status0.push_back(text);
                            }};
    DatenbankActions actions{[this] { return dir.archivePath(); }, [this] { return options; }, prompt, runner,
                             [this](double d) { selected.push_back(d); }};
    Fixture()
    {
        actions.onBusyChanged = [this](bool b) { busy.push_back(b); };
        dir.writeArchive(test::syntheticArchive(4)); // Thu 17.10., Sat 19.10., Thu 24.10., Sat 26.10.1985
    }
    // The update, the rebuild and the import run on the worker: the test waits for their end.
    void finish() { ASSERT_TRUE(test::waitForLongAction(runner)); }
};

} // namespace

TEST(DatenbankActions, EnterStoresTheTypedDrawAndSelectsTheReferenceDate)
{
    Fixture f;
    const auto before = DrawArchive(f.dir.archivePath()).readAll();
    DrawRecord seen;
    f.actions.editDraw = [&](const DrawRecord& reference) -> std::optional<DrawRecord> {
        seen = reference;
        return draw({1985, 10, 31}, {49, 3, 17, 8, 22, 1}, 5, 2);
    };
    f.actions.enterDraw(toDays({1985, 10, 19}));
    EXPECT_EQ(seen, before[1]);
    auto after = DrawArchive(f.dir.archivePath()).readAll();
    ASSERT_EQ(after.size(), 5u);
    EXPECT_EQ(after[4], draw({1985, 10, 31}, {1, 3, 8, 17, 22, 49}, 5, 2));
    EXPECT_EQ(f.selected, std::vector<double>{toDays({1985, 10, 19})});
    EXPECT_EQ(f.busy, (std::vector<bool>{true, false}));

    // A correction of the latest draw on its own date replaces it.
    f.actions.editDraw = [&](const DrawRecord&) -> std::optional<DrawRecord> {
        return draw({1985, 10, 31}, {4, 3, 17, 8, 22, 1}, 5, 2);
    };
    f.actions.enterDraw(toDays({1985, 10, 31}));
    after = DrawArchive(f.dir.archivePath()).readAll();
    ASSERT_EQ(after.size(), 5u);
    EXPECT_EQ(after[4], draw({1985, 10, 31}, {1, 3, 4, 8, 17, 22}, 5, 2));

    f.actions.editDraw = [](const DrawRecord&) { return std::optional<DrawRecord>(); }; // cancelled
    f.actions.enterDraw(toDays({1985, 10, 19}));
    EXPECT_EQ(DrawArchive(f.dir.archivePath()).readAll(), after);

    f.actions.deleteShownDraw(toDays({1985, 10, 31}));
    f.actions.deleteShownDraw(toDays({1985, 10, 26}));
    EXPECT_EQ(DrawArchive(f.dir.archivePath()).readAll(),
              (std::vector<DrawRecord>(before.begin(), before.begin() + 3)));
    EXPECT_TRUE(f.prompt.texts("error").isEmpty());
}

TEST(DatenbankActions, ImportReportsWhatWasAddedAndABadFileChangesNothing)
{
    Fixture f;
    f.dir.writeFile("new.csv", "Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R\n31.10.1985;10;14;29;33;46;48;30;\n");
    f.dir.writeFile("bad.csv", "31.10.1985;10;14;29;33;46;48;30;\n02.11.1985;1;2;3\n");
    f.dir.writeFile("fix.csv", "31.10.1985;10;14;29;33;46;49;30;\n");
    f.prompt.fileAnswers = {f.dir.file("new.csv"), f.dir.file("bad.csv"), {}, f.dir.file("fix.csv")};
    f.actions.importCsv();
    f.finish();
    EXPECT_EQ(f.prompt.texts("information"), QStringList{"1 Ziehungen hinzugefügt, 0 ersetzt; 5 Ziehungen im Archiv."});
    const QByteArray after = f.dir.readFile("dovovuduv.dat");
    f.actions.importCsv();
    f.finish();
    ASSERT_EQ(f.prompt.texts("error").size(), 1);
    EXPECT_TRUE(f.prompt.texts("error")[0].contains("bad.csv, Zeile 2"));
    EXPECT_EQ(f.dir.readFile("dovovuduv.dat"), after);
    f.actions.importCsv(); // cancelled
    f.finish();
    EXPECT_EQ(f.selected.size(), 1u);
    // A draw that differs from the archive's is named, in the interface language.
    InterfaceTexts english;
    ASSERT_TRUE(loadInterfaceTexts(QStringLiteral(RAZOZ_SOURCE_DIR "/data"), "en", english));
    f.actions.interfaceText = [&](int n) { return english.text(n); };
    f.actions.importCsv();
    f.finish();
    EXPECT_EQ(f.prompt.texts("information").back(),
              "0 draws added, 1 replaced; 5 draws in the archive.\n1 draws differed from the archive: 31.10.1985");
}

TEST(DatenbankActions, UpdateRunsAloneCanBeStoppedAndReportsAFailure)
{
    auto server = std::make_unique<test::HttpServer>(test::HttpServer::body("1,1,2,3,4,5,6,7,8;"));

    Fixture f;
    f.options.serverUrl = server->url();
    f.options.today = toDays({2000, 1, 1});
    int fetched = 0, edits = 0;
    f.actions.editDraw = [&](const DrawRecord&) {
        ++edits;
        return std::optional<DrawRecord>();
    };
    f.actions.onDrawFetched = [&](const CurrentDraw&) {
        ++fetched;
        f.actions.enterDraw(toDays({1985, 10, 19})); // refused while the update runs
        f.actions.updateArchive();                   // so is a second update
        if (fetched == 2) f.actions.stopUpdate();
    };
    f.actions.updateArchive();
    f.finish();
    EXPECT_EQ(fetched, 2);
    EXPECT_EQ(edits, 0);
    EXPECT_EQ(DrawArchive(f.dir.archivePath()).recordCount(), 6);
    EXPECT_EQ(f.busy, (std::vector<bool>{true, false}));
    ASSERT_EQ(f.selected.size(), 1u);
    EXPECT_EQ(fromDays(f.selected[0]), QDate(1985, 11, 7)); // the first day not asked for
    ASSERT_FALSE(f.status0.empty());
    EXPECT_EQ(f.status0.back(), "Aktualisierung gestoppt: 2 Ziehungen geholt");

    server.reset(); // the server is gone: the next update fails
    f.actions.onDrawFetched = {};
    f.actions.updateArchive();
    f.finish();
    ASSERT_EQ(f.prompt.texts("error").size(), 1);
    EXPECT_TRUE(f.prompt.texts("error")[0].startsWith("Keine Antwort"));
    EXPECT_FALSE(f.actions.busy());

    f.prompt.questionAnswers = {false};
    const QByteArray before = f.dir.readFile("dovovuduv.dat");
    f.actions.rebuildArchive();
    f.finish();
    EXPECT_EQ(f.dir.readFile("dovovuduv.dat"), before);
}
