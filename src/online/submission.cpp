#include "online/submission.h"

#include "base/text_files.h"
#include "online/online_files.h"
#include "online/web_service.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace razoz {

namespace {

bool open(const HandOver& h, const QUrl& url)
{
    return h.open ? h.open(url) : false;
}

} // namespace

QString serviceDownMessage(const QString& webSite)
{
    return QStringLiteral("Abgabe-Service steht momentan nicht zur Verfügung. Prüfen Sie ob sie mit dem Internet "
                          "verbunden sind. Besteht das Problem länger, prüfen Sie ob es auf ") +
           webSite + QStringLiteral(" neue Updates gibt.");
}

QString portalDomain(const QString& portalAddress)
{
    const QUrl url(portalAddress.trimmed());
    return url.host().isEmpty() ? portalAddress.trimmed() : url.host();
}

SubmissionResult submitToTipp24(const HandOver& hand, const OnlineOptions& options, const TipRows& rows, int rowCount,
                                const OrderChoices& choices)
{
    Prompt& prompt = hand.prompt;
    // The start of the address from the web service.
    WebAnswer answer;
    try {
        WebGetOptions get;
        get.proxyHost = options.proxyHost;
        get.proxyPort = options.proxyPort;
        get.timeoutMs = options.timeoutMs;
        answer = webGet(orderBaseRequestUrl(options.serviceAddress, rowCount), get);
    } catch (const TransportFailure& f) {
        prompt.error(f.message);
        return SubmissionResult::Failed;
    }
    const QString body = decodeText(answer.body);
    // An error status: the service's own message page, or our message and on.
    if (answer.status >= 400) {
        if (body.contains(QLatin1String("Mitteilung"))) {
            const QString page = QDir(hand.programFolder).filePath(kMessagePageName);
            try {
                writeFileReplacing(page, sandboxedMessagePage(answer.body));
            } catch (const OnlineError& e) {
                prompt.error(e.message);
                return SubmissionResult::Failed;
            }
            open(hand, QUrl::fromLocalFile(page));
            return SubmissionResult::MessageShown;
        }
        prompt.information(serviceDownMessage(options.webSite));
    }
    // A line end after the start text belongs to the answer, not to the address.
    OrderRequest request;
    request.rows = rows;
    request.rowCount = rowCount;
    request.serviceBase = body.trimmed();
    request.portalAddress = options.portalAddress;
    request.partnerRef = options.partnerRef;
    request.choices = choices;
    QString url;
    try {
        url = buildOrderUrl(request);
        requireWebAddress(url);
    } catch (const OnlineError& e) {
        prompt.information(e.message);
        return SubmissionResult::Refused;
    }
    if (options.linkPage) {
        const QString page = QDir(hand.programFolder).filePath(kLinkPageName);
        try {
            writeFileReplacing(page, linkPageText(url, portalDomain(options.portalAddress)));
        } catch (const OnlineError& e) {
            prompt.error(e.message);
            return SubmissionResult::Failed;
        }
        open(hand, QUrl::fromLocalFile(page));
        return SubmissionResult::LinkPageOpened;
    }
    open(hand, QUrl(url, QUrl::TolerantMode));
    if (hand.hint) hand.hint(kLinkPageHint);
    return SubmissionResult::Opened;
}

QString perDateTipPath(const QString& programFolder, const QDate& shownDraw, const QDate& today)
{
    return QDir(programFolder).filePath(kTipsFolderName + QLatin1Char('/') + perDateTipFileName(shownDraw, today));
}

bool writePerDateTips(const HandOver& hand, const TipRows& rows, const QString& path)
{
    try {
        ensureFolder(QFileInfo(path).absolutePath());
    } catch (const OnlineError& e) {
        hand.prompt.error(e.message);
        return false;
    }
    try {
        writeFileReplacing(path, formatPerDateTipFile(rows));
    } catch (const OnlineError&) {
        hand.prompt.information(QDir::toNativeSeparators(path) + QLatin1Char(' ') + hand.notWrittenText);
        return false;
    }
    return true;
}

bool openWebPage(const HandOver& hand, const QString& address)
{
    if (!isWebAddress(address)) {
        hand.prompt.information(
            QStringLiteral("„%1“ ist keine Internetadresse (http oder https) und wird nicht geöffnet.").arg(address));
        return false;
    }
    return open(hand, QUrl(address.trimmed(), QUrl::TolerantMode));
}

} // namespace razoz
