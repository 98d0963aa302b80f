// Whatever the web service answers becomes the start of the order address: the address is built
// or refused, only web addresses pass, and the link page never carries the answer unescaped.
#include "fuzz_support.h"
#include "online/online_files.h"
#include "online/order_url.h"
#include "online/submission.h"

using namespace razoz;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString answer = QString::fromUtf8(fuzz::bytesOf(data, size)).trimmed();
    OrderRequest request;
    request.serviceBase = answer;
    request.portalAddress = QStringLiteral("https://www.tipp24.example");
    request.partnerRef = QStringLiteral("4711");
    request.rows[0] = {"3", "11", "13", "15", "34", "35"};
    QString url;
    try {
        url = buildOrderUrl(request);
    } catch (const OnlineError&) {
        if (answer.size() + 200 < kMaxOrderUrlLength) fuzz::violated("a short address was refused");
        return 0;
    }
    if (url.size() > kMaxOrderUrlLength) fuzz::violated("an address over the limit was built");
    if (!url.startsWith(answer)) fuzz::violated("the address does not start with the answer");
    if (!isWebAddress(url)) return 0; // refused before anything opens

    const QString attribute = htmlAttributeEscaped(url);
    for (QChar c : {QChar(u'"'), QChar(u'<'), QChar(u'>'), QChar(u'\'')})
        if (attribute.contains(c)) fuzz::violated("the attribute text holds a raw quote or bracket");
    // In the script string a quote may only stand behind its backslash; brackets and line ends
    // never stand raw.
    const QString script = javaScriptStringEscaped(url);
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script[i];
        if (c == u'\\') {
            if (++i >= script.size()) fuzz::violated("the script string ends in a lone backslash");
            continue;
        }
        if (c == u'"' || c == u'\'' || c == u'<' || c == u'>' || c == u'\n' || c == u'\r')
            fuzz::violated("the script string holds a raw quote, bracket or line end");
    }
    const QByteArray page = linkPageText(url, portalDomain(request.portalAddress));
    if (page.count("\r\n") != 12) fuzz::violated("the link page is not its twelve lines");
    if (page.count("<script") != 1 || page.count("</script>") != 1) fuzz::violated("the answer added a script");
    return 0;
}
