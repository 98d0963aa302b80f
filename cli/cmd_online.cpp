// order-url / script fill: the portal order address and a filled click script.
#include "cli.h"

#include "base/text_files.h"
#include "online/click_script.h"
#include "online/order_url.h"
#include "online/web_service.h"

#include <QFile>
#include <QJsonObject>

namespace razoz::cli {

namespace {

int takeRowCount(CliContext& ctx)
{
    const auto text = ctx.takeOption(QStringLiteral("--rows"));
    if (!text) throw UsageError(QStringLiteral("order-url needs --rows R"));
    bool ok = false;
    const int rows = text->toInt(&ok);
    if (!ok || rows < 1 || rows > kTipRows) throw UsageError(QStringLiteral("--rows needs 1..12"));
    return rows;
}

// The start of the address from the web service, as the window asks for it.
QString askService(CliContext& ctx, const QString& service, int rows)
{
    WebGetOptions options;
    options.proxyHost = ctx.setting(key::ProxyHost).trimmed();
    options.proxyPort = ctx.setting(key::ProxyPort).trimmed();
    WebAnswer answer;
    try {
        answer = webGet(orderBaseRequestUrl(service, rows), options);
    } catch (const TransportFailure& f) {
        throw Failure(f.message);
    }
    const QString body = decodeText(answer.body);
    if (answer.status >= 400)
        throw Failure(
            QStringLiteral("the web service answered %1%2")
                .arg(answer.status)
                .arg(body.contains(QLatin1String("Mitteilung")) ? QStringLiteral(" with a message page") : QString()));
    return body.trimmed();
}

} // namespace

int orderUrlCommand(CliContext& ctx)
{
    const TipRows rows = takeTipRows(ctx);
    const int rowCount = takeRowCount(ctx);
    const auto base = ctx.takeOption(QStringLiteral("--base"));
    const auto service = ctx.takeOption(QStringLiteral("--service"));
    const auto losnummer = ctx.takeOption(QStringLiteral("--losnummer"));
    OrderRequest request;
    request.rows = rows;
    request.rowCount = rowCount;
    request.choices.extra = ctx.takeFlag(QStringLiteral("--extra"));
    request.choices.spiel77 = ctx.takeFlag(QStringLiteral("--spiel77"));
    request.choices.super6 = ctx.takeFlag(QStringLiteral("--super6"));
    request.choices.saturday = ctx.takeFlag(QStringLiteral("--saturday"));
    request.choices.wednesday = ctx.takeFlag(QStringLiteral("--wednesday"));
    ctx.expectNoMore();
    if (bool(base) == bool(service)) throw UsageError(QStringLiteral("order-url needs --base TEXT or --service URL"));
    if (!losnummer) throw UsageError(QStringLiteral("order-url needs --losnummer N"));
    request.choices.losnummer = *losnummer;
    request.portalAddress = ctx.setting(key::PortalUrl);
    request.partnerRef = ctx.setting(key::PartnerReference);
    request.serviceBase = base ? *base : askService(ctx, *service, rowCount);
    QString url;
    try {
        url = buildOrderUrl(request);
        requireWebAddress(url);
    } catch (const OnlineError& e) {
        throw Failure(e.message);
    }
    if (ctx.json())
        ctx.printJson(QJsonObject{{"url", url}});
    else
        ctx.out() << url << '\n';
    return 0;
}

int scriptCommand(CliContext& ctx)
{
    const QString sub = ctx.takeWord(QStringLiteral("script subcommand (fill)"));
    if (sub != QLatin1String("fill")) throw UsageError(QStringLiteral("unknown script subcommand: %1 (fill)").arg(sub));
    const auto script = ctx.takeOption(QStringLiteral("--script"));
    const auto tipFile = ctx.takeOption(QStringLiteral("--tipfile"));
    ScriptFill fill;
    fill.rows = takeTipRows(ctx);
    fill.saturday = ctx.takeFlag(QStringLiteral("--saturday"));
    fill.wednesday = ctx.takeFlag(QStringLiteral("--wednesday"));
    fill.spiel77 = ctx.takeFlag(QStringLiteral("--spiel77"));
    fill.super6 = ctx.takeFlag(QStringLiteral("--super6"));
    ctx.expectNoMore();
    if (!script) throw UsageError(QStringLiteral("script fill needs --script FILE"));
    if (!tipFile) throw UsageError(QStringLiteral("script fill needs --tipfile PATH"));
    fill.tipFilePath = *tipFile;
    QFile file(*script);
    if (!file.open(QIODevice::ReadOnly)) throw Failure(QStringLiteral("cannot read click script %1").arg(*script));
    const QString text = fillClickScript(decodeScript(file.readAll()).text, fill);
    if (ctx.json())
        ctx.printJson(QJsonObject{{"text", text}});
    else
        ctx.out() << text;
    return 0;
}

} // namespace razoz::cli
