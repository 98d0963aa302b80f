// The archive update against servers that misbehave after two good answers: each fault ends
// with a message the user sees, nothing hangs, and the archive holds the records before plus
// exactly the draws of the good answers. Only 127.0.0.1.
#include "archive/archive_update.h"
#include "archive/dates.h"
#include "archive/results_answer.h"
#include "fault_server.h"
#include "long_action.h"
#include "test_support.h"
#include "ui/datenbank_actions.h"
#include "ui/long_action_runner.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace razoz;
using test::FaultServer;

namespace {

struct Recorded : QuietRunControl {
    QStringList texts;
    Recorded() : QuietRunControl([this](int, const QString& t) { texts << t; }) {}
};

DrawRecord goodDraw(int index, double date)
{
    return test::draw(fromDays(date), {1 + index, 10, 20, 30, 40, 49}, 7, index % 10);
}

std::string ok(const std::string& body)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

// A body of valid answer lines of at least `bytes` bytes.
std::string manyLines(std::size_t bytes)
{
    std::string out;
    const std::string line = "1,1,2,3,4,5,6,7,8;\r\n";
    out.reserve(bytes + line.size());
    while (out.size() < bytes) out += line;
    return out;
}

struct FaultCase {
    const char* name;
    std::function<void(FaultServer::Connection&)> fault;
    const char* failure; // text of the message that ends the update; empty: the update runs on
    const char* status;  // a status text that must have been shown; empty: none asked for
    // The network layer may take an answer cut off after a whole chunk for complete: then the
    // whole draw lines that did arrive are kept, and the update either fails or runs on.
    bool mayKeepWholeLines = false;
};

// The first two days asked for (Saturday 02.04.2005, Thursday 07.04.2005) and their draws.
std::vector<DrawRecord> goodDays()
{
    return {goodDraw(0, toDays({2005, 4, 2})), goodDraw(1, toDays({2005, 4, 7}))};
}

// Answers the first two requests with the good draws, then misbehaves.
FaultServer::Behaviour goodThenFault(const std::vector<DrawRecord>& good,
                                     std::function<void(FaultServer::Connection&)> fault)
{
    return [&good, fault = std::move(fault)](FaultServer::Connection& conn) {
        if (conn.index < 2) {
            conn.send(ok(answerLines({good[std::size_t(conn.index)]}, conn.index).toStdString()));
            return;
        }
        fault(conn);
    };
}

class NetworkFaults : public ::testing::TestWithParam<FaultCase> {};

} // namespace

TEST_P(NetworkFaults, EndWithAMessageAndKeepTheGoodAnswers)
{
    const FaultCase& c = GetParam();
    const double lastKept = toDays({2005, 3, 31});
    const std::vector<DrawRecord> good = goodDays();
    FaultServer server(goodThenFault(good, c.fault));
    test::ProgramDir dir;
    dir.writeArchive({firstDraw(), test::draw(fromDays(lastKept), {1, 2, 3, 4, 5, 6}, 7, 8)});
    const auto before = DrawArchive(dir.archivePath()).readAll();

    UpdateOptions o;
    o.serverUrl = server.url();
    o.today = toDays({2005, 4, 30});
    o.pickerDate = lastKept;
    o.timeoutMs = 700;
    Recorded run;
    DrawArchive archive(dir.archivePath());
    const UpdateResult result = updateArchive(archive, o, run);

    std::vector<DrawRecord> expected = before;
    expected.insert(expected.end(), good.begin(), good.end());
    std::vector<DrawRecord> all = archive.readAll();
    if (c.mayKeepWholeLines) {
        // Only whole draws of the cut-off answers beyond the good ones, one per day asked.
        ASSERT_GE(all.size(), expected.size());
        for (std::size_t i = expected.size(); i < all.size(); ++i) {
            EXPECT_EQ(all[i].numbers, (std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 6}));
            EXPECT_GT(all[i].date, all[i - 1].date);
        }
        all.resize(expected.size());
        EXPECT_TRUE(result.failure.contains(QString::fromUtf8(c.failure)) ||
                    run.texts.filter(QString::fromUtf8(c.status)).size() > 0)
            << result.failure.toStdString();
    } else {
        if (*c.failure) {
            EXPECT_TRUE(result.failure.contains(QString::fromUtf8(c.failure))) << result.failure.toStdString();
        } else {
            EXPECT_TRUE(result.failure.isEmpty()) << result.failure.toStdString();
        }
        if (*c.status) {
            EXPECT_TRUE(run.texts.filter(QString::fromUtf8(c.status)).size() > 0) << run.texts.join('|').toStdString();
        }
        EXPECT_EQ(result.records, qint64(expected.size()));
    }
    // Neither half an answer nor the faulty answer's broken lines were taken.
    EXPECT_EQ(all, expected);
    EXPECT_EQ(QFileInfo(dir.archivePath()).size() % qint64(kRecordSize), 0);
}

