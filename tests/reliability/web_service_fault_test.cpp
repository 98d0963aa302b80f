// The pre-request of the online submission against a web service that misbehaves: each fault
// ends with a message, nothing hangs, and nothing but a whole answer that is a web address is
// ever handed to the browser. Only 127.0.0.1.
#include "app/hand_over.h"
#include "app/session.h"
#include "fault_server.h"
#include "online/submission.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace razoz;
using test::FaultServer;

namespace {

std::string manyBytes(std::size_t n)
{
    return std::string(n, 'x');
}

struct ServiceFault {
    const char* name;
    std::function<void(FaultServer::Connection&)> fault;
    SubmissionResult result;
    const char* message; // part of the error or information shown
};

class ServiceFaults : public ::testing::TestWithParam<ServiceFault> {};

} // namespace

TEST_P(ServiceFaults, EndWithAMessageAndOpenNothing)
{
    const ServiceFault& c = GetParam();
    FaultServer server(c.fault);
    test::ProgramDir dir;
    test::ScriptedPrompt prompt;
    Session session(dir.path(), prompt);
    QStringList opened;
    session.setOpener([&opened](const QUrl& url) {
        opened << url.toString();
        return true;
    });
    OnlineOptions o;
    o.serviceAddress = server.url();
    o.portalAddress = QStringLiteral("https://www.tipp24.example");
    o.webSite = QStringLiteral("http://www.tallwick.example/razoz/");
    o.timeoutMs = 700;
    TipRows rows{};
    rows[0] = {"3", "11", "13", "15", "34", "35"};

    EXPECT_EQ(submitToTipp24(handOverOf(session), o, rows, 8, {}), c.result);
    EXPECT_TRUE(opened.isEmpty()) << opened.join('|').toStdString();
    const QStringList shown = prompt.texts("error") + prompt.texts("information");
    EXPECT_FALSE(shown.filter(QString::fromUtf8(c.message)).isEmpty()) << shown.join('|').toStdString();
    EXPECT_FALSE(QFile::exists(dir.file("tipp.htm")));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ServiceFaults,
    ::testing::Values(
        ServiceFault{"stalled_before_answering", [](auto& c) { c.hold(5000); }, SubmissionResult::Failed,
                     "Zeitüberschreitung"},
        ServiceFault{"reset_mid_body",
                     [](auto& c) {
                         c.send("HTTP/1.1 200 OK\r\nContent-Length: 200\r\n\r\nhttps://www.tipp24.example/or");
                         c.hold(50);
                         c.reset();
                     },
                     SubmissionResult::Failed, "Keine Antwort"},
        ServiceFault{"cut_off_before_its_length",
                     [](auto& c) {
                         c.send("HTTP/1.1 200 OK\r\nContent-Length: 200\r\nConnection: close\r\n\r\n"
                                "https://www.tipp24.example/or");
                     },
                     SubmissionResult::Failed, "Keine Antwort"},
        ServiceFault{"slow_trickle",
                     [](auto& c) {
                         c.send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
                         for (int i = 0; i < 1000; ++i)
                             if (!c.send("h") || !c.hold(30)) return;
                     },
                     SubmissionResult::Failed, "Zeitüberschreitung"},
        ServiceFault{"ten_megabytes",
                     [](auto& c) {
                         c.send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
                         c.send(manyBytes(10 << 20));
                     },
                     SubmissionResult::Failed, "zu groß"},
        ServiceFault{
            "redirect_to_itself",
            [](auto& c) { c.send("HTTP/1.1 302 Found\r\nLocation: /lotto/lotto.asp\r\nContent-Length: 0\r\n\r\n"); },
            SubmissionResult::Refused, "http"},
        ServiceFault{
            "invalid_chunk_size",
            [](auto& c) { c.send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nhttps\r\n0\r\n\r\n"); },
            SubmissionResult::Refused, "http"},
        ServiceFault{"html_error_page_with_200",
                     [](auto& c) {
                         const std::string body = "<html><body>Wartungsarbeiten</body></html>";
                         c.send("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" +
                                body);
                     },
                     SubmissionResult::Refused, "http"}),
    [](const auto& info) { return std::string(info.param.name); });