// The same faults behind the "Datenbank" page's update: the page's buttons come back, a failure is
// shown as a message, and the draws of the good days stay.
TEST_P(NetworkFaults, TheDatenbankPageGetsItsButtonsBackAndShowsTheFailure)
{
    const FaultCase& c = GetParam();
    const std::vector<DrawRecord> good = goodDays();
    FaultServer server(goodThenFault(good, c.fault));
    test::ProgramDir dir;
    const std::vector<DrawRecord> before{firstDraw(), test::draw({2005, 3, 31}, {1, 2, 3, 4, 5, 6}, 7, 8)};
    dir.writeArchive(before);
    test::ScriptedPrompt prompt;
    std::vector<bool> busy;
    UpdateOptions o;
    o.serverUrl = server.url();
    o.today = toDays({2005, 4, 30});
    o.timeoutMs = 700;
    LongActionRunner runner{prompt, [](int, const QString&) {}};
    DatenbankActions actions{[&] { return dir.archivePath(); }, [&] { return o; }, prompt, runner, [](double) {}};
    actions.onBusyChanged = [&](bool b) { busy.push_back(b); };
    actions.updateArchive();
    ASSERT_TRUE(test::waitForLongAction(runner));

    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
    EXPECT_FALSE(actions.busy());
    const QStringList errors = prompt.texts("error");
    if (*c.failure && !c.mayKeepWholeLines) {
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].contains(QString::fromUtf8(c.failure))) << errors[0].toStdString();
    } else if (!*c.failure) {
        EXPECT_TRUE(errors.isEmpty());
    }
    const std::vector<DrawRecord> all = DrawArchive(dir.archivePath()).readAll();
    ASSERT_GE(all.size(), before.size() + good.size());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), all.begin()));
    EXPECT_TRUE(std::equal(good.begin(), good.end(), all.begin() + long(before.size())));
}

INSTANTIATE_TEST_SUITE_P(
    Table, NetworkFaults,
    ::testing::Values(
        FaultCase{"stalled_before_answering", [](auto& c) { c.hold(5000); }, "Zeitüberschreitung", ""},
        FaultCase{"stalled_mid_body",
                  [](auto& c) {
                      c.send("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n1,1,2,3,4,5,6,7,8;\r\n");
                      c.hold(5000);
                  },
                  "Zeitüberschreitung", ""},
        FaultCase{"reset_mid_body",
                  [](auto& c) {
                      c.send("HTTP/1.1 200 OK\r\nContent-Length: 200\r\n\r\n1,1,2,3,4,5,6,7,8;\r\n2,1,2");
                      c.hold(50);
                      c.reset();
                  },
                  "Keine Antwort", ""},
        FaultCase{"slow_trickle",
                  [](auto& c) {
                      c.send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
                      for (const char ch : manyLines(1000))
                          if (!c.send(std::string(1, ch)) || !c.hold(30)) return;
                  },
                  "Zeitüberschreitung", ""},
        FaultCase{"ten_megabytes_with_length",
                  [](auto& c) {
                      const std::string body = manyLines(10 << 20);
                      c.send("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n");
                      c.send(body);
                  },
                  "zu groß", ""},
        FaultCase{"ten_megabytes_without_length",
                  [](auto& c) {
                      c.send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
                      c.send(manyLines(10 << 20));
                  },
                  "zu groß", ""},
        FaultCase{"ten_megabytes_chunked",
                  [](auto& c) {
                      c.send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n");
                      const std::string chunk = manyLines(64 << 10);
                      char size[32];
                      std::snprintf(size, sizeof size, "%zx\r\n", chunk.size());
                      for (int i = 0; i < 160; ++i)
                          if (!c.send(size + chunk + "\r\n")) return;
                      c.send("0\r\n\r\n");
                  },
                  "zu groß", ""},
        FaultCase{"redirect_loop",
                  [](auto& c) {
                      c.send("HTTP/1.1 302 Found\r\nLocation: " + c.target +
                             "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                  },
                  "", "Failed : 302"},
        FaultCase{"invalid_chunk_size",
                  [](auto& c) {
                      c.send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
                             "zz\r\n1,1,2,3,4,5,6,7,8;\r\n0\r\n\r\n");
                  },
                  // Read as an empty answer: nothing is taken and the byte count shows it.
                  "", "Received 0 bytes"},
        FaultCase{"chunked_answer_cut_off",
                  [](auto& c) {
                      c.send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n14\r\n1,1,2,3,4,5,6,7,8;\r\n\r\n");
                      c.hold(50);
                  },
                  "Keine Antwort", "Received 20 bytes", true},
        FaultCase{"html_error_page_with_status_200",
                  [](auto& c) {
                      c.send(ok("<!DOCTYPE html>\r\n<html><head><title>Fehler</title></head>\r\n"
                                "<body><h1>Interner Fehler, 1, 2, 3</h1></body></html>\r\n"));
                  },
                  "", "Keine Ziehung in der Antwort: „<!DOCTYPE html>“"}),
    [](const auto& info) { return std::string(info.param.name); });

// The same through razoz-cli: a connection reset after two good days ends it with exit 1 and the
// message on stderr; an HTML page sent as 200 is named in the status lines.
TEST(NetworkFaultsCli, ResetEndsWithExit1AndTheMessageHtmlPageIsNamed)
{
    double last = toDays(QDate::currentDate().addDays(-30));
    while (weekdayOf(last) != Thursday) last -= 1;
    const double first = nextUpdateDay(last), second = nextUpdateDay(first);
    const std::vector<DrawRecord> good{goodDraw(0, first), goodDraw(1, second)};
    for (const bool html : {false, true}) {
        FaultServer server([&good, html](FaultServer::Connection& conn) {
            if (conn.index < 2) {
                conn.send(ok(answerLines({good[std::size_t(conn.index)]}, conn.index).toStdString()));
            } else if (html) {
                conn.send(ok("<html><body>Wartungsarbeiten</body></html>"));
            } else {
                conn.send("HTTP/1.1 200 OK\r\nContent-Length: 200\r\n\r\n1,1,2,3,4,5,6,7,8;\r\n");
                conn.hold(50);
                conn.reset();
            }
        });
        test::ProgramDir dir;
        const std::vector<DrawRecord> before{firstDraw(), test::draw(fromDays(last), {1, 2, 3, 4, 5, 6}, 7, 8)};
        dir.writeArchive(before);
        const auto r = test::runCli({"--program-folder", dir.path(), "archive", "update", "--server", server.url()});
        std::vector<DrawRecord> expected = before;
        expected.insert(expected.end(), good.begin(), good.end());
        EXPECT_EQ(DrawArchive(dir.archivePath()).readAll(), expected);
        if (html) {
            EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
            EXPECT_TRUE(r.out.contains("Keine Ziehung in der Antwort: „<html><body>Wartungsarbeiten</body></html>“"))
                << r.out.toStdString();
        } else {
            EXPECT_EQ(r.exitCode, 1);
            EXPECT_TRUE(r.err.startsWith("razoz-cli: Keine Antwort von http://127.0.0.1:")) << r.err.toStdString();
        }
    }
}
